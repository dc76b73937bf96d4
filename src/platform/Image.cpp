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

} // namespace Platform
