#include "content/OwnPictures.hpp"

#include "content/PictureListing.hpp"
#include "platform/GameLog.hpp"
#include "platform/Image.hpp"
#include "video/MaskFile.hpp"

#include <boost/filesystem.hpp>
#include <boost/regex.hpp>

namespace GameLogic
{
namespace PalaceBuild
{
namespace
{

void skip(const std::string& file, const char* why)
{
    Platform::logLine("PalaceBuild", 790)
        << " Own picture " << file << " skipped: " << why << Platform::endLine;
}

// Why the picture cannot be used, or null when it can. Its mask is written
// here: a picture whose mask is fresh decoded well before and is unchanged
// since, so only its header is read again.
const char* refusal(const std::string& file)
{
    Platform::ImageHeader header;
    if (!Platform::readImageHeader(file, header))
        return "it cannot be read";
    if (header.bitsPerPixel != 24 && header.bitsPerPixel != 32)
        return "it cannot be read (24 or 32 bits a pixel are needed)";
    if (header.width > largestOwnWidth || header.height > largestOwnHeight)
        return "it is larger than 1024x768";
    if (VideoEngine::OpenGL::maskIsFresh(file))
        return nullptr;
    const Platform::BitmapPtr bitmap = Platform::loadImage(file, 0);
    if (!bitmap)
        return "it cannot be read";
    VideoEngine::OpenGL::prepareMask(file, bitmap.get());
    return nullptr;
}

} // namespace

std::vector<std::vector<std::string>> ownPictures(const std::string& folder)
{
    std::vector<std::vector<std::string>> rows(3);
    const std::string path = "own/" + folder;
    boost::system::error_code error;
    if (!boost::filesystem::is_directory(path, error))
        return rows;
    std::vector<std::string> files;
    listPictures(path, files, "[^.].*");
    const boost::regex named(".*/[1-3]\\..+\\.(png|bmp)");
    for (const std::string& file : files)
    {
        if (file.find(".mask") != std::string::npos)
            continue;
        if (!boost::regex_match(file, named))
            skip(file, "it is not named <row 1, 2 or 3>.<name>.png or .bmp");
        else if (const char* why = refusal(file))
            skip(file, why);
        else
            rows[file[path.size() + 1] - '1'].push_back(file);
    }
    return rows;
}

} // namespace PalaceBuild
} // namespace GameLogic
