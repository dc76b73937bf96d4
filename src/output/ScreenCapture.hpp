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

// The files saveScreen wrote: their names, empty for one not written.
struct ScreenFiles
{
    std::string bmp;
    std::string png;
};

// Reads the viewport's pixels of the finished frame back from OpenGL and
// writes them as a 24-bit BMP file named after bmpStem and as a PNG file
// with the same pixels named after pngStem (none for an empty stem). Each is
// a new file, written whole or not at all, never over a file nor through a
// link: stem + ".bmp", or stem + " 2.bmp" and so on when that is taken (see
// Platform::writeNewFileAtomically). Logs the GL error code. Nothing is
// written when the read-back failed (the log says so).
ScreenFiles saveScreen(const std::string& bmpStem, const std::string& pngStem);

// Draws the scene whole into the offscreen target at 1024 x 768 and writes
// it, reduced to width x height by averaging, as a PNG file written whole or
// not at all. Leaves drawing directed where it went before. False when the GL
// cannot draw offscreen or read back, or the file cannot be written.
bool saveThumbnail(SceneTarget& target, const ScenePictures& scene, const std::string& pngFile,
                   int width, int height);

} // namespace OpenGL
} // namespace VideoEngine
