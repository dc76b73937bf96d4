#include "savegame/SharedPictures.hpp"

#include "video/StandInPicture.hpp"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

namespace SaveGame
{

char SharedPictures::helperKey;

std::shared_ptr<VideoEngine::OpenGL::FastTextureData>
SharedPictures::picture(const std::string& fileName)
{
    auto found = pictures.find(fileName);
    if (found != pictures.end())
        return found->second;
    found = placeholders.find(fileName);
    if (found != placeholders.end())
        return found->second;
    // Only a plain file is read: a pipe or a device of that name could block.
    std::error_code error;
    try
    {
        if (!std::filesystem::is_regular_file(fileName, error))
            throw std::invalid_argument("Unable to load " + fileName);
        auto data = VideoEngine::OpenGL::sharedPicture(fileName);
        pictures.emplace(fileName, data);
        return data;
    }
    catch (const std::invalid_argument&)
    {
        if (!standIns)
            throw;
    }
    auto placeholder = std::make_shared<VideoEngine::OpenGL::FastTextureData>();
    placeholder->fileName = fileName;
    placeholders.emplace(fileName, placeholder);
    return placeholder;
}

const Mask& SharedPictures::mask(const VideoEngine::OpenGL::ITextureData& picture)
{
    auto found = masks.find(picture.fileName);
    if (found == masks.end())
    {
        found = masks.emplace(picture.fileName, Mask()).first;
        found->second.load(picture.fileName + ".mask", picture.imageWidth, picture.imageHeight);
    }
    return found->second;
}

bool SharedPictures::missing(const VideoEngine::OpenGL::ITextureData& picture) const
{
    const auto found = placeholders.find(picture.fileName);
    return found != placeholders.end() && found->second.get() == &picture;
}

std::shared_ptr<VideoEngine::OpenGL::FastTextureData>
SharedPictures::standIn(const std::string& fileName, int width, int height, bool mirrored)
{
    auto& made = standInsMade[std::make_tuple(fileName, width, height, mirrored)];
    if (made)
        return made;
    standInArea += long(std::max(width, 0)) * std::max(height, 0);
    if (standInArea > largestStandInArea)
        throw std::runtime_error("Damaged saved game: too many missing pictures");
    made = VideoEngine::OpenGL::standInPicture(fileName, width, height, mirrored);
    return made;
}

} // namespace SaveGame
