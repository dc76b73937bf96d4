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

void skip(const std::string& file, const std::string& why)
{
    Platform::logLine("PalaceBuild", 790)
        << " Own picture " << file << " skipped: " << why << Platform::endLine;
}

// Why the picture cannot be used, or the empty string when it can. Its mask
// is written here: a picture whose mask is fresh decoded well before and is
// unchanged since, so only its header is read again.
std::string refusal(const std::string& file)
{
    Platform::ImageHeader header;
    std::string why = Platform::readImageHeader(file, Platform::familyPicture, header);
    if (!why.empty() || VideoEngine::OpenGL::maskIsFresh(file))
        return why;
    const Platform::BitmapPtr bitmap = Platform::loadImage(file, Platform::familyPicture, why);
    if (!bitmap)
        return why;
    try
    {
        VideoEngine::OpenGL::prepareMask(file, bitmap.get());
    }
    catch (const std::exception&)
    {
        // Gone or replaced since it was read.
        return "it cannot be read";
    }
    return "";
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
    try
    {
        listEntries(path, files, "[^.].*");
    }
    catch (const std::exception& failure)
    {
        skip(path, std::string("it cannot be read (") + failure.what() + ")");
        return rows;
    }
    const boost::regex named(".*/[1-3]\\..+\\.(png|bmp)");
    for (const std::string& file : files)
    {
        if (file.find(".mask") != std::string::npos)
            continue;
        if (!boost::regex_match(file, named))
            skip(file, "it is not named <row 1, 2 or 3>.<name>.png or .bmp");
        else if (const std::string why = refusal(file); !why.empty())
            skip(file, why);
        else
            rows[file[path.size() + 1] - '1'].push_back(file);
    }
    return rows;
}

} // namespace PalaceBuild
} // namespace GameLogic
