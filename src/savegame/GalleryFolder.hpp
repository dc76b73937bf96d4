#pragma once
// The gallery on disk: "gallery/" beside the saved game, one palace per
// "<name>.txt" in the saved game's own format (read and checked by the same
// loader), its thumbnail "<name>.png" beside it. A game holds a lock on the
// name of the palace it has in play ("gallery/.locks/<name>"), so that two
// games of one player never write the same palace; the name of the palace in
// play when a run ended is kept in "gallery/.last". A name this game let go
// is taken again only while its file is the version this game last wrote or
// opened, or, never seen, is not there: another game may have changed it.

#include "model/PalaceGallery.hpp"
#include "platform/FileIdentity.hpp"
#include "platform/FileLock.hpp"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace SaveGame
{
using GameLogic::PalaceBuild::BackgroundCatalogue;
using GameLogic::PalaceBuild::FrameCatalogue;
using GameLogic::PalaceBuild::Palace;

class GalleryFolder : public GameLogic::PalaceBuild::PalaceGallery
{
public:
    // The gallery in the folder, made when first written to.
    explicit GalleryFolder(std::string folder = "gallery");

    std::string begin() override;
    bool take(const std::string& name) override;
    void keep(const std::string& name, const Palace& palace, const BackgroundCatalogue& backgrounds,
              const FrameCatalogue& frames) override;
    void open(const std::string& name, Palace& palace, BackgroundCatalogue& backgrounds,
              FrameCatalogue& frames) override;
    void read(const std::string& name, Palace& palace, BackgroundCatalogue& backgrounds,
              FrameCatalogue& frames) override;
    std::vector<std::string> names() override;
    void damaged(const std::string& name, const std::string& why) override;
    std::string thumbnail(const std::string& name) const override;
    bool thumbnailCurrent(const std::string& name) const override;
    void trash(const std::string& name) override;
    std::string lastInPlay() const override;
    void noteInPlay(const std::string& name) override;

private:
    std::string palaceFile(const std::string& name) const;
    // The lock of the name, which this game then holds.
    Platform::FileLock lockOf(const std::string& name) const;
    // Notes the palace's file as it is now, as the version this game knows.
    void seenNow(const std::string& name);
    // Whether the palace's file is the version this game knows.
    bool asSeen(const std::string& name) const;

    std::string folder;
    std::string held;
    Platform::FileLock lock;
    std::set<std::string> found;
    std::map<std::string, Platform::FileIdentity> seen;
};

} // namespace SaveGame
