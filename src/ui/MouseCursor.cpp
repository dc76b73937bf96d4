#include "ui/MouseCursor.hpp"

#include "startup/CallbackGuard.hpp"
#include "startup/Globals.hpp"
#include "startup/PhaseLoop.hpp"

#include <GL/freeglut.h>
#include <cassert>
#include <memory>

namespace GameLogic
{
namespace
{
// The cursor whose construction registered the GLUT mouse callbacks last; only
// it unregisters them, so a cursor replaced by a newer one leaves the newer
// one's callbacks in place.
const MouseCursor* registeredCursor = nullptr;

constexpr int glutLeft = 0;
constexpr int glutRight = 2;
constexpr int glutDown = 0;

void moveCursor(MouseCursor& cursor, int x, int y)
{
    assert(screenWidth != 0 && screenHeight != 0 &&
           "set screenWidth and screenHeight from the display mode before mouse events arrive");
    const VideoEngine::OpenGL::Position logical{x * 1024 / screenWidth, y * 768 / screenHeight};
    if (logical == cursor.picture.position)
        return;
    cursor.picture.position = logical;
    cursor.previousPosition = cursor.position;
    cursor.position = logical;
    if (cursor.onMove)
        cursor.onMove();
}

// Runs body on the global cursor inside the callback guard. A local copy of
// the pointer keeps the cursor alive while its callables run.
template <class Body> void withGlobalCursor(Body&& body)
{
    StartUp::guardCallback(
        [&]
        {
            StartUp::noteSceneChange();
            std::shared_ptr<MouseCursor> cursor = globalMouseCursor;
            if (cursor)
                body(*cursor);
        });
}
} // namespace

MouseCursor::MouseCursor(const std::string& pictureFile) : picture(pictureFile)
{
    picture.position.x += 400;
    picture.position.y += 700;
    assert(glutGet(GLUT_INIT_STATE) && glutGetWindow() != 0 &&
           "create the GLUT window before the mouse cursor");
    glutMouseFunc(mouseCallback);
    glutPassiveMotionFunc(moveTo);
    glutMotionFunc(motionCallback);
    registeredCursor = this;
}

MouseCursor::~MouseCursor()
{
    if (registeredCursor != this)
        return;
    registeredCursor = nullptr;
    // At process exit GLUT may be gone already, and then there is nothing to
    // unregister.
    if (!glutGet(GLUT_INIT_STATE) || glutGetWindow() == 0)
        return;
    glutMouseFunc(nullptr);
    glutPassiveMotionFunc(nullptr);
    glutMotionFunc(nullptr);
}

void MouseCursor::draw()
{
    picture.drawAt(position.x, position.y);
}

void moveTo(int x, int y)
{
    withGlobalCursor([&](MouseCursor& cursor) { moveCursor(cursor, x, y); });
}

void mouseCallback(int button, int state, int x, int y)
{
    withGlobalCursor(
        [&](MouseCursor& cursor)
        {
            // The states before this event become the previous states, and
            // the move to the event's point is made with them, so that a
            // press arriving at a new point is fresh for onButton alone: run
            // by onMove as well, it would fire a command twice.
            cursor.leftWasDown = cursor.leftDown;
            cursor.rightWasDown = cursor.rightDown;
            moveCursor(cursor, x, y);
            if (button == glutLeft)
                cursor.leftDown = state == glutDown;
            else if (button == glutRight)
                cursor.rightDown = state == glutDown;
            if (cursor.onButton)
                cursor.onButton();
        });
}

void motionCallback(int x, int y)
{
    withGlobalCursor(
        [&](MouseCursor& cursor)
        {
            cursor.leftWasDown = cursor.leftDown;
            cursor.rightWasDown = cursor.rightDown;
            moveCursor(cursor, x, y);
            if (cursor.onButton)
                cursor.onButton();
        });
}

} // namespace GameLogic
