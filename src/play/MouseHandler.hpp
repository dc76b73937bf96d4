#pragma once
// Drag and drop: the game's mouse cursor. A left press on a toolbar picture
// takes a new brick, which then follows the mouse with no button held and
// snaps to the placed bricks; the next left press in the palace drops it. A
// press on a placed brick picks it up (or, with the right button held, removes
// it); a right press while carrying stamps a copy. Carrying a brick back over
// the toolbar throws it away.
//
// Held and dragged: when the press that took or picked up the brick is held
// and moved farther than the cursor's clickSlop, the gesture is a drag. The
// brick follows and snaps as when carried, and the release acts where it
// happens as the next press would: in the drop zone it drops the brick, over
// the toolbar strip it throws it away, between the two the brick stays
// carried. A shorter press and release stays a click.
//
// Screen strips by the cursor's logical x: below toolbarStrip presses start
// drags from the toolbar; above it they act on the palace; drops and stamps
// happen only beyond dropZone. Presses exactly at toolbarStrip do nothing.
// Which piece a press hits, in a cell or laid, is the frame's list of
// targets' to say; their clicks run take and pickUp.

#include "ui/MouseCursor.hpp"
#include "ui/Targets.hpp"
#include "video/PictureBatch.hpp"

#include <cstddef>
#include <memory>
#include <string>

namespace GameLogic
{
namespace PalaceBuild
{

class Brick;
class Palace;
class Toolbar;

class MouseHandler : public MouseCursor
{
public:
    static constexpr int toolbarStrip = 225;
    static constexpr int dropZone = 235;

    // A cursor with nothing carried. The toolbar and the palace belong to
    // the level.
    MouseHandler(Toolbar& toolbar, Palace& palace);

    // Runs after every button event and every drag motion: takes, picks up,
    // removes, drops or stamps on a fresh press (the pieces hit found in
    // the targets), then, unless dragging, places the carried brick at the
    // cursor, unsnapped. Ends a drag on its release.
    void handleButton(const Targets& targets);

    // A new piece from the toolbar's cell of the row, held by its centre
    // (nothing when that cell gives none), or the laid piece at that place
    // from the top, held where the cursor is.
    void take(std::size_t row);
    void pickUp(std::size_t place);
    // Without the mouse: moves the carried piece so that its picture's top
    // left is at the point and snaps it, or lays it where it is (as a
    // click would); nothing when none is carried.
    void carryTo(VideoEngine::OpenGL::Position pictureTopLeft);
    void layCarried();
    // Lets the carried piece go; true when one was carried.
    bool letGo();
    // The piece carried; null for none.
    const std::shared_ptr<Brick>& carried() const { return dragged; }

    // The left button is held after a press that took or picked up a brick,
    // and has moved farther than a click may.
    bool dragging() const;

    // Runs when the cursor position changes: throws the carried brick away on
    // crossing into the toolbar strip, else moves it and snaps it.
    void handleMove();

    // Adds the carried brick, whole, to the batch.
    void addTo(VideoEngine::OpenGL::PictureBatch& batch) const;

    // Keyboard commands on the carried brick; nothing when none is carried.
    void mirrorDragged();
    void growDragged();
    void shrinkDragged();
    void nextColorDragged();
    void previousColorDragged();

private:
    struct Offset
    {
        int dx = 0;
        int dy = 0;
    };

    // The brick to lay on the palace for a fresh press in the drop zone: the
    // carried one on a left press (it is let go), a copy of it on a right
    // press (it stays carried); else null.
    std::shared_ptr<Brick> releaseDragged();
    // The release of a drag at the cursor: drops, throws away or keeps the
    // carried brick by the strip it is released over.
    void endDrag();

    Toolbar& toolbar;
    Palace& palace;
    std::shared_ptr<Brick> dragged;
    // Added to the cursor position to give the carried brick's top-left corner.
    Offset grabOffset;
    // The left press held now took or picked up a brick.
    bool pressTook = false;
};

} // namespace PalaceBuild
} // namespace GameLogic
