#pragma once
// Where the level keeps its one saved scene. The level knows only this
// interface; the saved-game layer above it provides the file, and the run
// that creates the level hands it in.

#include "content/ImageManager.hpp"
#include "video/FastTextureData.hpp"
#include "video/FrameTextureData.hpp"
#include "video/Texture.hpp"

namespace GameLogic
{
namespace PalaceBuild
{

class Palace;

using BackgroundCatalogue =
    ImageManager<VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FastTextureData>>;
using FrameCatalogue =
    ImageManager<VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FrameTextureData>>;

class SceneStore
{
public:
    virtual ~SceneStore() = default;

    // Keeps the palace, the current background and the current frame,
    // without ever destroying what was kept before. Throws on failure.
    virtual void save(const Palace& palace, const BackgroundCatalogue& backgrounds,
                      const FrameCatalogue& frames) = 0;

    // Reads the kept scene into the palace and the catalogues, in place.
    // Throws on any failure; what was read before the failure stays.
    virtual void load(Palace& palace, BackgroundCatalogue& backgrounds, FrameCatalogue& frames) = 0;
};

} // namespace PalaceBuild
} // namespace GameLogic
