#pragma once
// The mouse as the game sees it: the cursor's point on the 1024 x 768 logical
// screen, the left and right button states with their states before the last
// event, and two callables run on every change. The run's GLUT mouse
// callbacks map window pixels to logical units and pass the events here; a
// click counts on the press edge (down now, not down before the last event).

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

    // Loads the cursor picture (an empty name loads nothing) and places it at
    // (400, 700). Loading failures pass on.
    explicit MouseCursor(const std::string& pictureFile);
    virtual ~MouseCursor() = default;

    MouseCursor(const MouseCursor&) = delete;
    MouseCursor& operator=(const MouseCursor&) = delete;

    // Draws the cursor picture at the cursor position.
    virtual void draw();

    // A move with no button held: on a new point stores it and runs onMove.
    void moveTo(VideoEngine::OpenGL::Position point);

    // A button event: the button states become the previous ones, the cursor
    // moves to the point (onMove sees no fresh press), then the left or right
    // button's new state is recorded and onButton runs. Other buttons change
    // no state but still move the cursor and run onButton.
    void press(int button, bool down, VideoEngine::OpenGL::Position point);

    // A move with a button held: the current button states become the
    // previous ones, so a press is fresh only until the first drag motion;
    // then moves to the point and runs onButton.
    void dragTo(VideoEngine::OpenGL::Position point);

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

} // namespace GameLogic
