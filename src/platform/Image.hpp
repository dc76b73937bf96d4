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

} // namespace Platform
