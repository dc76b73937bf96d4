#pragma once
// A modal error message with a single OK button.

#include <string>

namespace Platform
{

// Shows the message with an error icon and waits until the user closes it with
// OK, Enter or Escape, or a termination signal arrives (the box then goes at
// once). When no message box can be shown, the text goes to standard error
// instead and the call returns at once.
void showErrorMessage(const std::string& caption, const std::string& text);

} // namespace Platform
