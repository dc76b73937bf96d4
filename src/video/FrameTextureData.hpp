#pragma once

#include "video/Array.hpp"
#include "video/FastTextureData.hpp"
#include "video/ITextureData.hpp"
#include "video/Position.hpp"

#include <cstddef>

namespace VideoEngine
{
namespace OpenGL
{

// A frame picture cut into four pieces: 0 the left panel (254 columns),
// 1 the top and 2 the bottom border (60 rows from column 254 to the right
// edge), 3 the right border (60 columns). The inner area is kept nowhere.
class FrameTextureData : public ITextureData
{
public:
    FrameTextureData() = default;
    FrameTextureData(const FrameTextureData&) = delete;
    FrameTextureData& operator=(const FrameTextureData&) = delete;

    // Ignores x and y. Throws std::invalid_argument for pictures narrower than
    // 255 or lower than 60 pixels, and as FastTextureData does.
    void loadFromBitmap(FIBITMAP* bitmap, int x, int y, int width, int height) override;
    void draw(int x, int y, bool mirror, float scale) override;

    // Where piece k (0 to 3) of a frame drawn at (x, y) is drawn.
    Position pieceAt(std::size_t k, int x, int y) const;

    Utils::Array<FastTextureData, 4> pieces;
};

} // namespace OpenGL
} // namespace VideoEngine
