#include "platform/linux/DisplayConnection.hpp"

#include <chrono>
#include <cstdlib>
#include <thread>

namespace Platform
{

DisplayPtr openDisplay()
{
    for (int attempt = 0;; ++attempt)
    {
        if (Display* display = XOpenDisplay(nullptr))
            return DisplayPtr(display);
        if (attempt == 50 || !std::getenv("DISPLAY"))
            return nullptr;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

} // namespace Platform
