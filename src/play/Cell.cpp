#include "play/Cell.hpp"

#include "platform/GameLog.hpp"
#include "platform/Sound.hpp"

#include <algorithm>

namespace GameLogic
{
namespace PalaceBuild
{
namespace
{
Brick brickShowing(const std::vector<std::string>& pictureFiles)
{
    return pictureFiles.empty() ? Brick() : Brick(pictureFiles.front());
}
} // namespace

Cell::Cell(const std::vector<std::string>& pictureFiles, int x, int y, const Button& leftPrototype,
           const Button& rightPrototype)
    : pictures(pictureFiles), brick(brickShowing(pictureFiles)), previousArrow(leftPrototype),
      nextArrow(rightPrototype), x(x), y(y)
{
    Platform::logLine("PalaceBuild", 779)
        << " Cell::Cell " << pictures.size() << " this=" << this << Platform::endLine;
    fitPicture();
    previousArrow.setPosition(x + 1, y + 160);
    previousArrow.setCommand([this] { showPrevious(); });
    nextArrow.setPosition(x + 91, y + 160);
    nextArrow.setCommand([this] { showNext(); });
}

void Cell::setPictures(const std::vector<std::string>& pictureFiles)
{
    pictures = pictureFiles;
    current = 0;
    showCurrent();
}

void Cell::showNext()
{
    if (!hasPicture())
        return;
    current = current + 1 == pictures.size() ? 0 : current + 1;
    showCurrent();
}

void Cell::showPrevious()
{
    if (!hasPicture())
        return;
    current = current == 0 ? pictures.size() - 1 : current - 1;
    showCurrent();
}

void Cell::showCurrent()
{
    if (!hasPicture())
        return;
    brick.reload(pictures[current]);
    fitPicture();
}

void Cell::setSize(unsigned step)
{
    cellSize = brick.setSize(step);
    fitPicture();
}

void Cell::fitPicture()
{
    if (!hasPicture())
        return;
    brick.setClipped(false);
    const VideoEngine::OpenGL::Rectangl r = brick.picture().imageRect();
    const double s = brick.scale();
    const VideoEngine::OpenGL::Rectangl shown = scaledRect(r, s);
    const int ox = std::max(0, (r.left - shown.right + boxWidth) / 2);
    const int oy = std::max(0, (r.top - shown.bottom + boxHeight) / 2);
    const int w = std::min(shown.right - r.left, boxWidth);
    const int h = std::min(shown.bottom - r.top, boxHeight);
    const double reciprocal = 1 / s;

    brick.clipTo({0, 0, static_cast<int>(w * reciprocal), static_cast<int>(h * reciprocal)},
                 {0, 0, w, h});
    brick.setPosition(x + ox, y + oy);

    Platform::logLine("PalaceBuild", 765)
        << " Add brick to cell (" << 0 << "," << 0 << " : " << w << "," << h << ") (" << r.left
        << "," << r.top << " : " << shown.right << "," << shown.bottom << ") "
        << brick.picture().data->fileName << Platform::endLine;
}

std::shared_ptr<Brick> Cell::take(const std::string& carried)
{
    if (!hasPicture() || brick.picture().data->fileName == carried)
        return nullptr;
    Platform::logLine("PalaceBuild", 567)
        << " start drag(" << brick.picture().data->fileName << ") " << &brick << Platform::endLine;
    auto copy = std::make_shared<Brick>(brick);
    copy->setClipped(false);
    Platform::playSound("Sound/startDrag.wav");
    return copy;
}

void Cell::addTargets(Targets& list, std::size_t row, const std::function<void()>& take)
{
    if (hasPicture())
        list.add({Target::Group::pieces, "piece", row, brick.box(),
                  [this](int px, int py) { return brick.hitTest(px, py); }, take, nullptr});
    list.add({Target::Group::cellArrows, "previous picture", row, previousArrow.box(), nullptr,
              [this] { previousArrow.click(); },
              [this](bool over, bool down) { previousArrow.show(over, down); }});
    list.add({Target::Group::cellArrows, "next picture", row, nextArrow.box(), nullptr,
              [this] { nextArrow.click(); },
              [this](bool over, bool down) { nextArrow.show(over, down); }});
}

std::string Cell::shownFile() const
{
    return hasPicture() ? brick.picture().data->fileName : std::string();
}

void Cell::addPicture(VideoEngine::OpenGL::PictureBatch& batch) const
{
    if (hasPicture())
        brick.addTo(batch, true);
}

void Cell::addArrows(VideoEngine::OpenGL::PictureBatch& batch) const
{
    batch.add(previousArrow.shown());
    batch.add(nextArrow.shown());
}

} // namespace PalaceBuild
} // namespace GameLogic
