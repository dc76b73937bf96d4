#pragma once
// The mouse as the game sees it: the cursor's point on the 1024 x 768 logical
// screen, the left and right button states with their states before the last
// event, and two callables run on every change. The run's GLUT mouse
// callbacks map window pixels to logical units and pass the events here; a
// click counts on the press edge (down now, not down before the last event).
// While the left button is held, the cursor also knows whether it has gone
// farther than clickSlop from where the button went down: a held move that
// far is a drag, a shorter one still a click.

#include "video/FastTextureData.hpp"
#include "video/Position.hpp"
#include "video/Texture.hpp"

#include <functional>
#include <string>

namespace GameLogic
{

class MouseCursor
{
public:
    // GLUT's numbers for the buttons the game uses.
    static constexpr int leftButton = 0;
    static constexpr int rightButton = 2;
    // How far, in logical units, the cursor may move with the left button
    // held and still make a click.
    static constexpr int clickSlop = 8;

    // Loads the cursor picture (an empty name loads nothing) and places it at
    // (400, 700). Loading failures pass on.
    explicit MouseCursor(const std::string& pictureFile);
    virtual ~MouseCursor() = default;

    MouseCursor(const MouseCursor&) = delete;
    MouseCursor& operator=(const MouseCursor&) = delete;

    // A move with no button held: on a new point stores it and runs onMove.
    void moveTo(VideoEngine::OpenGL::Position point);

    // A button event: the button states become the previous ones, the cursor
    // moves to the point (onMove sees no fresh press), then the left or right
    // button's new state is recorded and onButton runs. Other buttons change
    // no state but still move the cursor and run onButton. A left press
    // starts a new held move at the point; the left release counts its point
    // in it too, for a pointer that jumps with the button down.
    void press(int button, bool down, VideoEngine::OpenGL::Position point);

    // A move with a button held: the current button states become the
    // previous ones, so a press is fresh only until the first drag motion;
    // then moves to the point and runs onButton.
    void dragTo(VideoEngine::OpenGL::Position point);

    // The left button went up with this event (down before it).
    bool leftReleased() const { return leftWasDown && !leftDown; }

    // The picture's position is also the last logical position seen; moves
    // that map to it again are dropped.
    VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FastTextureData> picture;
    bool leftDown = false;
    bool leftWasDown = false;
    bool rightDown = false;
    bool rightWasDown = false;
    // Run after every button event and every drag motion.
    std::function<void()> onButton;
    // Run when the logical position changes.
    std::function<void()> onMove;
    VideoEngine::OpenGL::Position position;
    VideoEngine::OpenGL::Position previousPosition;
    // Where the left button last went down, and whether the cursor has since
    // been farther than clickSlop from there with the button held; cleared
    // after onButton has seen the release.
    VideoEngine::OpenGL::Position leftPressedAt;
    bool leftMovedFar = false;

private:
    // Notes a held left button at point farther than clickSlop from where
    // it went down.
    void noteHeldMove(VideoEngine::OpenGL::Position point);
};

} // namespace GameLogic
