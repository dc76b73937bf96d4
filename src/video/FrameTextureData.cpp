// A frame picture kept as four drawable pieces: the left panel, the top and
// bottom borders and the right border. The frame's own sizes are the whole
// picture's, in units (see pixelsPerUnit); it has no GL texture of its own.

#include "video/FrameTextureData.hpp"

#include <FreeImage.h>
#include <stdexcept>

namespace VideoEngine
{
namespace OpenGL
{

namespace
{

const int panelWidth = 254;
const int borderSize = 60;

} // namespace

void FrameTextureData::loadFromBitmap(FIBITMAP* bitmap, int, int, int width, int height)
{
    generation = nextGeneration();
    if (width < 1)
        width = int(FreeImage_GetWidth(bitmap));
    if (height < 1)
        height = int(FreeImage_GetHeight(bitmap));
    // Smaller pictures would give pieces without area.
    const int panel = panelWidth * pixelsPerUnit;
    const int border = borderSize * pixelsPerUnit;
    if (width <= panel || height < border)
        throw std::invalid_argument("A frame picture must be at least 255 x 60 pixels");

    imageWidth = textureWidth = unsigned(width / pixelsPerUnit);
    imageHeight = textureHeight = unsigned(height / pixelsPerUnit);
    for (unsigned k = 0; k < pieces.size(); ++k)
        pieces[k].pixelsPerUnit = pixelsPerUnit;
    pieces[0].loadFromBitmap(bitmap, 0, 0, panel, height);
    pieces[1].loadFromBitmap(bitmap, panel, 0, width - panel, border);
    pieces[2].loadFromBitmap(bitmap, panel, height - border, width - panel, border);
    pieces[3].loadFromBitmap(bitmap, width - border, 0, border, height);
}

void FrameTextureData::draw(int x, int y, bool mirror, float scale)
{
    for (std::size_t k = 0; k < pieces.size(); ++k)
    {
        const Position at = pieceAt(k, x, y);
        pieces[k].draw(at.x, at.y, mirror, scale);
    }
}

Position FrameTextureData::pieceAt(std::size_t k, int x, int y) const
{
    switch (k)
    {
    case 0:
        return {x, y};
    case 1:
        return {x + panelWidth, y};
    case 2:
        return {x + panelWidth, y + int(textureHeight) - borderSize};
    default:
        return {x + int(textureWidth) - borderSize, y};
    }
}

} // namespace OpenGL
} // namespace VideoEngine
