#pragma once
// How each class of the saved game is written and read, as non-intrusive
// Boost.Serialization functions. The order of the fields is the file's
// layout: changing it makes older saved games unreadable. Every class has
// version 0 and the library's default tracking, so only bricks (written
// through pointers) carry object identifiers.
//
// Reading checks what a damaged file could make harmful: a picture name must
// name a picture file below the game folder, sizes, tints and coordinates
// must lie in their ranges, and the pile holds no empty or repeated brick.
// A failed check throws std::runtime_error. A missing picture is damage too,
// unless the reading allows stand-ins (see SharedPictures).

#include "content/ImageManager.hpp"
#include "model/Brick.hpp"
#include "model/Palace.hpp"
#include "savegame/SharedPictures.hpp"
#include "video/ColorChanger.hpp"
#include "video/FastTextureData.hpp"
#include "video/Position.hpp"
#include "video/Rectangl.hpp"
#include "video/Texture.hpp"

#include <boost/serialization/list.hpp>
#include <boost/serialization/shared_ptr.hpp>
#include <boost/serialization/split_free.hpp>
#include <boost/serialization/string.hpp>
#include <boost/version.hpp>

#include <cstdint>
#include <list>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

namespace SaveGame
{
using GameLogic::PalaceBuild::Brick;
using GameLogic::PalaceBuild::Palace;

// The palace's private pile, reached only by its saving and loading.
struct PalaceFields
{
    static const std::list<std::shared_ptr<Brick>>& pile(const Palace& palace)
    {
        return palace.pile;
    }
    static std::list<std::shared_ptr<Brick>>& pile(Palace& palace) { return palace.pile; }
    static std::shared_ptr<Brick>& chosen(Palace& palace) { return palace.chosen; }
};

namespace SavedGameChecks
{

// Throws unless fileName names a file in one of the game's picture folders
// (BMP/palace/, BMP/decoration/, BMP/person/, BMP/background/ or
// BMP/frame/, own/palace/, own/decoration/ or own/person/): a saved game
// may only point at the game's pictures (never at a device, a pipe or any
// other file). Whether the file is there is SharedPictures' to find.
void checkPictureName(const std::string& fileName);

// Throws unless the loaded picture's tint, tint step and size step are values
// the game itself can produce.
void checkPicture(
    const VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FastTextureData>& picture);

// Throws unless every coordinate of a brick's rectangles is within reach of
// the screen, so no later arithmetic on it can overflow.
void checkPlacement(VideoEngine::OpenGL::Rectangl screenRect,
                    VideoEngine::OpenGL::Rectangl sourceRect);

// Throws when the pile holds an empty pointer or one brick twice.
void checkPile(const Palace& palace);

} // namespace SavedGameChecks
} // namespace SaveGame

