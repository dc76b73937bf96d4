#pragma once
// Drawing in the viewport's pixels: while a PixelSpace lives, the vertex
// (x, y) is x pixels right of and y pixels up from the viewport's bottom
// left, whatever the matrices held. The projection and modelview matrices
// and the matrix mode are put back when it goes. Make and drop it in the same
// GL context, outside glBegin and glEnd.

namespace VideoEngine
{
namespace OpenGL
{

class PixelSpace
{
public:
    // Pixels of a viewport width x height.
    PixelSpace(int width, int height);
    ~PixelSpace();

    PixelSpace(const PixelSpace&) = delete;
    PixelSpace& operator=(const PixelSpace&) = delete;

private:
    int matrixMode = 0;
};

} // namespace OpenGL
} // namespace VideoEngine
