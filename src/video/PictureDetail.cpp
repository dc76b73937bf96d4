// The run's picture detail: one number, set where the window's size is known.

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

void choosePictureDetail(int sceneWidth, int sceneHeight)
{
    detail = sceneWidth > 1024 || sceneHeight > 768 ? 2 : 1;
}

std::string detailedPictureFile(const std::string& fileName, int& pixelsPerUnit)
{
    pixelsPerUnit = 1;
    if (detail == 1 || fileName.compare(0, smallFolder.size(), smallFolder) != 0)
        return fileName;
    const std::string twin = largeFolder + fileName.substr(smallFolder.size());
    boost::system::error_code error;
    if (!boost::filesystem::is_regular_file(twin, error))
        return fileName;
    pixelsPerUnit = 2;
    return twin;
}

} // namespace OpenGL
} // namespace VideoEngine
