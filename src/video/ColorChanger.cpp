#include "video/ColorChanger.hpp"

namespace VideoEngine
{
namespace OpenGL
{

namespace
{

const std::int32_t lastStep = 59;

// The channels each tint family dims: cyan, blue, green, magenta, yellow, red.
const ColorMode colorModes[6] = {
    {1, 0, 0}, {1, 1, 0}, {1, 0, 1}, {0, 1, 0}, {0, 0, 1}, {0, 1, 1},
};

} // namespace

ColorMode ColorChanger::next()
{
    if (step < lastStep)
        ++step;
    return colorModes[step / 10];
}

ColorMode ColorChanger::previous()
{
    if (step < 1)
    {
        step = 0;
        return {0, 0, 0};
    }
    --step;
    return colorModes[step / 10];
}

} // namespace OpenGL
} // namespace VideoEngine
