#pragma once

#include <cstdint>

namespace VideoEngine
{
namespace OpenGL
{

// An axis-parallel rectangle on the logical screen; right = left + width,
// bottom = top + height.
struct Rectangl
{
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// The hit test of every picture: all four edges count as inside.
inline bool contains(const Rectangl& rect, int x, int y)
{
    return x >= rect.left && x <= rect.right && y >= rect.top && y <= rect.bottom;
}

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
