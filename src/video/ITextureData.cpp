#include "video/ITextureData.hpp"

#include "platform/Image.hpp"
#include "video/PictureDetail.hpp"

#include <FreeImage.h>
#include <stdexcept>

namespace VideoEngine
{
namespace OpenGL
{

ITextureData::~ITextureData()
{
    forgetPictureFile(*this);
}

std::uint64_t ITextureData::nextGeneration()
{
    static std::uint64_t last = 0;
    return ++last;
}

void ITextureData::loadFromFile(const std::string& name, int x, int y, int width, int height)
{
    int detail = 1;
    const std::string file = detailedPictureFile(name, detail);
    std::string why;
    Platform::BitmapPtr bitmap = Platform::loadImage(file, pictureRules(file), why);
    // A twin that cannot be read, or of an odd size, is no twin: the picture
    // itself serves.
    if (detail > 1 && (!bitmap || FreeImage_GetWidth(bitmap.get()) % detail != 0 ||
                       FreeImage_GetHeight(bitmap.get()) % detail != 0))
    {
        detail = 1;
        bitmap = Platform::loadImage(name, pictureRules(name), why);
    }
    if (!bitmap)
        throw std::invalid_argument("Unable to load " + name);
    pixelsPerUnit = detail;
    loadFromBitmap(bitmap.get(), x * detail, y * detail, width * detail, height * detail);
    fileName = name;
    fileLeft = x;
    fileTop = y;
    fileWidth = width;
    fileHeight = height;
    notePictureFile(*this);
}

void ITextureData::reload()
{
    loadFromFile(fileName, fileLeft, fileTop, fileWidth, fileHeight);
}

} // namespace OpenGL
} // namespace VideoEngine
