#pragma once

#include <string>

namespace VideoEngine
{
namespace OpenGL
{

// Reads the viewport's pixels of the finished frame back from OpenGL and
// writes them as a 24-bit BMP file (silently not written when it cannot be)
// and, unless pngFile is empty, as a PNG file with the same pixels, written
// whole or not at all; logs the GL error code. False when the read-back
// failed (then neither file is written, and the log says so) or the PNG file
// could not be written.
bool saveScreen(const std::string& bmpFile, const std::string& pngFile);

} // namespace OpenGL
} // namespace VideoEngine
