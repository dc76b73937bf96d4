#include "platform/Text.hpp"

#include <cstring>

namespace Platform
{

std::string trimmed(const std::string& text)
{
    const char* const blanks = " \t\r\n\f\v";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::optional<std::string> unquoted(const std::string& text, const std::string& quotes)
{
    if (text.size() < 2 || text.front() != text.back() ||
        quotes.find(text.front()) == std::string::npos)
        return std::nullopt;
    std::string value;
    for (std::size_t i = 1; i + 1 < text.size(); ++i)
    {
        if (text[i] == '\\' && i + 2 < text.size())
            ++i;
        value += text[i];
    }
    return value;
}

std::string percentEncoded(const std::string& text)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text)
    {
        const bool letterOrDigit =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (letterOrDigit || (c != 0 && std::strchr("/-_.~", c)))
            out += char(c);
        else
        {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

} // namespace Platform
