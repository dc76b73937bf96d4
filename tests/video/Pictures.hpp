#pragma once
// Small pictures made with FreeImage for the video tests: a colour per pixel,
// rows counted from the top, written to files or kept as bitmaps.

#include "video/Image.hpp"

#include <cstdint>
#include <functional>
#include <string>

namespace VideoTests
{

struct Color
{
    std::uint8_t r, g, b, a;
};

using Painter = std::function<Color(unsigned x, unsigned y)>;

// A bitmap of the given depth (24 or 32 bits) painted pixel by pixel; 24-bit
// pictures drop the alpha.
VideoEngine::OpenGL::BitmapPtr makeBitmap(unsigned width, unsigned height, unsigned depth,
                                          const Painter& paint);

// makeBitmap saved as PNG (or BMP when the name ends in ".bmp"); throws when
// FreeImage cannot save it.
void writePicture(const std::string& fileName, unsigned width, unsigned height, unsigned depth,
                  const Painter& paint);

// An 8-bit palettised PNG.
void writePalettisedPicture(const std::string& fileName, unsigned width, unsigned height);

// A picture split into four quadrants: red top left, green top right, blue
// bottom left, yellow bottom right, all opaque.
Color quadrants(unsigned width, unsigned height, unsigned x, unsigned y);

} // namespace VideoTests
