#pragma once
// The mouse as the game sees it: GLUT window pixels mapped to the 1024 x 768
// logical screen, the left and right button states with their states before
// the last event, and two callables run on every change. The GLUT callbacks
// act on globalMouseCursor; a click counts on the press edge (down now, not
// down before the last event).

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
    // Loads the cursor picture (an empty name loads nothing), places it at
    // (400, 700) and registers mouseCallback, moveTo and motionCallback as
    // the GLUT mouse, passive-motion and motion callbacks of the current
    // window. Loading failures pass on.
    explicit MouseCursor(const std::string& pictureFile);

    // Unregisters the three GLUT mouse callbacks, unless a newer cursor has
    // registered them since.
    virtual ~MouseCursor();

    MouseCursor(const MouseCursor&) = delete;
    MouseCursor& operator=(const MouseCursor&) = delete;

    // Draws the cursor picture at the cursor position.
    virtual void draw();

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
};

// GLUT passive-motion callback: maps (x, y) by screenWidth and screenHeight to
// logical units; on a new position stores it and runs onMove.
void moveTo(int x, int y);

// GLUT mouse callback: the button states become the previous ones, the
// cursor moves to (x, y) (onMove sees no fresh press), then the left (0) or
// right (2) button's new state is recorded and onButton runs. Other buttons
// change no state but still move the cursor and run onButton.
void mouseCallback(int button, int state, int x, int y);

// GLUT motion callback (moving with a button held): the current button states
// become the previous ones, so a press is fresh only until the first drag
// motion; then moves to (x, y) and runs onButton.
void motionCallback(int x, int y);

} // namespace GameLogic
