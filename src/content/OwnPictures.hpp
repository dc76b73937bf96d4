#pragma once
// A family's own toolbar pictures: files in own/palace/, own/decoration/ and
// own/person/ of the game's folder (the working directory), named like the
// game's own, "<row>.<name>.png" or ".bmp". Each shows in its row after the
// game's own pictures. A picture that cannot be read, is larger than the
// screen (1024 x 768) or has no row digit is logged with its name and left
// out; nothing here stops the game.

#include <string>
#include <vector>

namespace GameLogic
{
namespace PalaceBuild
{

// Largest own picture, in pixels.
constexpr unsigned largestOwnWidth = 1024;
constexpr unsigned largestOwnHeight = 768;

// The own pictures of own/<folder>/ in three rows, sorted by file name, each
// as "own/<folder>/<file>", with its ".mask" file written. A missing folder
// gives three empty rows. Hidden files and mask files are passed over
// silently; every other file that is left out is logged.
std::vector<std::vector<std::string>> ownPictures(const std::string& folder);

} // namespace PalaceBuild
} // namespace GameLogic