namespace boost
{
namespace serialization
{

template <class Archive>
void serialize(Archive& archive, VideoEngine::OpenGL::Position& position, unsigned)
{
    archive& position.x& position.y;
}

template <class Archive>
void serialize(Archive& archive, VideoEngine::OpenGL::Rectangl& rect, unsigned)
{
    archive& rect.left& rect.top& rect.right& rect.bottom;
}

template <class Archive>
void serialize(Archive& archive, VideoEngine::OpenGL::ColorChanger& colorChanger, unsigned)
{
    archive& colorChanger.step;
}

template <class Archive>
void save(Archive& archive,
          const VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FastTextureData>& picture,
          unsigned)
{
    const std::string fileName = picture.data ? picture.data->fileName : std::string();
    archive << picture.red << picture.green << picture.blue << fileName << picture.position
            << picture.mirror << picture.colorChanger << picture.size;
}

// Points the texture at the picture data of the stored file name, shared with
// every other picture of that file read by the same load; the tint factors
// are taken as stored.
template <class Archive>
void load(Archive& archive,
          VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FastTextureData>& picture, unsigned)
{
    std::string fileName;
    archive >> picture.red >> picture.green >> picture.blue >> fileName;
    SaveGame::SavedGameChecks::checkPictureName(fileName);
    picture.data = SaveGame::SharedPictures::forArchive(archive).picture(fileName);
    archive >> picture.position >> picture.mirror >> picture.colorChanger >> picture.size;
    SaveGame::SavedGameChecks::checkPicture(picture);
}

template <class Archive>
void serialize(Archive& archive,
               VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FastTextureData>& picture,
               unsigned version)
{
    split_free(archive, picture, version);
}

template <class Archive>
void save(Archive& archive, const GameLogic::PalaceBuild::Brick& brick, unsigned)
{
    archive << brick.clipped() << brick.picture() << brick.screenRect() << brick.sourceRect();
}

// Reads the brick, then takes the mask of its picture's ".mask" file, read
// once per load and shared like the picture data. A brick whose picture is
// missing shows a stand-in of its stored picture size (sourceRect reaches to
// the picture's right and bottom edges, clipped or not), without a mask.
//
// Bricks are only ever read through the pile's shared pointers, so the brick
// lives in storage the library allocated with operator new and constructed.
// When reading it fails, the library neither destroys nor frees that brick
// (nothing owns it yet), so this function does both before passing the
// failure on. That is how Boost 1.74 behaves; the build stops for any other
// version until this has been checked against it (the saved-game fuzz
// target, built with AddressSanitizer, shows a double free or a leak).
#if BOOST_VERSION != 107400
#error                                                                                             \
    "load(Brick) frees a half-read brick as Boost 1.74 requires: check it against this Boost version (run the saved-game fuzz target), then update this check"
#endif
template <class Archive> void load(Archive& archive, GameLogic::PalaceBuild::Brick& brick, unsigned)
{
    try
    {
        bool clipped = false;
        GameLogic::PalaceBuild::Brick::Picture picture;
        VideoEngine::OpenGL::Rectangl screenRect;
        VideoEngine::OpenGL::Rectangl sourceRect;
        archive >> clipped >> picture >> screenRect >> sourceRect;
        SaveGame::SavedGameChecks::checkPlacement(screenRect, sourceRect);
        SaveGame::SharedPictures& pictures = SaveGame::SharedPictures::forArchive(archive);
        GameLogic::PalaceBuild::Mask mask;
        if (pictures.missing(*picture.data))
        {
            picture.data = pictures.standIn(picture.data->fileName, sourceRect.right,
                                            sourceRect.bottom, picture.mirror);
            // Hit by its rectangle.
            mask.runs.reset();
        }
        else
            mask = pictures.mask(*picture.data);
        brick = GameLogic::PalaceBuild::Brick(std::move(picture), screenRect, sourceRect, clipped,
                                              std::move(mask));
    }
    catch (...)
    {
        brick.~Brick();
        ::operator delete(&brick);
        throw;
    }
}

template <class Archive>
void serialize(Archive& archive, GameLogic::PalaceBuild::Brick& brick, unsigned version)
{
    split_free(archive, brick, version);
}

template <class Archive>
void save(Archive& archive, const GameLogic::PalaceBuild::Palace& palace, unsigned)
{
    archive << SaveGame::PalaceFields::pile(palace) << palace.reserved;
}

// Replaces the pile, topmost brick first, and selects the topmost brick;
// defaultSize stays.
template <class Archive>
void load(Archive& archive, GameLogic::PalaceBuild::Palace& palace, unsigned)
{
    auto& pile = SaveGame::PalaceFields::pile(palace);
    auto& chosen = SaveGame::PalaceFields::chosen(palace);
    chosen.reset();
    pile.clear();
    archive >> pile;
    SaveGame::SavedGameChecks::checkPile(palace);
    if (!pile.empty())
        chosen = pile.front();
    archive >> palace.reserved;
}

template <class Archive>
void serialize(Archive& archive, GameLogic::PalaceBuild::Palace& palace, unsigned version)
{
    split_free(archive, palace, version);
}

// A catalogue is kept as the path of its current picture only.
template <class Archive, class T>
void save(Archive& archive, const GameLogic::PalaceBuild::ImageManager<T>& catalogue, unsigned)
{
    archive << catalogue.currentFile();
}

// Makes the stored picture current again, or the first one when the
// catalogue no longer lists it.
template <class Archive, class T>
void load(Archive& archive, GameLogic::PalaceBuild::ImageManager<T>& catalogue, unsigned)
{
    std::string path;
    archive >> path;
    catalogue.select(path);
}

template <class Archive, class T>
void serialize(Archive& archive, GameLogic::PalaceBuild::ImageManager<T>& catalogue,
               unsigned version)
{
    split_free(archive, catalogue, version);
}

} // namespace serialization
} // namespace boost
