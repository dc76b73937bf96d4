#include "platform/Clock.hpp"

#include <chrono>
#include <ctime>

namespace Platform
{

std::uint32_t steadyMilliseconds()
{
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(ms);
}

std::int32_t wallSeconds()
{
    return static_cast<std::int32_t>(std::time(nullptr));
}

std::string localTime(const char* format)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64] = {};
    std::strftime(text, sizeof text - 1, format, &local);
    return text;
}

std::string localTimeStamp()
{
    return localTime("%Y-%m-%d %H-%M-%S");
}

} // namespace Platform
