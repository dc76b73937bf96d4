#pragma once
// Pictures of the scene as files: the saved picture with its PNG copy, read
// back from the finished frame, and the thumbnails of the gallery, drawn
// offscreen.

#include "video/SceneDrawing.hpp"
#include "video/SceneTarget.hpp"

#include <string>

namespace VideoEngine
{
namespace OpenGL
{

// Reads the viewport's pixels of the finished frame back from OpenGL and
// writes them as a 24-bit BMP file (silently not written when it cannot be;
// none when bmpFile is empty) and, unless pngFile is empty, as a PNG file with the same pixels, written
// whole or not at all; logs the GL error code. False when the read-back
// failed (then neither file is written, and the log says so) or the PNG file
// could not be written.
bool saveScreen(const std::string& bmpFile, const std::string& pngFile);

// Draws the scene whole into the offscreen target at 1024 x 768 and writes
// it, reduced to width x height by averaging, as a PNG file written whole or
// not at all. Leaves drawing directed where it went before. False when the GL
// cannot draw offscreen or read back, or the file cannot be written.
bool saveThumbnail(SceneTarget& target, const ScenePictures& scene, const std::string& pngFile,
                   int width, int height);

} // namespace OpenGL
} // namespace VideoEngine
