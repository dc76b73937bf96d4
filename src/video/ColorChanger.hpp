#pragma once

#include <array>
#include <cstdint>

namespace VideoEngine
{
namespace OpenGL
{

// One rule per channel (red, green, blue): 0 keeps the channel at full
// strength, 1 dims it.
using ColorMode = std::array<std::int32_t, 3>;

// Walks the sixty tint steps: six families of ten, each dimming some channels.
class ColorChanger
{
public:
    // One step on (stays at 59); returns the rules of the new step's family.
    ColorMode next();
    // One step back; at step 0 stays there and returns (0, 0, 0).
    ColorMode previous();

    std::int32_t step = 0;
};

} // namespace OpenGL
} // namespace VideoEngine
