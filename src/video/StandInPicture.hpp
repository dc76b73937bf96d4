#pragma once
// The picture a piece shows while its own picture is missing: a friendly
// box with a question mark, drawn at the size the missing picture had.

#include "video/FastTextureData.hpp"

#include <memory>
#include <string>

namespace VideoEngine
{
namespace OpenGL
{

// The largest stand-in, in units on either side: no picture of the game is
// larger.
constexpr int largestStandIn = 1024;

// Picture data of width x height units: "BMP/gallery/standin-box.png"
// stretched to that size (its 16-unit corners kept, its edges repeated every
// 16 units), with "BMP/gallery/standin-mark.png" in the middle, kept in
// shape (drawn mirrored, it still reads right). Its file name is the missing
// picture's, so that whatever is written of the piece still names that
// picture. The data are the caller's alone (never shared through
// sharedPicture). Throws std::invalid_argument for a size outside
// 1..largestStandIn or a stand-in picture that cannot be read; GL failures
// pass on as in loadFromBitmap.
std::shared_ptr<FastTextureData> standInPicture(const std::string& fileName, int width, int height,
                                                bool mirrored);

} // namespace OpenGL
} // namespace VideoEngine
