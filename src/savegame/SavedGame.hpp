#pragma once
// The one saved game, "savegame.txt": a Boost.Serialization text archive of
// the palace, then the current background, then the current frame.

#include "model/SceneStore.hpp"

#include <string>
#include <utility>

namespace SaveGame
{

using GameLogic::PalaceBuild::BackgroundCatalogue;
using GameLogic::PalaceBuild::FrameCatalogue;
using GameLogic::PalaceBuild::Palace;

// The level's scene store on one saved-game file.
class SavedGameFile : public GameLogic::PalaceBuild::SceneStore
{
public:
    explicit SavedGameFile(std::string fileName) : fileName(std::move(fileName)) {}

    // writeSavedGame and readSavedGame on the file.
    void save(const Palace& palace, const BackgroundCatalogue& backgrounds,
              const FrameCatalogue& frames) override;
    void load(Palace& palace, BackgroundCatalogue& backgrounds, FrameCatalogue& frames) override;

private:
    std::string fileName;
};

// Writes the archive to fileName without ever destroying the previous saved
// game: a temporary file beside it is written, flushed to disk and renamed
// over the old one. Throws on failure (the old file is then left whole).
void writeSavedGame(const std::string& fileName, const Palace& palace,
                    const BackgroundCatalogue& backgrounds, const FrameCatalogue& frames);

// The archive as text, as writeSavedGame stores it. Throws
// std::out_of_range "invalid vector<T> subscript" for a catalogue without a
// current picture.
std::string savedGameText(const Palace& palace, const BackgroundCatalogue& backgrounds,
                          const FrameCatalogue& frames);

// What a brick's picture that is missing, or cannot be read, makes of a
// reading: damage, or a stand-in of the picture's size under its name.
enum class MissingPicture
{
    damage,
    standIn
};

// Reads the archive into the palace and the catalogues, in place. Throws on
// any failure (missing file, damaged archive, a missing picture unless it
// may stand in); what was read before the failure stays. Never hangs or
// exhausts memory on a damaged file.
void readSavedGame(const std::string& fileName, Palace& palace, BackgroundCatalogue& backgrounds,
                   FrameCatalogue& frames, MissingPicture missing = MissingPicture::damage);

// readSavedGame on a saved game already in memory.
void readSavedGameText(const std::string& text, Palace& palace, BackgroundCatalogue& backgrounds,
                       FrameCatalogue& frames, MissingPicture missing = MissingPicture::damage);

} // namespace SaveGame
