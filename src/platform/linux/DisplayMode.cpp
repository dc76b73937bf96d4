#include "platform/DisplayMode.hpp"

#include "platform/linux/DisplayConnection.hpp"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <cstring>
#include <memory>

namespace Platform
{
namespace
{

struct ConfigFreer
{
    void operator()(XRRScreenConfiguration* config) const { XRRFreeScreenConfigInfo(config); }
};
using ConfigPtr = std::unique_ptr<XRRScreenConfiguration, ConfigFreer>;

// Xlib's default error handler ends the process; a refused switch must only
// fail the switch.
bool requestFailed = false;
int recordError(Display*, XErrorEvent*)
{
    requestFailed = true;
    return 0;
}

// XWayland only pretends to switch modes: the compositor scales the window
// instead, to the output's shape. Newer servers name themselves by an
// extension, older ones by their outputs' names.
bool isXWayland(Display* display)
{
    int opcode = 0;
    int eventBase = 0;
    int errorBase = 0;
    if (XQueryExtension(display, "XWAYLAND", &opcode, &eventBase, &errorBase))
        return true;
    // Outputs have names from RandR 1.2 on.
    int major = 0;
    int minor = 0;
    if (!XRRQueryVersion(display, &major, &minor) || (major == 1 && minor < 2))
        return false;
    XRRScreenResources* resources = XRRGetScreenResources(display, DefaultRootWindow(display));
    if (!resources)
        return false;
    bool found = false;
    for (int i = 0; i < resources->noutput && !found; ++i)
    {
        if (XRROutputInfo* output = XRRGetOutputInfo(display, resources, resources->outputs[i]))
        {
            found = std::strncmp(output->name, "XWAYLAND", 8) == 0;
            XRRFreeOutputInfo(output);
        }
    }
    XRRFreeScreenResources(resources);
    return found;
}

// The screen's RandR configuration, or null without RandR.
ConfigPtr screenConfig(Display* display)
{
    int eventBase = 0;
    int errorBase = 0;
    if (!XRRQueryExtension(display, &eventBase, &errorBase))
        return nullptr;
    return ConfigPtr(XRRGetScreenInfo(display, DefaultRootWindow(display)));
}

} // namespace

bool readCurrentMode(DisplayMode& mode)
{
    DisplayPtr display = openDisplay();
    if (!display)
        return false;
    const int screen = DefaultScreen(display.get());
    mode = DisplayMode{};
    mode.width = static_cast<std::uint32_t>(DisplayWidth(display.get(), screen));
    mode.height = static_cast<std::uint32_t>(DisplayHeight(display.get(), screen));
    mode.depth = static_cast<std::uint32_t>(DefaultDepth(display.get(), screen));

    ConfigPtr config = screenConfig(display.get());
    if (!config)
        return true;
    Rotation rotation = 0;
    const SizeID current = XRRConfigCurrentConfiguration(config.get(), &rotation);
    int count = 0;
    XRRScreenSize* sizes = XRRConfigSizes(config.get(), &count);
    if (current < count)
    {
        mode.width = static_cast<std::uint32_t>(sizes[current].width);
        mode.height = static_cast<std::uint32_t>(sizes[current].height);
        mode.sizeIndex = current;
        mode.refresh = static_cast<std::uint32_t>(XRRConfigCurrentRate(config.get()));
    }
    return true;
}

std::vector<DisplayMode> listModes()
{
    std::vector<DisplayMode> modes;
    DisplayPtr display = openDisplay();
    if (!display)
        return modes;
    ConfigPtr config = screenConfig(display.get());
    if (!config || isXWayland(display.get()))
        return modes;
    const auto depth = static_cast<std::uint32_t>(DefaultDepth(display.get(), 0));
    int sizeCount = 0;
    XRRScreenSize* sizes = XRRConfigSizes(config.get(), &sizeCount);
    for (int i = 0; i < sizeCount; ++i)
    {
        DisplayMode mode;
        mode.width = static_cast<std::uint32_t>(sizes[i].width);
        mode.height = static_cast<std::uint32_t>(sizes[i].height);
        mode.depth = depth;
        mode.sizeIndex = i;
        int rateCount = 0;
        short* rates = XRRConfigRates(config.get(), i, &rateCount);
        if (rateCount == 0)
            modes.push_back(mode);
        for (int r = 0; r < rateCount; ++r)
        {
            mode.refresh = static_cast<std::uint32_t>(rates[r]);
            modes.push_back(mode);
        }
    }
    return modes;
}

bool switchMode(const DisplayMode& mode)
{
    if (mode.sizeIndex < 0)
        return false;
    DisplayPtr display = openDisplay();
    if (!display)
        return false;
    ConfigPtr config = screenConfig(display.get());
    if (!config)
        return false;
    int sizeCount = 0;
    XRRScreenSize* sizes = XRRConfigSizes(config.get(), &sizeCount);
    if (mode.sizeIndex >= sizeCount ||
        static_cast<std::uint32_t>(sizes[mode.sizeIndex].width) != mode.width ||
        static_cast<std::uint32_t>(sizes[mode.sizeIndex].height) != mode.height)
        return false;
    Rotation rotation = 0;
    XRRConfigCurrentConfiguration(config.get(), &rotation);
    requestFailed = false;
    XErrorHandler previous = XSetErrorHandler(recordError);
    const Status status =
        mode.refresh == 0
            ? XRRSetScreenConfig(display.get(), config.get(), DefaultRootWindow(display.get()),
                                 mode.sizeIndex, rotation, CurrentTime)
            : XRRSetScreenConfigAndRate(display.get(), config.get(),
                                        DefaultRootWindow(display.get()), mode.sizeIndex, rotation,
                                        static_cast<short>(mode.refresh), CurrentTime);
    XSync(display.get(), False);
    XSetErrorHandler(previous);
    return status == RRSetConfigSuccess && !requestFailed;
}

} // namespace Platform
