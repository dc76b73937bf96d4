#include "ui/MouseCursor.hpp"

#include <cstdint>

namespace GameLogic
{

MouseCursor::MouseCursor(const std::string& pictureFile) : picture(pictureFile)
{
    picture.position.x += 400;
    picture.position.y += 700;
}

void MouseCursor::moveTo(VideoEngine::OpenGL::Position point)
{
    if (point == picture.position)
        return;
    picture.position = point;
    previousPosition = position;
    position = point;
    if (onMove)
        onMove();
}

void MouseCursor::press(int button, bool down, VideoEngine::OpenGL::Position point)
{
    // The states before this event become the previous states, and the move
    // to the event's point is made with them, so that a press arriving at a
    // new point is fresh for onButton alone: run by onMove as well, it would
    // fire a command twice.
    leftWasDown = leftDown;
    rightWasDown = rightDown;
    const bool leftPress = button == leftButton && down && !leftDown;
    const bool leftRelease = button == leftButton && !down && leftDown;
    if (leftRelease)
        noteHeldMove(point);
    moveTo(point);
    if (leftPress)
        leftPressedAt = point;
    if (button == leftButton)
        leftDown = down;
    else if (button == rightButton)
        rightDown = down;
    if (onButton)
        onButton();
    // The held move ends with its release, once onButton has seen it.
    if (leftRelease)
        leftMovedFar = false;
}

void MouseCursor::dragTo(VideoEngine::OpenGL::Position point)
{
    leftWasDown = leftDown;
    rightWasDown = rightDown;
    noteHeldMove(point);
    moveTo(point);
    if (onButton)
        onButton();
}

void MouseCursor::noteHeldMove(VideoEngine::OpenGL::Position point)
{
    const std::int64_t dx = std::int64_t(point.x) - leftPressedAt.x;
    const std::int64_t dy = std::int64_t(point.y) - leftPressedAt.y;
    if (leftDown && dx * dx + dy * dy > std::int64_t(clickSlop) * clickSlop)
        leftMovedFar = true;
}

} // namespace GameLogic
