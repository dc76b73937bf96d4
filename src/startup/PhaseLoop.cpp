#include "startup/PhaseLoop.hpp"

#include "platform/Clock.hpp"
#include "platform/Termination.hpp"
#include "startup/CallbackGuard.hpp"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <poll.h>

namespace StartUp
{
namespace
{

void (*idleFunc)() = nullptr;
bool windowClosed = false;
std::uint32_t lastInputMs = 0;

// How long after the last X event the scene counts as possibly changing.
constexpr std::uint32_t quietAfterMs = 1000;

// Longest wait for X events between two idle calls. Short enough for the
// 26 ms redraw pacing, long enough that an idle game costs next to nothing.
constexpr int waitMs = 4;

// Sleeps until the X connection has input or waitMs passed; a signal cuts it
// short.
void waitForEvents()
{
    Display* display = glXGetCurrentDisplay();
    struct pollfd connection = {};
    connection.fd = display ? ConnectionNumber(display) : -1;
    connection.events = POLLIN;
    poll(&connection, display ? 1 : 0, waitMs);
}

// Notes, without taking it from the queue, whether another client destroyed
// the game's window: freeglut would not notice, and the session has to end.
// (Redraws after input need no look at the queue: the input callbacks note
// them, and GLUT redraws exposed windows itself.)
Bool findDestroyedWindow(Display*, XEvent* event, XPointer destroyed)
{
    if (event->type == DestroyNotify && event->xdestroywindow.window == glXGetCurrentDrawable())
        *reinterpret_cast<bool*>(destroyed) = true;
    return False; // only looks: the events stay queued for GLUT
}

XErrorHandler previousErrorHandler = nullptr;

// Drawing into the window after another client destroyed it fails; that ends
// the session instead of the process. Every other error goes to the handler
// that was in place.
int onXError(Display* display, XErrorEvent* error)
{
    const bool windowGone = (error->error_code == BadDrawable || error->error_code == BadWindow) &&
                            error->resourceid == glXGetCurrentDrawable();
    if (windowGone)
    {
        onWindowClosed();
        return 0;
    }
    return previousErrorHandler ? previousErrorHandler(display, error) : 0;
}

// Looks at the events waiting to be handled.
void lookAtQueuedEvents()
{
    Display* display = glXGetCurrentDisplay();
    if (!display)
        return;
    bool destroyed = false;
    XEvent unused;
    XCheckIfEvent(display, &unused, findDestroyedWindow, reinterpret_cast<XPointer>(&destroyed));
    if (destroyed)
        onWindowClosed();
}

void throwIfEndedFromOutside()
{
    if (Platform::terminationRequested())
        throw SessionEnded("Terminated");
}

} // namespace

void setIdleFunc(void (*idle)())
{
    idleFunc = idle;
}

void runPhase()
{
    noteSceneChange();
    for (;;)
    {
        throwIfEndedFromOutside();
        if (idleFunc)
            idleFunc();
        rethrowPending();
        lookAtQueuedEvents();
        rethrowPending();
        glutMainLoopEvent();
        rethrowPending();
        waitForEvents();
    }
}

void watchForLostWindow()
{
    if (!previousErrorHandler)
        previousErrorHandler = XSetErrorHandler(onXError);
}

void onWindowClosed()
{
    guardCallback(
        []
        {
            windowClosed = true;
            throw SessionEnded("exit");
        });
}

void noteSceneChange()
{
    lastInputMs = Platform::steadyMilliseconds();
}

bool sceneMayChange(std::uint32_t now)
{
    return now - lastInputMs < quietAfterMs;
}

bool sessionEndedFromOutside()
{
    return windowClosed || Platform::terminationRequested();
}

} // namespace StartUp
