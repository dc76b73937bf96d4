#pragma once
// How many picture pixels one scene unit gets this run: 1, the pictures of
// BMP/, or 2, their twins of twice the size under BMP2x/ (same paths below
// it), for a scene drawn larger than 1024 x 768. Sizes, places and file names
// stay in the BMP/ pictures' units whichever is read.

#include <string>

namespace VideoEngine
{
namespace OpenGL
{

// Chooses the detail for the pictures loaded from now on: 2 when the scene
// is drawn larger than 1024 x 768 pixels, else 1. At start, 1.
void choosePictureDetail(int sceneWidth, int sceneHeight);

// The file a picture named fileName is read from, and its pixels per unit:
// the twin under BMP2x/ when the detail is 2 and that file exists, else the
// file itself at 1.
std::string detailedPictureFile(const std::string& fileName, int& pixelsPerUnit);

} // namespace OpenGL
} // namespace VideoEngine
