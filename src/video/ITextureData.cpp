#include "video/ITextureData.hpp"

#include "platform/GameLog.hpp"
#include "platform/Image.hpp"
#include "video/PictureDetail.hpp"

#include <FreeImage.h>
#include <set>
#include <stdexcept>
#include <vector>

namespace VideoEngine
{
namespace OpenGL
{
namespace
{

// Every picture read from BMP/ while it lives, to be read again when the
// detail changes. The list owns nothing.
std::set<ITextureData*>& held()
{
    static std::set<ITextureData*> pictures;
    return pictures;
}

} // namespace

void choosePictureDetail(int sceneWidth, int sceneHeight)
{
    if (!setPictureDetailFor(sceneWidth, sceneHeight))
        return;
    // A copy: each load notes its picture again.
    const std::vector<ITextureData*> pictures(held().begin(), held().end());
    for (ITextureData* picture : pictures)
    {
        // A picture without a twin (a banner) would come back the same.
        int wanted = 1;
        detailedPictureFile(picture->fileName, wanted);
        if (wanted == picture->pixelsPerUnit)
            continue;
        try
        {
            picture->reload();
        }
        catch (const std::exception& failure)
        {
            Platform::logLine("OpenGL", 30) << " " << failure.what() << Platform::endLine;
        }
    }
}

ITextureData::~ITextureData()
{
    held().erase(this);
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
    if (inGamePictures(fileName))
        held().insert(this);
    else
        held().erase(this);
}

void ITextureData::reload()
{
    loadFromFile(fileName, fileLeft, fileTop, fileWidth, fileHeight);
}

} // namespace OpenGL
} // namespace VideoEngine
