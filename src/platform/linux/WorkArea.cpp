#include "platform/WorkArea.hpp"

#include "platform/linux/DisplayConnection.hpp"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <memory>
#include <vector>

namespace Platform
{
namespace
{

// The CARDINAL values of the root window's property, or none.
std::vector<long> rootCardinals(Display* display, const char* name)
{
    const Atom property = XInternAtom(display, name, True);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<long> values;
    if (property != None &&
        XGetWindowProperty(display, DefaultRootWindow(display), property, 0, 1024, False,
                           XA_CARDINAL, &type, &format, &count, &after, &data) == Success &&
        type == XA_CARDINAL && format == 32 && data)
    {
        const long* longs = reinterpret_cast<const long*>(data);
        values.assign(longs, longs + count);
    }
    if (data)
        XFree(data);
    return values;
}

} // namespace

bool readWorkArea(WorkArea& area)
{
    const DisplayPtr display = openDisplay();
    if (!display)
        return false;
    Display* d = display.get();
    area = {0, 0, DisplayWidth(d, DefaultScreen(d)), DisplayHeight(d, DefaultScreen(d))};
    const std::vector<long> areas = rootCardinals(d, "_NET_WORKAREA");
    const std::vector<long> desktop = rootCardinals(d, "_NET_CURRENT_DESKTOP");
    std::size_t first = desktop.empty() ? 0 : std::size_t(desktop[0]) * 4;
    if (first + 4 > areas.size())
        first = 0;
    if (areas.size() >= first + 4 && areas[first + 2] > 0 && areas[first + 3] > 0)
        area = {int(areas[first]), int(areas[first + 1]), int(areas[first + 2]),
                int(areas[first + 3])};
    return true;
}

} // namespace Platform
