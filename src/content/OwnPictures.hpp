#pragma once
// A family's own toolbar pictures: files in own/palace/, own/decoration/ and
// own/person/ of the game's folder (the working directory), named like the
// game's own, "<row>.<name>.png" or ".bmp". Each shows in its row after the
// game's own pictures. An entry that is no picture by the rules for a
// family's files (Platform::familyPicture: a regular file of PNG or BMP,
// 24 or 32 bits a pixel, at most the screen's 1024 x 768) or has no row digit
// is logged with its name and left out; nothing here stops or holds up the
// game.

#include <string>
#include <vector>

namespace GameLogic
{
namespace PalaceBuild
{

// The own pictures of own/<folder>/ in three rows, sorted by file name, each
// as "own/<folder>/<file>", with its ".mask" file written. A missing folder
// gives three empty rows. Hidden entries and mask files are passed over
// silently; every other entry that is left out (sub-folders too) is logged,
// and so is a folder that cannot be listed.
std::vector<std::vector<std::string>> ownPictures(const std::string& folder);

} // namespace PalaceBuild
} // namespace GameLogic
