#pragma once
// How many picture pixels one scene unit gets: 1, the pictures of BMP/, or 2,
// their twins of twice the size under BMP2x/ (same paths below it), for a
// scene drawn larger than 1024 x 768. Sizes, places and file names stay in
// the BMP/ pictures' units whichever is read.

#include "platform/Image.hpp"

#include <string>

namespace VideoEngine
{
namespace OpenGL
{

// Sets the detail for a scene drawn at sceneWidth x sceneHeight pixels: 2
// when larger than 1024 x 768, else 1. At start, 1. True when it changed;
// the pictures held are then read again (see choosePictureDetail).
bool setPictureDetailFor(int sceneWidth, int sceneHeight);

// Whether the picture file is one of BMP/, whose twins the detail picks.
bool inGamePictures(const std::string& fileName);

// The file a picture named fileName is read from, and its pixels per unit:
// the twin under BMP2x/ when the detail is 2 and that file exists, else the
// file itself at 1.
std::string detailedPictureFile(const std::string& fileName, int& pixelsPerUnit);

// The rules a picture file is read by: the game's own for the files of BMP/
// and BMP2x/, which the build makes; a family's for every other.
const Platform::PictureRules& pictureRules(const std::string& fileName);

} // namespace OpenGL
} // namespace VideoEngine
