#pragma once
// The class by which a desktop tells a program's windows apart (WM_CLASS):
// docks and task switchers match it with the program's desktop entry.

#include <string>

namespace Platform
{

// Gives the X window of the current GL context the instance and class name;
// nothing happens without a current context.
void setWindowClass(const std::string& name);

} // namespace Platform
