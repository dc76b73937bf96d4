#pragma once
// The gallery screen, over the whole scene: a panel with a page of up to
// twelve thumbnails of kept palaces, newest first, a highlight on one of
// them, arrows to the pages before and after (shown only where there is
// one), and a bin. It carries no word. A palace whose thumbnail is not there
// (yet) shows a light picture of a palace to come in its slot, and is chosen
// as any other. The screen only shows, lists its targets and reports; the
// level fills it with names and thumbnails and acts on the choices.

#include "ui/Button.hpp"
#include "ui/Targets.hpp"
#include "video/FastTextureData.hpp"
#include "video/PictureBatch.hpp"
#include "video/Texture.hpp"

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace GameLogic
{

namespace PalaceBuild
{

class GalleryScreen
{
public:
    using Picture = VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FastTextureData>;

    static constexpr std::size_t columns = 4;
    static constexpr int thumbnailWidth = 208;
    static constexpr int thumbnailHeight = 156;
    static constexpr std::size_t perPage = 12;

    // What a fresh press or key asks of the level.
    enum class Choice
    {
        none,
        // The page changed: it needs its thumbnails.
        page,
        open,
        trash
    };

    // Loads the screen's pictures ("BMP/gallery/" and the page and bin
    // buttons); with binActive false the bin shows grey and deletes nothing.
    // Loading failures pass on.
    explicit GalleryScreen(bool binActive);

    GalleryScreen(const GalleryScreen&) = delete;
    GalleryScreen& operator=(const GalleryScreen&) = delete;

    // Shows the names' first page, the highlight on the first; hides it.
    void show(std::vector<std::string> names);
    void hide();
    bool shown() const { return open; }

    // The names of the page shown, in order.
    std::vector<std::string> page() const;
    // The palace's thumbnail, shown in its slot from now on; whether it has
    // one; and letting go of those of palaces off the page shown.
    void setThumbnail(const std::string& name, Picture picture);
    bool hasThumbnail(const std::string& name) const { return thumbnails.count(name) != 0; }
    void dropThumbnailsOffPage();
    // Takes a name out (found damaged, or thrown away); the highlight moves
    // to the next one, on the page that holds it.
    void remove(const std::string& name);
    // The highlighted palace; empty when the gallery holds none.
    std::string highlighted() const;

    // The arrow keys: the highlight moves one place, onto the page before or
    // after where it leaves the page.
    Choice move(int dx, int dy);
    // Lists the arrows shown, the bin and the thumbnails of the page, each
    // reporting its click: a thumbnail's highlights it and reports open, an
    // arrow's turns the page, the bin's reports trash (the grey bin reports
    // nothing). The targets refer to the screen and are good until it
    // changes.
    void addTargets(Targets& targets, const std::function<void(Choice)>& report);

    // The panel, which covers the whole screen, and the pictures over it.
    void addPanel(VideoEngine::OpenGL::PictureBatch& batch) const;
    void addTo(VideoEngine::OpenGL::PictureBatch& batch) const;

private:
    // Where slot k of a page lies.
    static VideoEngine::OpenGL::Position slotAt(std::size_t k);
    std::size_t firstOnPage() const { return chosen - chosen % perPage; }
    bool pageBefore() const { return firstOnPage() > 0; }
    bool pageAfter() const { return firstOnPage() + perPage < names.size(); }
    // The highlight moves to k (clamped to the names); Choice::page when
    // that changes the page.
    Choice choose(std::size_t k);

    Picture panel;
    Picture slot;
    Picture highlight;
    Picture waiting;
    Button previous;
    Button next;
    Button bin;
    bool open = false;
    std::vector<std::string> names;
    std::size_t chosen = 0;
    std::map<std::string, Picture> thumbnails;
};

} // namespace PalaceBuild
} // namespace GameLogic
