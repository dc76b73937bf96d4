#pragma once

#include <cstdint>
#include <string>

struct FIBITMAP;

namespace VideoEngine
{
namespace OpenGL
{

// A picture held for drawing: its sizes, the file it came from, and how it is
// loaded and drawn.
class ITextureData
{
public:
    virtual ~ITextureData() = default;

    // Takes the region (x, y, width, height) of the bitmap; a width or height
    // below 1 stands for the whole picture. The caller keeps the bitmap.
    virtual void loadFromBitmap(FIBITMAP* bitmap, int x, int y, int width, int height) = 0;

    // Reads the file and loads the region from it. Throws std::invalid_argument
    // "Unable to load <fileName>" when the file cannot be read; fileName
    // changes only after a successful load.
    virtual void loadFromFile(const std::string& fileName, int x, int y, int width, int height);

    // Draws the source rectangle (picture pixels) into the destination
    // rectangle (logical units).
    virtual void drawPart(int sourceLeft, int sourceTop, int sourceRight, int sourceBottom,
                          int destLeft, int destTop, int destRight, int destBottom, bool mirror,
                          float scale) = 0;

    // Draws the whole picture with its top-left corner at (x, y).
    virtual void draw(int x, int y, bool mirror, float scale) = 0;

    std::uint32_t textureHeight = 0;
    std::uint32_t textureWidth = 0;
    std::uint32_t imageHeight = 0;
    std::uint32_t imageWidth = 0;
    std::string fileName;

    // Changes whenever the pixels may change (every load), so
    // that a drawing kept from them can tell it is out of date.
    std::uint64_t generation = nextGeneration();

protected:
    // A number never handed out before.
    static std::uint64_t nextGeneration();
};

} // namespace OpenGL
} // namespace VideoEngine
