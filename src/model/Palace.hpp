#pragma once
// The pile of bricks the child builds. The front of the pile is the topmost
// brick. After every drop, pick-up and load, the selected brick is the front
// one (or null for an empty pile); after an undo or redo it is the brick the
// step touched. No brick stands in the pile twice.
// Only the palace's own commands and the saved game change the pile.

#include "model/Brick.hpp"

#include <cstddef>
#include <list>
#include <memory>

namespace SaveGame
{
struct PalaceFields;
}

namespace GameLogic
{
namespace PalaceBuild
{

class Palace
{
public:
    // Bricks reaching left of this line are clipped there while the toolbar
    // shows.
    static constexpr int toolbarEdge = 220;
    // A dragged brick snaps to an edge closer than this many units.
    static constexpr int snapDistance = 4;

    // The drop: clips the brick at the toolbar edge (or makes it whole), puts
    // it on top, selects it and plays "Sound/drop.wav". A null brick does
    // nothing.
    void addBrick(const std::shared_ptr<Brick>& brick);

    // Takes the brick at that place from the top out of the pile, playing
    // "Sound/takeOff.wav", and selects the new front brick. Returns it made
    // whole, or null when discard is set (then the brick is gone for good)
    // or there is no such place (then nothing changes).
    std::shared_ptr<Brick> takeOff(std::size_t place, bool discard);

    // Moves the dragged brick onto the edge lines of the placed bricks that
    // lie within snapDistance, testing each placed brick from the top down.
    void snap(const std::shared_ptr<Brick>& dragged);

    // Removes every brick; defaultSize stays.
    void clear();

    // Mirror and tint the selected brick, if any.
    void toggleMirror();
    void nextColor();
    void previousColor();

    // Grow or shrink the selected brick, dropping it again (re-clipped, on
    // top, with the drop sound); with alsoForNewPieces the default size
    // follows (or steps alone when nothing is selected). Return defaultSize.
    unsigned increaseSize(bool alsoForNewPieces);
    unsigned decreaseSize(bool alsoForNewPieces);

    // Undo and redo: the bricks (topmost first, none twice) take the pile's
    // place. The preferred brick is selected when it is among them; else the
    // selection stays when its brick is, else the front brick is selected.
    void replacePile(std::list<std::shared_ptr<Brick>> bricks,
                     const std::shared_ptr<Brick>& preferred);
    // A cancelled carry: puts the brick back into the pile with below bricks
    // under it (or all of them, when there are fewer) and selects it.
    void putBack(const std::shared_ptr<Brick>& brick, std::size_t below);

    // The pile from the lowest brick to the topmost, ready to draw; clipped
    // bricks are drawn clipped only when clippingAllowed.
    VideoEngine::OpenGL::PictureBatch batch(bool clippingAllowed) const;

    // The pile, topmost brick first, and the brick the colour, mirror and size
    // commands act on.
    const std::list<std::shared_ptr<Brick>>& bricks() const { return pile; }
    const std::shared_ptr<Brick>& selected() const { return chosen; }

    unsigned defaultSize = 10;
    // Kept in the saved game only; every snap pass sets it to 65535.
    int reserved = 0;

private:
    friend struct SaveGame::PalaceFields;

    std::list<std::shared_ptr<Brick>> pile;
    std::shared_ptr<Brick> chosen;

    unsigned resizeSelected(bool alsoForNewPieces, bool larger);
    void selectFront();
};

} // namespace PalaceBuild
} // namespace GameLogic
