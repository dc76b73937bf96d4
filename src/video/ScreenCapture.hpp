#pragma once

#include <string>

namespace VideoEngine
{
namespace OpenGL
{

// Reads the screenWidth x screenHeight pixels of the finished frame back from
// OpenGL and writes them as a 24-bit BMP file; logs the GL error code. A file
// that cannot be written is silently not written.
void saveScreen(const std::string& fileName);

} // namespace OpenGL
} // namespace VideoEngine
