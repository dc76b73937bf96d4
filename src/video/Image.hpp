#pragma once
// Reading picture files through FreeImage.

#include <cstdint>
#include <memory>
#include <string>

struct FIBITMAP;

namespace VideoEngine
{
namespace OpenGL
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

// The smallest power of two from 2 to 65536 that is not below value; throws
// std::invalid_argument "Too large" above 65536.
std::uint32_t nextPowerOfTwo(std::uint32_t value);

} // namespace OpenGL
} // namespace VideoEngine
