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
// Chooses the detail of pictures for a scene drawn at sceneWidth x
// sceneHeight pixels (see PictureDetail.hpp). When it changes, every picture
// of BMP/ still held is read again at the new one, in place (its generation
// changes); one that cannot be read keeps its pixels and is logged. Needs the
// GL context when any picture is held.
void choosePictureDetail(int sceneWidth, int sceneHeight);

class ITextureData
{
public:
    ITextureData() = default;
    ITextureData(const ITextureData&) = delete;
    ITextureData& operator=(const ITextureData&) = delete;
    virtual ~ITextureData();

    // Takes the region (x, y, width, height) of the bitmap; a width or height
    // below 1 stands for the whole picture. The caller keeps the bitmap.
    virtual void loadFromBitmap(FIBITMAP* bitmap, int x, int y, int width, int height) = 0;

    // Reads the file and loads the region (in units) from it: the file's
    // twin of twice the size where the run's detail asks for it (see
    // PictureDetail), its sizes still in the file's own units. Throws
    // std::invalid_argument "Unable to load <fileName>" when the file cannot
    // be read; fileName changes only after a successful load.
    virtual void loadFromFile(const std::string& fileName, int x, int y, int width, int height);

    // Reads the file of the last successful loadFromFile again, with its
    // region, at the detail asked for now. Throws as loadFromFile does,
    // the pictures kept as they were.
    void reload();

    // Draws the whole picture with its top-left corner at (x, y).
    virtual void draw(int x, int y, bool mirror, float scale) = 0;

    std::uint32_t textureHeight = 0;
    std::uint32_t textureWidth = 0;
    std::uint32_t imageHeight = 0;
    std::uint32_t imageWidth = 0;
    std::string fileName;
    // Bitmap pixels per unit of the sizes above, for the next loadFromBitmap
    // and since the last: 1, or 2 for a twin of twice the size.
    int pixelsPerUnit = 1;

    // Changes whenever the pixels may change (every load), so
    // that a drawing kept from them can tell it is out of date.
    std::uint64_t generation = nextGeneration();

protected:
    // A number never handed out before.
    static std::uint64_t nextGeneration();

private:
    // The region of the last successful loadFromFile.
    int fileLeft = 0;
    int fileTop = 0;
    int fileWidth = 0;
    int fileHeight = 0;
};

} // namespace OpenGL
} // namespace VideoEngine
