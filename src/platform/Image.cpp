#include "platform/Image.hpp"

#include <FreeImage.h>

namespace Platform
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

bool readImageHeader(const std::string& fileName, ImageHeader& header)
{
    const BitmapPtr bitmap = loadImage(fileName, FIF_LOAD_NOPIXELS);
    if (!bitmap)
        return false;
    header.width = FreeImage_GetWidth(bitmap.get());
    header.height = FreeImage_GetHeight(bitmap.get());
    header.bitsPerPixel = FreeImage_GetBPP(bitmap.get());
    return true;
}

} // namespace Platform
