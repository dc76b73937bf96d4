// The picture detail, and the pictures of BMP/ held at it. Invariant: every
// picture in the list lives and was last read from a file of BMP/.

#include "video/PictureDetail.hpp"


#include <boost/filesystem.hpp>
#include <boost/system/error_code.hpp>

namespace VideoEngine
{
namespace OpenGL
{
namespace
{

int detail = 1;

const std::string smallFolder = "BMP/";
const std::string largeFolder = "BMP2x/";

} // namespace

bool inGamePictures(const std::string& fileName)
{
    return fileName.compare(0, smallFolder.size(), smallFolder) == 0;
}

bool setPictureDetailFor(int sceneWidth, int sceneHeight)
{
    const int chosen = sceneWidth > 1024 || sceneHeight > 768 ? 2 : 1;
    if (chosen == detail)
        return false;
    detail = chosen;
    return true;
}

std::string detailedPictureFile(const std::string& fileName, int& pixelsPerUnit)
{
    pixelsPerUnit = 1;
    if (detail == 1 || !inGamePictures(fileName))
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
        inGamePictures(fileName) || fileName.compare(0, largeFolder.size(), largeFolder) == 0;
    return ours ? Platform::gamePicture : Platform::familyPicture;
}

} // namespace OpenGL
} // namespace VideoEngine
