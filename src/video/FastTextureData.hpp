#pragma once

#include "video/TextureData.hpp"

#include <memory>
#include <string>

namespace VideoEngine
{
namespace OpenGL
{

// The drawable picture used for everything but frames. Owns its GL texture.
class FastTextureData : public TextureData
{
public:
    FastTextureData() = default;
    // Shared, never copied: see sharedPicture.
    FastTextureData(const FastTextureData&) = delete;
    FastTextureData& operator=(const FastTextureData&) = delete;
    ~FastTextureData() override;

    // Releases the old GL texture, fills the pixels, uploads.
    void loadFromBitmap(FIBITMAP* bitmap, int x, int y, int width, int height) override;
    // Releases the old GL texture; a non-empty name then loads and uploads.
    void loadFromFile(const std::string& fileName, int x, int y, int width, int height) override;

    // Both draw nothing while there is no GL texture (before a load, after a
    // failed one or an empty name). The scale is not used by drawPart.
    void drawPart(int sourceLeft, int sourceTop, int sourceRight, int sourceBottom, int destLeft,
                  int destTop, int destRight, int destBottom, bool mirror, float scale) override;
    void draw(int x, int y, bool mirror, float scale) override;
};

// The picture data of the file, shared with everyone who asked for the same
// file while anyone still holds it (one decoding, one GL texture); read and
// uploaded when nobody does. The cache holds no picture alive by itself.
// Loading errors pass on and leave nothing behind for that name.
std::shared_ptr<FastTextureData> sharedPicture(const std::string& fileName);

} // namespace OpenGL
} // namespace VideoEngine
