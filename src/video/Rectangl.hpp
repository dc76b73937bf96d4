#pragma once

#include <cstdint>

namespace VideoEngine
{
namespace OpenGL
{

// An axis-parallel rectangle on the logical screen; right = left + width,
// bottom = top + height. Hit tests elsewhere include all four edges.
struct Rectangl
{
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    // Scales width and height about the top-left corner; the new right and
    // bottom are computed in extended precision and truncated toward zero.
    void scale(float factor);
};

inline bool operator==(const Rectangl& a, const Rectangl& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator!=(const Rectangl& a, const Rectangl& b)
{
    return !(a == b);
}

} // namespace OpenGL
} // namespace VideoEngine
