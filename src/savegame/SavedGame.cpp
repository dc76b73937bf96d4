// Writing and reading the saved game. The archive is built in memory and
// handed to the platform layer, which replaces the file atomically; reading
// takes the whole file into memory first (a saved game is small) and reads it
// through the bounded archive.

#include "savegame/SavedGame.hpp"

#include "content/ImageManager.hpp"
#include "model/Brick.hpp"
#include "model/Palace.hpp"
#include "platform/AtomicFile.hpp"
#include "savegame/BoundedTextIArchive.hpp"
#include "savegame/Serialization.hpp"

#include <boost/archive/text_oarchive.hpp>
#include <boost/serialization/singleton.hpp>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <vector>

namespace SaveGame
{
using GameLogic::PalaceBuild::Brick;
using GameLogic::PalaceBuild::Palace;

namespace
{

// Bricks are written and read through pointers; their pointer serialisers
// are registered once, when the program starts.
struct BrickRegistration
{
    BrickRegistration()
    {
        using namespace boost::archive::detail;
        using boost::serialization::singleton;
        singleton<pointer_oserializer<boost::archive::text_oarchive, Brick>>::get_const_instance();
        singleton<pointer_iserializer<BoundedTextIArchive, Brick>>::get_const_instance();
    }
};
const BrickRegistration brickRegistration;

// Far beyond any saved game the game writes, small enough to read at once.
constexpr std::uintmax_t largestSavedGame = 16 * 1024 * 1024;

// Coordinates further off the screen than this are damage: no brick can be
// dragged there.
constexpr std::int32_t farthestCoordinate = 1 << 16;

bool withinReach(const VideoEngine::OpenGL::Rectangl& rect)
{
    for (std::int32_t value : {rect.left, rect.top, rect.right, rect.bottom})
        if (value < -farthestCoordinate || value > farthestCoordinate)
            return false;
    return true;
}

// The folders a saved game's pictures may come from: BMP/<folder>/ for the
// game's own, own/<folder>/ for a family's own pieces.
const char* const pictureFolders[] = {"palace", "decoration", "person", "background", "frame"};
const char* const ownFolders[] = {"palace", "decoration", "person"};

bool inFolder(const std::vector<std::filesystem::path>& parts, const char* top,
              const char* const* first, const char* const* last)
{
    return parts.size() == 3 && parts[0] == top &&
           std::any_of(first, last, [&](const char* folder) { return parts[1] == folder; });
}

[[noreturn]] void damaged(const std::string& what)
{
    throw std::runtime_error("Damaged saved game: " + what);
}

} // namespace

namespace SavedGameChecks
{

void checkPictureName(const std::string& fileName)
{
    const std::filesystem::path path(fileName);
    if (fileName.empty() || path.is_absolute() || fileName.find('\0') != std::string::npos)
        damaged("bad picture name");
    for (const std::filesystem::path& part : path)
        if (part == "..")
            damaged("picture outside the game folder");
    // Only the picture folders: BMP/<folder>/<picture> or own/<folder>/<picture>.
    const std::vector<std::filesystem::path> parts(path.begin(), path.end());
    if (!inFolder(parts, "BMP", std::begin(pictureFolders), std::end(pictureFolders)) &&
        !inFolder(parts, "own", std::begin(ownFolders), std::end(ownFolders)))
        damaged("picture outside the game's picture folders");
}

void checkPicture(const VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FastTextureData>& picture)
{
    for (float factor : {picture.red, picture.green, picture.blue})
        if (!(factor >= 0.0f && factor <= 1.0f))
            damaged("bad tint");
    if (picture.colorChanger.step < 0 || picture.colorChanger.step > 59)
        damaged("bad tint step");
    if (picture.size < Brick::smallestSize || picture.size > Brick::largestSize)
        damaged("bad size");
    const VideoEngine::OpenGL::Position& position = picture.position;
    if (!withinReach({position.x, position.y, position.x, position.y}))
        damaged("picture out of reach");
}

void checkPlacement(VideoEngine::OpenGL::Rectangl screenRect,
                    VideoEngine::OpenGL::Rectangl sourceRect)
{
    if (!withinReach(screenRect) || !withinReach(sourceRect))
        damaged("brick out of reach");
}

void checkPile(const Palace& palace)
{
    std::set<const Brick*> seen;
    for (const std::shared_ptr<Brick>& brick : palace.bricks())
        if (!brick || !seen.insert(brick.get()).second)
            damaged("empty or repeated brick");
}

} // namespace SavedGameChecks

std::string savedGameText(const Palace& palace, const BackgroundCatalogue& backgrounds,
                          const FrameCatalogue& frames)
{
    std::ostringstream text;
    {
        boost::archive::text_oarchive archive(text);
        archive << palace << backgrounds << frames;
    }
    if (!text)
        throw std::runtime_error("Unable to write the saved game");
    return text.str();
}

void writeSavedGame(const std::string& fileName, const Palace& palace,
                    const BackgroundCatalogue& backgrounds, const FrameCatalogue& frames)
{
    Platform::replaceFileAtomically(fileName, savedGameText(palace, backgrounds, frames));
}

void readSavedGameText(const std::string& text, Palace& palace, BackgroundCatalogue& backgrounds,
                       FrameCatalogue& frames, MissingPicture missing)
{
    std::istringstream input(text);
    BoundedTextIArchive archive(input, text.size());
    SharedPictures::forArchive(archive).standIns = missing == MissingPicture::standIn;
    archive >> palace >> backgrounds >> frames;
}

void readSavedGame(const std::string& fileName, Palace& palace, BackgroundCatalogue& backgrounds,
                   FrameCatalogue& frames, MissingPicture missing)
{
    // Only a plain file is read: a pipe or a device of that name could block
    // or never end.
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error))
        throw std::runtime_error("No saved game in " + fileName);
    if (std::filesystem::file_size(fileName) > largestSavedGame)
        damaged("file too large");
    std::ifstream file(fileName, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    if (file.bad())
        throw std::runtime_error("Unable to read " + fileName);
    readSavedGameText(text, palace, backgrounds, frames, missing);
}

void SavedGameFile::save(const Palace& palace, const BackgroundCatalogue& backgrounds,
                         const FrameCatalogue& frames)
{
    writeSavedGame(fileName, palace, backgrounds, frames);
}

void SavedGameFile::load(Palace& palace, BackgroundCatalogue& backgrounds, FrameCatalogue& frames)
{
    readSavedGame(fileName, palace, backgrounds, frames);
}

} // namespace SaveGame
