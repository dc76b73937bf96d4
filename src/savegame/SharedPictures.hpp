#pragma once
// The pictures met while reading one saved game, by file name. Every brick
// that shows the same file gets the same picture data (one GL texture, shared
// with the toolbar's pieces of that file too, see sharedPicture) and the same
// mask runs, the way stamped copies share theirs: tint, mirror, size and
// position stay in each brick. Nothing in the game changes a placed brick's
// picture data in place, so sharing never shows.
//
// A picture that is missing, or cannot be read, is damage; or, where the
// reading allows stand-ins (the gallery's palaces), a stand-in of the size
// the brick stored, so that the palace still opens and keeps the name of
// the picture, which shows again once it is back.
//
// The reading archive owns one of these for the length of a load (see
// forArchive), so the mask cache ends with the load.

#include "model/Mask.hpp"
#include "video/FastTextureData.hpp"

#include <map>
#include <memory>
#include <string>
#include <tuple>

namespace SaveGame
{

using GameLogic::PalaceBuild::Mask;

class SharedPictures
{
public:
    // Whether a missing picture gives a stand-in; false until set.
    bool standIns = false;

    // The picture data of fileName, read and uploaded on its first request.
    // Without a regular file of that name, or one that cannot be read, it
    // throws std::invalid_argument "Unable to load <fileName>", leaving
    // nothing behind; with stand-ins it returns a placeholder instead, data
    // without a picture that carry the name until standIn replaces them.
    // Other loading errors pass on.
    std::shared_ptr<VideoEngine::OpenGL::FastTextureData> picture(const std::string& fileName);

    // Whether the data are a placeholder of this load.
    bool missing(const VideoEngine::OpenGL::ITextureData& picture) const;
    // The stand-in of the missing picture at width x height units, shared
    // by every brick of that name, size and mirroring. Throws as
    // standInPicture does, and std::runtime_error once the stand-ins of
    // one load would cover more than largestStandInArea square units.
    std::shared_ptr<VideoEngine::OpenGL::FastTextureData>
    standIn(const std::string& fileName, int width, int height, bool mirrored);

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

    // Far more than the pictures of any palace a child builds.
    static constexpr long largestStandInArea = 4L << 20;

private:
    static char helperKey;

    long standInArea = 0;

    std::map<std::string, std::shared_ptr<VideoEngine::OpenGL::FastTextureData>> pictures;
    std::map<std::string, Mask> masks;
    std::map<std::string, std::shared_ptr<VideoEngine::OpenGL::FastTextureData>> placeholders;
    std::map<std::tuple<std::string, int, int, bool>,
             std::shared_ptr<VideoEngine::OpenGL::FastTextureData>>
        standInsMade;
};

} // namespace SaveGame
