#pragma once

#include <cstdint>

namespace VideoEngine
{
namespace OpenGL
{

// The top-left corner of something on the 1024 x 768 logical screen.
struct Position
{
    std::int32_t x = 0;
    std::int32_t y = 0;
};

inline bool operator==(const Position& a, const Position& b)
{
    return a.x == b.x && a.y == b.y;
}
inline bool operator!=(const Position& a, const Position& b)
{
    return !(a == b);
}

} // namespace OpenGL
} // namespace VideoEngine
