#include "savegame/SharedPictures.hpp"

namespace SaveGame
{

char SharedPictures::helperKey;

std::shared_ptr<VideoEngine::OpenGL::FastTextureData>
SharedPictures::picture(const std::string& fileName)
{
    auto found = pictures.find(fileName);
    if (found != pictures.end())
        return found->second;
    auto data = VideoEngine::OpenGL::sharedPicture(fileName);
    pictures.emplace(fileName, data);
    return data;
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

} // namespace SaveGame
