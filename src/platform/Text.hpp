#pragma once
// Small pieces of text handling shared by the settings files, the desktop's
// tools and the trash.

#include <optional>
#include <string>

namespace Platform
{

// The text without the blanks (spaces, tabs, line and page breaks) at either
// end.
std::string trimmed(const std::string& text);

// The text inside a quoted literal, each backslash taking the character after
// it as it is: for text that starts and ends with the same one of the quote
// characters given. Nothing for any other text.
std::optional<std::string> unquoted(const std::string& text, const std::string& quotes);

// The text with every byte but letters, digits and "/-_.~" written as "%XX"
// (upper-case hexadecimal), as file URIs and trash info files want paths.
std::string percentEncoded(const std::string& text);

} // namespace Platform
