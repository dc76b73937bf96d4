// Reading picture files through FreeImage, and texture sizes.

#include "video/Image.hpp"

#include <FreeImage.h>
#include <stdexcept>

namespace VideoEngine
{
namespace OpenGL
{

void BitmapDeleter::operator()(FIBITMAP* bitmap) const
{
    FreeImage_Unload(bitmap);
}

BitmapPtr loadImage(const std::string& fileName, int flags)
{
    FREE_IMAGE_FORMAT format = FreeImage_GetFileType(fileName.c_str(), 0);
    if (format == FIF_UNKNOWN)
        format = FreeImage_GetFIFFromFilename(fileName.c_str());
    if (format == FIF_UNKNOWN || !FreeImage_FIFSupportsReading(format))
        return nullptr;
    return BitmapPtr(FreeImage_Load(format, fileName.c_str(), flags));
}

std::uint32_t nextPowerOfTwo(std::uint32_t value)
{
    for (std::uint32_t candidate = 2; candidate <= 65536; candidate *= 2)
    {
        if (candidate >= value)
            return candidate;
    }
    throw std::invalid_argument("Too large");
}

} // namespace OpenGL
} // namespace VideoEngine
