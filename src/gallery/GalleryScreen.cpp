#include "gallery/GalleryScreen.hpp"

#include <algorithm>

namespace GameLogic
{
namespace PalaceBuild
{
namespace
{
using VideoEngine::OpenGL::Position;

// Slots of 224 x 172 with a 208 x 156 thumbnail inside, in rows of four.
constexpr int slotWidth = 224;
constexpr int slotHeight = 172;
constexpr int gap = 24;
constexpr int thumbnailInset = 8;
constexpr int highlightOutset = 8;
} // namespace

GalleryScreen::GalleryScreen(bool binActive)
    : panel("BMP/gallery/panel.png"), slot("BMP/gallery/slot.png"),
      highlight("BMP/gallery/highlight.png"), waiting("BMP/gallery/waiting.png"),
      previous(Button::pictures("page "), 40, 682, true),
      next(Button::pictures("page "), 904, 682, false),
      bin(Button::pictures("bin "), 484, 674, false)
{
    if (!binActive)
    {
        bin.addInactivePicture("BMP/button/bin 04.png");
        bin.setActive(false);
    }
}

Position GalleryScreen::slotAt(std::size_t k)
{
    const int column = int(k % columns);
    const int row = int(k / columns);
    return {28 + column * (slotWidth + gap), 70 + row * (slotHeight + gap)};
}

void GalleryScreen::show(std::vector<std::string> shownNames)
{
    names = std::move(shownNames);
    chosen = 0;
    thumbnails.clear();
    open = true;
}

void GalleryScreen::hide()
{
    open = false;
    names.clear();
    thumbnails.clear();
}

std::vector<std::string> GalleryScreen::page() const
{
    const std::size_t first = firstOnPage();
    const std::size_t last = std::min(names.size(), first + perPage);
    return {names.begin() + std::ptrdiff_t(std::min(first, last)),
            names.begin() + std::ptrdiff_t(last)};
}

void GalleryScreen::setThumbnail(const std::string& name, Picture picture)
{
    thumbnails[name] = std::move(picture);
}

void GalleryScreen::dropThumbnailsOffPage()
{
    const std::vector<std::string> shown = page();
    for (auto it = thumbnails.begin(); it != thumbnails.end();)
        if (std::find(shown.begin(), shown.end(), it->first) == shown.end())
            it = thumbnails.erase(it);
        else
            ++it;
}

void GalleryScreen::remove(const std::string& name)
{
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end())
        return;
    names.erase(found);
    if (chosen >= names.size() && chosen > 0)
        chosen = names.size() - 1;
}

std::string GalleryScreen::highlighted() const
{
    return chosen < names.size() ? names[chosen] : std::string();
}

GalleryScreen::Choice GalleryScreen::choose(std::size_t k)
{
    if (names.empty())
        return Choice::none;
    const std::size_t before = firstOnPage();
    chosen = std::min(k, names.size() - 1);
    return firstOnPage() != before ? Choice::page : Choice::none;
}

GalleryScreen::Choice GalleryScreen::move(int dx, int dy)
{
    const long to = long(chosen) + dx + dy * long(columns);
    return to < 0 ? Choice::none : choose(std::size_t(to));
}

void GalleryScreen::addTargets(Targets& targets, const std::function<void(Choice)>& report)
{
    auto addButton = [&](Button& button, Target::Group group, const char* name)
    {
        targets.add({group, name, 0, button.box(), nullptr, [&button] { button.click(); },
                     [&button](bool over, bool down) { button.show(over, down); }});
    };
    previous.setCommand([this, report] { report(choose(firstOnPage() - perPage)); });
    next.setCommand([this, report] { report(choose(firstOnPage() + perPage)); });
    bin.setCommand([this, report] { report(names.empty() ? Choice::none : Choice::trash); });
    // An arrow comes back as it was left: unlit.
    if (pageBefore())
        addButton(previous, Target::Group::pageArrows, "previous page");
    else
        previous.show(false, false);
    if (pageAfter())
        addButton(next, Target::Group::pageArrows, "next page");
    else
        next.show(false, false);
    addButton(bin, Target::Group::bin, "bin");

    const std::size_t shownCount = page().size();
    for (std::size_t k = 0; k < shownCount; ++k)
    {
        const Position corner = slotAt(k);
        targets.add({Target::Group::thumbnails, "thumbnail", k,
                     {corner.x, corner.y, corner.x + slotWidth - 1, corner.y + slotHeight - 1},
                     nullptr,
                     [this, k, report]
                     {
                         chosen = firstOnPage() + k;
                         report(Choice::open);
                     },
                     nullptr});
    }
}

void GalleryScreen::addPanel(VideoEngine::OpenGL::PictureBatch& batch) const
{
    batch.add(panel);
}

void GalleryScreen::addTo(VideoEngine::OpenGL::PictureBatch& batch) const
{
    const std::vector<std::string> shown = page();
    for (std::size_t k = 0; k < shown.size(); ++k)
    {
        Picture frame = slot;
        frame.position = slotAt(k);
        batch.add(frame);
        const auto thumbnail = thumbnails.find(shown[k]);
        Picture inside = thumbnail != thumbnails.end() ? thumbnail->second : waiting;
        inside.position = {frame.position.x + thumbnailInset, frame.position.y + thumbnailInset};
        batch.add(inside);
    }
    if (!names.empty())
    {
        Picture glow = highlight;
        const Position corner = slotAt(chosen - firstOnPage());
        glow.position = {corner.x - highlightOutset, corner.y - highlightOutset};
        batch.add(glow);
    }
    if (pageBefore())
        batch.add(previous.shown());
    if (pageAfter())
        batch.add(next.shown());
    batch.add(bin.shown());
}

} // namespace PalaceBuild
} // namespace GameLogic
