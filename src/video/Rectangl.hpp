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
};

inline bool operator==(const Rectangl& a, const Rectangl& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator!=(const Rectangl& a, const Rectangl& b)
{
    return !(a == b);
}

// Whether (x, y) lies in the rectangle, every edge included.
inline bool contains(const Rectangl& r, int x, int y)
{
    return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
}

} // namespace OpenGL
} // namespace VideoEngine
