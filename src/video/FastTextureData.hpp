#pragma once

#include "video/TextureData.hpp"

#include <array>
#include <memory>
#include <string>

namespace VideoEngine
{
namespace OpenGL
{

// One corner of a drawn picture: texture coordinates, then logical position.
struct QuadCorner
{
    float s, t, x, y;
};

// A drawn picture's corners: top left, top right, bottom right, bottom left.
using Quad = std::array<QuadCorner, 4>;

// Sends the quad as the two triangles A, B, C and C, D, A; call between
// glBegin(GL_TRIANGLES) and glEnd.
void sendQuad(const Quad& quad);

// The drawable picture used for everything but frames. Owns its GL texture.
class FastTextureData : public TextureData
{
public:
    FastTextureData() = default;
    // Shared, never copied: see sharedPicture.
    FastTextureData(const FastTextureData&) = delete;
    FastTextureData& operator=(const FastTextureData&) = delete;
    ~FastTextureData() override;

    // Releases the old GL texture, fills the pixels, uploads them and lets
    // them go.
    void loadFromBitmap(FIBITMAP* bitmap, int x, int y, int width, int height) override;
    // An empty name releases the GL texture; any other loads and uploads,
    // and keeps the old texture when the file cannot be read.
    void loadFromFile(const std::string& fileName, int x, int y, int width, int height) override;

    // Both draw nothing while there is no GL texture (before a load, after a
    // failed first one or an empty name). drawPart draws the source rectangle
    // (picture pixels) into the destination rectangle (logical units).
    void drawPart(int sourceLeft, int sourceTop, int sourceRight, int sourceBottom, int destLeft,
                  int destTop, int destRight, int destBottom, bool mirror);
    void draw(int x, int y, bool mirror, float scale) override;

    // The quads drawPart and draw send; false, with nothing set, while there
    // is no GL texture.
    bool partQuad(int sourceLeft, int sourceTop, int sourceRight, int sourceBottom, int destLeft,
                  int destTop, int destRight, int destBottom, bool mirror, Quad& quad) const;
    bool wholeQuad(int x, int y, bool mirror, float scale, Quad& quad) const;
};

// The picture data of the file, shared with everyone who asked for the same
// file while anyone still holds it (one decoding, one GL texture); read and
// uploaded when nobody does. The cache holds no picture alive by itself.
// Loading errors pass on and leave nothing behind for that name.
std::shared_ptr<FastTextureData> sharedPicture(const std::string& fileName);

} // namespace OpenGL
} // namespace VideoEngine
