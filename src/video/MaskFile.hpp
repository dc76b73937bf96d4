#pragma once
// The ".mask" companion file of a toolbar picture: its width on the first
// line, then one line "row first end" per run of non-transparent pixels, rows
// from the top, runs from the left. A 24-bit picture gets an empty file.

#include <string>
#include <vector>

struct FIBITMAP;

namespace VideoEngine
{
namespace OpenGL
{

// True when fileName + ".mask" exists and is strictly newer than the picture.
bool maskIsFresh(const std::string& fileName);

// Writes fileName + ".mask" from the bitmap unless that file exists and is
// newer than the picture. Throws std::invalid_argument when the picture file
// is missing ("File `name` does not exists") or its depth is neither 24 nor
// 32 bits ("Bad image format", after truncating the mask file).
void prepareMask(const std::string& fileName, FIBITMAP* bitmap);

// prepareMask for every one of the game's own pictures in order (read by
// Platform::gamePicture); pictures that cannot be read are skipped; an
// exception of prepareMask ends the loop and passes on, and so does
// "Terminated" once a termination signal has arrived.
void prepareMasks(const std::vector<std::string>& fileNames);

} // namespace OpenGL
} // namespace VideoEngine
