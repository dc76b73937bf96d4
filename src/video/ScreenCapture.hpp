#pragma once

#include <string>

namespace VideoEngine
{
namespace OpenGL
{

// Reads the width x height pixels at the bottom left of the finished frame
// back from OpenGL and writes them as a 24-bit BMP file; logs the GL error
// code. A file that cannot be written is silently not written.
void saveScreen(const std::string& fileName, int width, int height);

} // namespace OpenGL
} // namespace VideoEngine
