#pragma once
// Where the child's palaces are kept, one file each with its thumbnail, as
// the level sees them. The level knows only this interface; the saved-game
// layer above it provides the folder, and the run hands it in.

#include "model/SceneStore.hpp"

#include <string>
#include <vector>

namespace GameLogic
{
namespace PalaceBuild
{

class PalaceGallery
{
public:
    virtual ~PalaceGallery() = default;

    // A name for a palace begun now, not taken by a kept palace nor by
    // another game, and held for this game until it takes another.
    virtual std::string begin() = 0;
    // Holds the kept palace's name for this game, giving up the one held
    // before; false, holding nothing new, when another game has it in play
    // or its file is not the one this game last wrote or read (another game
    // changed it meanwhile).
    virtual bool take(const std::string& name) = 0;

    // Writes the palace under its name, whole or not at all. Throws on
    // failure; the palace's last good version then stays whole.
    virtual void keep(const std::string& name, const Palace& palace,
                      const BackgroundCatalogue& backgrounds, const FrameCatalogue& frames) = 0;
    // Reads the kept palace into the palace and the catalogues, to be
    // played: its file as read is then the one this game knows. A piece
    // whose picture is missing shows a stand-in of its size, keeping the
    // picture's name. Throws, as the saved game's loader does, for a
    // damaged palace.
    virtual void open(const std::string& name, Palace& palace, BackgroundCatalogue& backgrounds,
                      FrameCatalogue& frames) = 0;
    // Reads it as open does, only to be looked at (a thumbnail, a check).
    virtual void read(const std::string& name, Palace& palace, BackgroundCatalogue& backgrounds,
                      FrameCatalogue& frames) = 0;

    // The kept palaces, the newest change first, but those found damaged.
    virtual std::vector<std::string> names() = 0;
    // Notes a kept palace found damaged: it is logged once and left out of
    // names(), and never changed.
    virtual void damaged(const std::string& name, const std::string& why) = 0;

    // The palace's thumbnail file, and whether it is as new as the palace.
    virtual std::string thumbnail(const std::string& name) const = 0;
    virtual bool thumbnailCurrent(const std::string& name) const = 0;

    // Moves the palace and its thumbnail into the desktop's trash. Throws
    // when the palace cannot be moved.
    virtual void trash(const std::string& name) = 0;

    // The palace in play when a run last ended, or "" for none; and noting
    // it at the end of this run. A failure to note it is logged.
    virtual std::string lastInPlay() const = 0;
    virtual void noteInPlay(const std::string& name) = 0;
};

} // namespace PalaceBuild
} // namespace GameLogic
