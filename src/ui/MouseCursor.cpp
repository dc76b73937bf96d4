#include "ui/MouseCursor.hpp"

#include <cstdint>
#include <utility>

namespace GameLogic
{

void MouseCursor::setHandlers(std::function<void()> buttonHandler,
                              std::function<void()> moveHandler)
{
    onButton = std::move(buttonHandler);
    onMove = std::move(moveHandler);
}

void MouseCursor::moveTo(VideoEngine::OpenGL::Position to)
{
    if (to == current)
        return;
    previous = current;
    current = to;
    if (onMove)
        onMove();
}

void MouseCursor::press(int button, bool down, VideoEngine::OpenGL::Position at)
{
    // The states before this event become the previous states, and the move
    // to the event's point is made with them, so that a press arriving at a
    // new point is fresh for onButton alone: run by onMove as well, it would
    // fire a command twice.
    left.wasDown = left.down;
    right.wasDown = right.down;
    const bool leftPress = button == leftButton && down && !left.down;
    const bool leftRelease = button == leftButton && !down && left.down;
    if (leftRelease)
        noteHeldMove(at);
    moveTo(at);
    if (leftPress)
        leftPressedAt = at;
    if (button == leftButton)
        left.down = down;
    else if (button == rightButton)
        right.down = down;
    if (onButton)
        onButton();
    // The held move ends with its release, once onButton has seen it.
    if (leftRelease)
        movedFar = false;
}

void MouseCursor::dragTo(VideoEngine::OpenGL::Position to)
{
    left.wasDown = left.down;
    right.wasDown = right.down;
    noteHeldMove(to);
    moveTo(to);
    if (onButton)
        onButton();
}

void MouseCursor::noteHeldMove(VideoEngine::OpenGL::Position at)
{
    const std::int64_t dx = std::int64_t(at.x) - leftPressedAt.x;
    const std::int64_t dy = std::int64_t(at.y) - leftPressedAt.y;
    if (left.down && dx * dx + dy * dy > std::int64_t(clickSlop) * clickSlop)
        movedFar = true;
}

} // namespace GameLogic
