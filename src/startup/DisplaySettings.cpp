#include "startup/DisplaySettings.hpp"

#include <algorithm>
#include <functional>
#include <stdexcept>

namespace StartUp
{
namespace
{

// At most this many modes are looked at.
constexpr std::size_t modeLimit = 1000;

// The order of preference: width, then depth, then refresh rate, ascending.
// The height takes no part; the shape is checked apart.
bool modeLess(const DisplayMode& a, const DisplayMode& b)
{
    if (a.width != b.width)
        return a.width < b.width;
    if (a.depth != b.depth)
        return a.depth < b.depth;
    return a.refresh < b.refresh;
}

// The 4:3 shape of the scene: a wider mode of a candidate width (1024x576,
// 1024x600) would stretch it.
bool isFourByThree(const DisplayMode& mode)
{
    return std::uint64_t{mode.width} * 3 == std::uint64_t{mode.height} * 4;
}

// Tries the 4:3 modes whose width is a candidate, best first (the sorted
// list walked from its last), until change accepts one. Returns whether any
// did.
bool chooseDisplayMode(std::vector<DisplayMode> modes, const std::vector<int>& widths,
                       const std::function<bool(const DisplayMode&)>& change)
{
    if (modes.size() > modeLimit)
        modes.resize(modeLimit);
    std::sort(modes.begin(), modes.end(), modeLess);
    for (auto mode = modes.rbegin(); mode != modes.rend(); ++mode)
    {
        const bool candidate =
            std::any_of(widths.begin(), widths.end(),
                        [&](int width)
                        { return width >= 0 && static_cast<std::uint32_t>(width) == mode->width; });
        if (candidate && isFourByThree(*mode) && change(*mode))
            return true;
    }
    return false;
}

} // namespace

DisplayMode getDisplaySettings(int& width, int& height)
{
    DisplayMode mode;
    if (!Platform::readCurrentMode(mode))
        throw std::logic_error("Unable to get display settings");
    width = static_cast<int>(mode.width);
    height = static_cast<int>(mode.height);
    return mode;
}

bool setDisplayMode(const std::vector<int>& widths)
{
    if (widths.empty())
        return false;
    return chooseDisplayMode(Platform::listModes(), widths, Platform::switchMode);
}

bool restoreDisplaySettings(DisplayMode mode)
{
    return Platform::switchMode(mode);
}

} // namespace StartUp
