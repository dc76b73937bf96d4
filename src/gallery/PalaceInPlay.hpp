#pragma once
// The palace in play, kept in the gallery under its name: written after each
// step, at most a second later (and never more than once a second), and at
// once when asked, as at every ending and before another palace takes its
// place. An empty palace is never written, and no file is ever removed. A
// write that fails is logged and tried again a second later; the palace's
// last good version stays whole. The gallery, the palace and the catalogues
// belong to the level.

#include "model/PalaceGallery.hpp"

#include <cstdint>
#include <string>

namespace GameLogic
{
namespace PalaceBuild
{

class PalaceInPlay
{
public:
    // A new palace is in play.
    PalaceInPlay(PalaceGallery& gallery, const Palace& palace,
                 const BackgroundCatalogue& backgrounds, const FrameCatalogue& frames);

    const std::string& name() const { return current; }

    // A new palace begins; what was pending for the old one is dropped, so
    // keep it first.
    void beginNew();
    // The kept palace of that name is in play again, or, when another game
    // has it in play or changed it since this game last wrote or read it, a
    // new palace with its pieces. Pending writes go to it.
    void switchTo(const std::string& name);

    // The palace changed: a write falls due.
    void changed();
    // Writes when a write is due by now; at once when asked, if any change
    // is not yet written.
    void keepIfDue();
    void keepNow();
    // Milliseconds until the next write falls due; -1 when none is pending.
    int msUntilDue() const;

private:
    void write();

    PalaceGallery& gallery;
    const Palace& palace;
    const BackgroundCatalogue& backgrounds;
    const FrameCatalogue& frames;
    std::string current;
    bool pending = false;
    bool failing = false;
    std::uint32_t dueAt = 0;
    std::uint32_t lastWrite = 0;
};

} // namespace PalaceBuild
} // namespace GameLogic
