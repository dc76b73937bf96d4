#pragma once
// Reading picture files through FreeImage, with the bitmap owned by a smart
// pointer. Every picture file is read the same careful way: opened without
// blocking, a regular file only, of a bounded size, its format told by its
// content and its header checked before any pixel is decoded, so that no
// file a family puts in a folder can hang the game, exhaust its memory or
// throw out of a reader.

#include <cstdint>
#include <memory>
#include <string>

struct FIBITMAP;

namespace Platform
{

struct BitmapDeleter
{
    void operator()(FIBITMAP* bitmap) const;
};

// A FreeImage bitmap, unloaded when the pointer goes.
using BitmapPtr = std::unique_ptr<FIBITMAP, BitmapDeleter>;

// What a picture file may be.
struct PictureRules
{
    // JPEG is read besides PNG and BMP.
    bool jpeg;
    // Only 24 or 32 bits a pixel, at most largestWidth x largestHeight.
    bool limited;
    unsigned largestWidth;
    unsigned largestHeight;
    std::uint64_t largestFileBytes;
};

// A file a family can put in a folder (own pictures, gallery thumbnails,
// pictures a palace names): PNG or BMP, 24 or 32 bits a pixel, at most
// 1024 x 768, in a file of at most 4 MiB (a 1024 x 768 BMP of 32 bits is
// 3 MiB; a PNG of it hardly more).
constexpr PictureRules familyPicture{false, true, 1024, 768, std::uint64_t(4) << 20};

// The game's own pictures, made by the build: JPEG too, of any size and
// depth the decoder gives (the textures check those), in a file of at most
// 64 MiB.
constexpr PictureRules gamePicture{true, false, 0, 0, std::uint64_t(64) << 20};

// What a picture's header tells without decoding its pixels.
struct ImageHeader
{
    unsigned width = 0;
    unsigned height = 0;
    unsigned bitsPerPixel = 0;
};

// Reads only the picture's header under the rules. Returns the empty string
// and fills header, or why the file is refused ("it is not a regular file",
// "it is larger than 1024x768", "it cannot be read (...)"), header then
// unchanged. Never throws but std::bad_alloc.
std::string readImageHeader(const std::string& fileName, const PictureRules& rules,
                            ImageHeader& header);

// Reads and decodes the picture under the rules. Returns the bitmap, or null
// with why set to the reason it is refused, as readImageHeader gives it.
// Never throws but std::bad_alloc.
BitmapPtr loadImage(const std::string& fileName, const PictureRules& rules, std::string& why);

} // namespace Platform
