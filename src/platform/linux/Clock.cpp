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

std::string localTimeStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32] = {};
    std::strftime(stamp, sizeof stamp - 1, "%Y-%m-%d %H-%M-%S", &local);
    return stamp;
}

} // namespace Platform
