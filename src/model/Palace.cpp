#include "model/Palace.hpp"

#include "platform/Sound.hpp"

#include <algorithm>
#include <cstdlib>

namespace GameLogic
{
namespace PalaceBuild
{

using VideoEngine::OpenGL::Rectangl;

namespace
{

const char* const dropSound = "Sound/drop.wav";
const char* const takeOffSound = "Sound/takeOff.wav";

enum class Axis
{
    horizontal,
    vertical
};

// Moves the brick by d along the axis when d is within snapping distance;
// tells whether it snapped.
bool snapBy(Brick& brick, int d, Axis axis)
{
    if (std::abs(d) >= Palace::snapDistance)
        return false;
    if (axis == Axis::horizontal)
        brick.moveBy(d, 0);
    else
        brick.moveBy(0, d);
    return true;
}

// Aligns the dragged brick with the placed one: first the left (or top)
// edges, then the right (or bottom) edges, measured after the first move.
void alignEdges(Brick& dragged, const Brick& placed, Axis axis)
{
    if (axis == Axis::horizontal)
    {
        snapBy(dragged, placed.picture().imageRect().left - dragged.picture().imageRect().left,
               axis);
        snapBy(dragged, placed.picture().imageRect().right - dragged.picture().imageRect().right,
               axis);
    }
    else
    {
        snapBy(dragged, placed.picture().imageRect().top - dragged.picture().imageRect().top, axis);
        snapBy(dragged, placed.picture().imageRect().bottom - dragged.picture().imageRect().bottom,
               axis);
    }
}

// The four edge tests of one placed brick, in their fixed order.
void snapTo(Brick& dragged, const Brick& placed)
{
    const Rectangl b = placed.picture().imageRect();
    if (snapBy(dragged, b.top - dragged.picture().imageRect().bottom, Axis::vertical))
        alignEdges(dragged, placed, Axis::horizontal);
    if (snapBy(dragged, b.bottom - dragged.picture().imageRect().top, Axis::vertical))
        alignEdges(dragged, placed, Axis::horizontal);
    if (snapBy(dragged, b.left - dragged.picture().imageRect().right, Axis::horizontal))
        alignEdges(dragged, placed, Axis::vertical);
    if (snapBy(dragged, b.right - dragged.picture().imageRect().left, Axis::horizontal))
        alignEdges(dragged, placed, Axis::vertical);
}

} // namespace

void Palace::addBrick(const std::shared_ptr<Brick>& brick)
{
    if (!brick)
        return;
    brick->fitScreenRect();
    brick->clipLeftOf(toolbarEdge);
    pile.push_front(brick);
    chosen = brick;
    Platform::playSound(dropSound);
}

std::shared_ptr<Brick> Palace::takeOff(std::size_t place, bool discard)
{
    std::shared_ptr<Brick> result;
    if (place < pile.size())
    {
        const auto hit = std::next(pile.begin(), std::ptrdiff_t(place));
        if (!discard)
        {
            result = *hit;
            result->setClipped(false);
        }
        pile.erase(hit);
        Platform::playSound(takeOffSound);
        selectFront();
    }
    return result;
}

void Palace::snap(const std::shared_ptr<Brick>& dragged)
{
    reserved = 65535;
    if (!dragged)
        return;
    for (const std::shared_ptr<Brick>& placed : pile)
    {
        if (placed != dragged)
            snapTo(*dragged, *placed);
    }
}

void Palace::clear()
{
    pile.clear();
    chosen.reset();
}

void Palace::replacePile(std::list<std::shared_ptr<Brick>> bricks,
                         const std::shared_ptr<Brick>& preferred)
{
    pile = std::move(bricks);
    const auto inPile = [this](const std::shared_ptr<Brick>& brick)
    { return brick && std::find(pile.begin(), pile.end(), brick) != pile.end(); };
    if (inPile(preferred))
        chosen = preferred;
    else if (!inPile(chosen))
        selectFront();
}

void Palace::putBack(const std::shared_ptr<Brick>& brick, std::size_t below)
{
    auto at = pile.end();
    for (std::size_t i = 0; i < below && at != pile.begin(); ++i)
        --at;
    pile.insert(at, brick);
    chosen = brick;
}

void Palace::toggleMirror()
{
    if (chosen)
        chosen->toggleMirror();
}

void Palace::nextColor()
{
    if (chosen)
        chosen->nextColour();
}

void Palace::previousColor()
{
    if (chosen)
        chosen->previousColour();
}

unsigned Palace::increaseSize(bool alsoForNewPieces)
{
    return resizeSelected(alsoForNewPieces, true);
}

unsigned Palace::decreaseSize(bool alsoForNewPieces)
{
    return resizeSelected(alsoForNewPieces, false);
}

VideoEngine::OpenGL::PictureBatch Palace::batch(bool clippingAllowed) const
{
    VideoEngine::OpenGL::PictureBatch pictures;
    for (auto it = pile.rbegin(); it != pile.rend(); ++it)
        (*it)->addTo(pictures, clippingAllowed);
    return pictures;
}

// Takes the selected brick out, changes its size by one step and drops it
// again; steps defaultSize alone (within 4..12) when nothing is selected.
unsigned Palace::resizeSelected(bool alsoForNewPieces, bool larger)
{
    if (chosen)
    {
        const std::shared_ptr<Brick> brick = chosen;
        pile.remove(brick);
        brick->setClipped(false);
        const unsigned size = larger ? brick->grow() : brick->shrink();
        addBrick(brick);
        if (alsoForNewPieces)
            defaultSize = size;
    }
    else if (alsoForNewPieces)
    {
        if (larger && defaultSize < Brick::largestSize)
            ++defaultSize;
        else if (!larger && defaultSize > Brick::smallestSize)
            --defaultSize;
    }
    return defaultSize;
}

void Palace::selectFront()
{
    if (pile.empty())
        chosen.reset();
    else
        chosen = pile.front();
}

} // namespace PalaceBuild
} // namespace GameLogic
