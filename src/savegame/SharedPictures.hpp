#pragma once
// The pictures met while reading one saved game, by file name. Every brick
// that shows the same file gets the same picture data (one GL texture, shared
// with the toolbar's pieces of that file too, see sharedPicture) and the same
// mask runs, the way stamped copies share theirs: tint, mirror, size and
// position stay in each brick. Nothing in the game changes a placed brick's
// picture data in place, so sharing never shows.
//
// The reading archive owns one of these for the length of a load (see
// forArchive), so the mask cache ends with the load.

#include "model/Mask.hpp"
#include "video/FastTextureData.hpp"

#include <map>
#include <memory>
#include <string>

namespace SaveGame
{

using GameLogic::PalaceBuild::Mask;

class SharedPictures
{
public:
    // The picture data of fileName, read and uploaded on its first request.
    // Loading errors pass on and leave nothing behind for that name.
    std::shared_ptr<VideoEngine::OpenGL::FastTextureData> picture(const std::string& fileName);

    // The mask of the picture read from its file name + ".mask" on its first
    // request; without a usable file its runs are null, as Mask::load leaves
    // them.
    const Mask& mask(const VideoEngine::OpenGL::ITextureData& picture);

    // The one instance belonging to the archive, made on first use and freed
    // with the archive.
    template <class Archive> static SharedPictures& forArchive(Archive& archive)
    {
        return archive.template get_helper<SharedPictures>(&helperKey);
    }

private:
    static char helperKey;

    std::map<std::string, std::shared_ptr<VideoEngine::OpenGL::FastTextureData>> pictures;
    std::map<std::string, Mask> masks;
};

} // namespace SaveGame
