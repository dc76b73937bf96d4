#pragma once
// Reading picture files through FreeImage, with the bitmap owned by a smart
// pointer.

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

// Reads a picture, recognising its format by content, else by the file name's
// extension. Returns null when the format is unknown or cannot be read, or
// the file cannot be loaded.
BitmapPtr loadImage(const std::string& fileName, int flags);

// What a picture's header tells without decoding its pixels.
struct ImageHeader
{
    unsigned width = 0;
    unsigned height = 0;
    unsigned bitsPerPixel = 0;
};

// Reads only the picture's header, as loadImage recognises it. False when the
// file cannot be read as a picture; header is then unchanged.
bool readImageHeader(const std::string& fileName, ImageHeader& header);

} // namespace Platform
