#pragma once

#include "video/ITextureData.hpp"

#include <cstdint>
#include <memory>

namespace VideoEngine
{
namespace OpenGL
{

// A picture as padded RGBA rows in memory
// plus the GL texture made from them. The GL texture is deleted only by
// releaseTexture.
class TextureData : public ITextureData
{
public:
    static constexpr std::uint32_t noTexture = 0xFFFFFFFF;

    TextureData() = default;
    TextureData(const TextureData&) = delete;
    TextureData& operator=(const TextureData&) = delete;

    // Converts the region (bitmap pixels) into a new power-of-two RGBA
    // buffer, its sizes pixelsPerUnit times the units kept. Throws
    // std::invalid_argument "Bad image format" for depths other than 24 and 32
    // bits (sizes set, buffer zeroed), "Too large" for sizes above 65536 and
    // "Region outside the picture" (both leaving the data unchanged).
    void loadFromBitmap(FIBITMAP* bitmap, int x, int y, int width, int height) override;

    // textureWidth x textureHeight x 4 bytes (each size times pixelsPerUnit),
    // top row first, red green blue
    // alpha; zero outside the picture. Null before the first load, and once
    // a drawable picture has uploaded them.
    std::shared_ptr<std::uint8_t[]> pixels;
    std::uint32_t textureId = noTexture;
    // Every pixel of the picture has full alpha: drawn whole and untinted, it
    // hides what lies under it, and blending can be left off.
    bool opaque = false;

protected:
    // Creates the GL texture from pixels when none exists; never sends pixels
    // to an existing texture. Keeps the caller's texture binding. Throws
    // std::runtime_error, leaving no texture, when the GL refuses the pixels
    // (for instance a size above its maximum).
    void upload();
    // Deletes the GL texture, if any.
    void releaseTexture();
};

} // namespace OpenGL
} // namespace VideoEngine
