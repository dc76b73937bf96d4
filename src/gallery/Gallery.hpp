#pragma once
// The gallery as the child uses it: it opens over the scene at once, with
// the thumbnails the page has, and fills in the others (missing, older than
// the palace or damaged) a step at a time, made from their palaces; it
// opens the palace chosen as the one in play, and
// throws one away into the desktop's trash (never under the child lock). A
// palace that cannot be read is noted as damaged and leaves the pages. The
// kept palaces, the palace, the catalogues and the palace in play belong to
// the level; the screen and the offscreen picture for thumbnails belong to
// the gallery while it is open.

#include "gallery/GalleryScreen.hpp"
#include "model/PalaceGallery.hpp"
#include "gallery/PalaceInPlay.hpp"
#include "video/SceneDrawing.hpp"
#include "video/SceneTarget.hpp"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace GameLogic
{

namespace PalaceBuild
{

class Gallery
{
public:
    Gallery(PalaceGallery& kept, Palace& palace, BackgroundCatalogue& backgrounds,
            FrameCatalogue& frames, PalaceInPlay& inPlay, bool locked);

    bool shown() const { return screen != nullptr; }
    // Opens the gallery, with the palace in play kept first so that it shows
    // as it is; or closes it. When the screen's pictures cannot be loaded,
    // the failure is logged and the gallery stays closed.
    void toggle();

    // Opens the kept palace as the one in play, as at the start of a game
    // that begins with the last palace; false, with nothing changed, when it
    // cannot be read.
    bool begin(const std::string& name);

    // Input while the gallery is shown: Escape, or a key of the gallery's
    // own control (closes), Return (opens), Delete (throws away), the arrow
    // keys (move the highlight), the mouse over the targets listed (see
    // GalleryScreen::addTargets).
    void onKey(unsigned char key, bool galleryKey);
    void onSpecialKey(int key);
    void onMouse(const MouseCursor& cursor, const Targets& targets);
    // Lists the screen's targets, whose clicks act as the mouse's do.
    void addTargets(Targets& targets);

    // Makes the next thumbnail the page shown still misses and shows it (a
    // palace found damaged meanwhile leaves the page). False, doing nothing,
    // when none is left to make; filling() tells whether one is.
    bool fillSome();
    bool filling() const { return screen && !toMake.empty(); }
    // At a quiet moment, while the gallery is closed: the palace in play,
    // kept and unchanged since, gets its thumbnail when it has none or an
    // older one, drawn from the scene itself. A failure is logged.
    void keepThumbnailInPlay();

    // What the gallery shows: its panel as the background, its pictures
    // over it.
    void describe(VideoEngine::OpenGL::ScenePictures& scene) const;
    const GalleryScreen& page() const { return *screen; }

private:
    void act(GalleryScreen::Choice choice);
    // Shows the page's current thumbnails and lists the palaces whose
    // thumbnails are still to make; a palace that cannot be read leaves the
    // pages first, noted as damaged.
    void fillPage();
    // Shows the thumbnail file of the palace; false, showing nothing, when
    // it cannot be loaded.
    bool showThumbnail(const std::string& name);
    // Draws the palace's thumbnail from its file; false when the palace
    // cannot be read. A thumbnail that cannot be written is logged.
    bool makeThumbnail(const std::string& name);
    // Draws the scene's thumbnail into the palace's thumbnail file; a
    // failure is logged.
    void writeThumbnail(const std::string& name, const VideoEngine::OpenGL::ScenePictures& scene,
                        VideoEngine::OpenGL::SceneTarget& target);
    // Reads the kept palace into the probe, runs whileShown with its
    // background and frame current, then shows the level's again. False,
    // with the palace noted as damaged, when it cannot be read.
    bool probe(const std::string& name, Palace& into,
               const std::function<void()>& whileShown = nullptr);
    void openChosen();
    void trashChosen();

    PalaceGallery& kept;
    Palace& palace;
    BackgroundCatalogue& backgrounds;
    FrameCatalogue& frames;
    PalaceInPlay& inPlay;
    bool locked;
    std::unique_ptr<GalleryScreen> screen;
    std::unique_ptr<VideoEngine::OpenGL::SceneTarget> thumbnails;
    // The palaces of the page shown whose thumbnails are still to make, in
    // the page's order; each was read whole when listed.
    std::vector<std::string> toMake;
};

} // namespace PalaceBuild
} // namespace GameLogic
