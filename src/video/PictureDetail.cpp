// The picture detail, and the pictures of BMP/ held at it. Invariant: every
// picture in the list lives and was last read from a file of BMP/.

#include "video/PictureDetail.hpp"

#include "platform/GameLog.hpp"
#include "video/ITextureData.hpp"

#include <boost/filesystem.hpp>
#include <boost/system/error_code.hpp>
#include <set>
#include <stdexcept>
#include <vector>

namespace VideoEngine
{
namespace OpenGL
{
namespace
{

int detail = 1;

const std::string smallFolder = "BMP/";
const std::string largeFolder = "BMP2x/";

std::set<ITextureData*>& held()
{
    static std::set<ITextureData*> pictures;
    return pictures;
}

bool inSmallFolder(const std::string& fileName)
{
    return fileName.compare(0, smallFolder.size(), smallFolder) == 0;
}

} // namespace

void choosePictureDetail(int sceneWidth, int sceneHeight)
{
    const int chosen = sceneWidth > 1024 || sceneHeight > 768 ? 2 : 1;
    if (chosen == detail)
        return;
    detail = chosen;
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

std::string detailedPictureFile(const std::string& fileName, int& pixelsPerUnit)
{
    pixelsPerUnit = 1;
    if (detail == 1 || !inSmallFolder(fileName))
        return fileName;
    const std::string twin = largeFolder + fileName.substr(smallFolder.size());
    boost::system::error_code error;
    if (!boost::filesystem::is_regular_file(twin, error))
        return fileName;
    pixelsPerUnit = 2;
    return twin;
}

const Platform::PictureRules& pictureRules(const std::string& fileName)
{
    const bool ours =
        inSmallFolder(fileName) || fileName.compare(0, largeFolder.size(), largeFolder) == 0;
    return ours ? Platform::gamePicture : Platform::familyPicture;
}

void notePictureFile(ITextureData& picture)
{
    if (inSmallFolder(picture.fileName))
        held().insert(&picture);
    else
        held().erase(&picture);
}

void forgetPictureFile(ITextureData& picture)
{
    held().erase(&picture);
}

} // namespace OpenGL
} // namespace VideoEngine
