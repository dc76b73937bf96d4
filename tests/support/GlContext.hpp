#pragma once
// A GLUT window with the game's fixed GL state (texturing, alpha blending,
// the 1024 x 768 logical projection), for tests that draw and read pixels
// back. Needs DISPLAY (make test provides a private Xvfb). One per process.

#include <cstdint>

namespace TestSupport
{

struct Rgba
{
    std::uint8_t r, g, b, a;
};

class GlContext
{
public:
    // Opens a 1024 x 768 window (so one logical unit is one pixel).
    GlContext();
    ~GlContext();
    GlContext(const GlContext&) = delete;
    GlContext& operator=(const GlContext&) = delete;

    // Clears the back buffer to the given colour.
    void clear(float r, float g, float b);

    // The back-buffer pixel at logical (x, y), y counted from the top.
    Rgba pixel(int x, int y) const;

private:
    int window = 0;
};

} // namespace TestSupport
