#include "play/MouseHandler.hpp"

#include "model/Brick.hpp"
#include "model/Palace.hpp"
#include "play/Toolbar.hpp"

#include <utility>

namespace GameLogic
{
namespace PalaceBuild
{

MouseHandler::MouseHandler(Toolbar& toolbar, Palace& palace) : toolbar(toolbar), palace(palace) {}

void MouseHandler::handleButton(const Targets& targets)
{
    const int x = position().x;
    const int y = position().y;

    if (leftReleased() && dragging())
    {
        endDrag();
        pressTook = false;
        return;
    }
    if (leftPressed() || leftReleased())
        pressTook = false;

    if (x < toolbarStrip && leftPressed())
    {
        if (const Target* piece = targets.first(Target::Group::pieces, position()))
        {
            const std::shared_ptr<Brick> before = dragged;
            piece->act();
            pressTook = dragged != before;
        }
    }
    else if (x > toolbarStrip)
    {
        if (!dragged)
        {
            if (leftPressed() || rightPressed())
            {
                // With the right button down a press removes what it hits.
                if (const Target* laid = targets.first(Target::Group::laidPieces, position()))
                {
                    if (rightDown())
                        palace.takeOff(laid->index, true);
                    else
                        laid->act();
                }
                pressTook = leftPressed() && dragged;
            }
        }
        else if (std::shared_ptr<Brick> dropped = releaseDragged())
            palace.addBrick(dropped);
    }

    // A drag keeps the brick where the last move snapped it.
    if (dragged && !dragging())
        dragged->setPosition(x + grabOffset.dx, y + grabOffset.dy);
}

void MouseHandler::take(std::size_t row)
{
    const std::string carried = dragged ? dragged->picture().data->fileName : std::string();
    if (std::shared_ptr<Brick> brick = toolbar.takePiece(row, carried))
    {
        dragged = std::move(brick);
        const float s = static_cast<float>(dragged->scale());
        const auto width = dragged->picture().data->imageWidth;
        const auto height = dragged->picture().data->imageHeight;
        grabOffset = {static_cast<int>(-(width * s * 0.5)), static_cast<int>(-(height * s * 0.5))};
    }
}

void MouseHandler::pickUp(std::size_t place)
{
    dragged = palace.takeOff(place, false);
    if (dragged)
        grabOffset = {dragged->screenRect().left - position().x,
                      dragged->screenRect().top - position().y};
}

void MouseHandler::carryTo(VideoEngine::OpenGL::Position pictureTopLeft)
{
    if (!dragged)
        return;
    const VideoEngine::OpenGL::Rectangl now = dragged->picture().imageRect();
    dragged->moveBy(pictureTopLeft.x - now.left, pictureTopLeft.y - now.top);
    palace.snap(dragged);
}

void MouseHandler::layCarried()
{
    palace.addBrick(std::exchange(dragged, nullptr));
}

bool MouseHandler::letGo()
{
    return std::exchange(dragged, nullptr) != nullptr;
}

bool MouseHandler::dragging() const
{
    return pressTook && leftMovedFar();
}

void MouseHandler::endDrag()
{
    if (!dragged)
        return;
    if (position().x > dropZone)
        palace.addBrick(std::exchange(dragged, nullptr));
    else if (position().x < toolbarStrip)
        dragged.reset();
}

std::shared_ptr<Brick> MouseHandler::releaseDragged()
{
    if (!dragged || position().x <= dropZone)
        return nullptr;
    if (leftPressed())
        return std::exchange(dragged, nullptr);
    if (rightPressed())
        return std::make_shared<Brick>(*dragged);
    return nullptr;
}

void MouseHandler::handleMove()
{
    if (previousPosition().x >= toolbarStrip && position().x < toolbarStrip)
        dragged.reset();
    if (!dragged)
        return;
    dragged->setPosition(position().x + grabOffset.dx, position().y + grabOffset.dy);
    palace.snap(dragged);
}

void MouseHandler::addTo(VideoEngine::OpenGL::PictureBatch& batch) const
{
    if (dragged)
        batch.add(dragged->picture());
}

void MouseHandler::mirrorDragged()
{
    if (dragged)
        dragged->toggleMirror();
}

void MouseHandler::growDragged()
{
    if (dragged)
        dragged->grow();
}

void MouseHandler::shrinkDragged()
{
    if (dragged)
        dragged->shrink();
}

void MouseHandler::nextColorDragged()
{
    if (dragged)
        dragged->nextColour();
}

void MouseHandler::previousColorDragged()
{
    if (dragged)
        dragged->previousColour();
}

} // namespace PalaceBuild
} // namespace GameLogic
