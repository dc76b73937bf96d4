#pragma once
// The mouse as the game sees it: the cursor's point on the 1024 x 768 logical
// screen, the left and right button states with their states before the last
// event, and two callables run on every change. The run's GLUT mouse
// callbacks map window pixels to logical units and pass the events here; a
// click counts on the press edge (down now, not down before the last event).
// While the left button is held, the cursor also knows whether it has gone
// farther than clickSlop from where the button went down: a held move that
// far is a drag, a shorter one still a click.

#include "video/Position.hpp"

#include <functional>

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

    // A cursor at (400, 700), no button held, nothing run on changes.
    MouseCursor() = default;
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

    // What runs after every button event and every drag motion, and what
    // runs when the logical position changes; either may be empty.
    void setHandlers(std::function<void()> onButton, std::function<void()> onMove);

    // The last logical position seen, and the one before it.
    VideoEngine::OpenGL::Position position() const { return current; }
    VideoEngine::OpenGL::Position previousPosition() const { return previous; }

    // The button states after the last event.
    bool leftDown() const { return left.down; }
    bool rightDown() const { return right.down; }
    // The button went down (up) with this event.
    bool leftPressed() const { return left.down && !left.wasDown; }
    bool rightPressed() const { return right.down && !right.wasDown; }
    bool leftReleased() const { return left.wasDown && !left.down; }
    // The cursor has been farther than clickSlop from where the left button
    // went down, with the button held; cleared after onButton has seen the
    // release.
    bool leftMovedFar() const { return movedFar; }

private:
    struct ButtonState
    {
        bool down = false;
        bool wasDown = false;
    };

    // Notes a held left button at a point farther than clickSlop from where
    // it went down.
    void noteHeldMove(VideoEngine::OpenGL::Position at);

    ButtonState left;
    ButtonState right;
    std::function<void()> onButton;
    std::function<void()> onMove;
    // Moves that map to the current point again are dropped.
    VideoEngine::OpenGL::Position current{400, 700};
    VideoEngine::OpenGL::Position previous{400, 700};
    VideoEngine::OpenGL::Position leftPressedAt;
    bool movedFar = false;
};

} // namespace GameLogic
