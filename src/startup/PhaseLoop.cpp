#include "startup/PhaseLoop.hpp"

#include "platform/Memory.hpp"
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
int (*wakeAfterFunc)() = nullptr;
void (*quietFunc)() = nullptr;
bool windowClosed = false;
bool sceneChanged = false;
// Whether freed memory went back to the system since the last timed wait.
bool memoryReleased = false;

// The wait between two idle calls of a phase that sets no wake-up time.
constexpr int defaultWaitMs = 4;
// How long the game is quiet before it gives freed memory back: a pause of
// the child's, not the gap between two mouse moves.
constexpr int settleMs = 1000;

// Sleeps until the X connection has input, a termination signal arrives or
// the idle function's wake-up time has passed. Events Xlib has already read
// from the connection are handled first, without sleeping. When the phase
// has nothing left to do after having had work, its quiet function runs and
// freed memory goes back to the system once it has been quiet for settleMs.
void waitForEvents()
{
    Display* display = glXGetCurrentDisplay();
    int timeoutMs = wakeAfterFunc ? wakeAfterFunc() : defaultWaitMs;
    if (display && XEventsQueued(display, QueuedAlready) > 0)
        timeoutMs = 0;
    struct pollfd waits[2] = {};
    nfds_t count = 0;
    if (display)
        waits[count++] = {ConnectionNumber(display), POLLIN, 0};
    if (Platform::terminationDescriptor() != -1)
        waits[count++] = {Platform::terminationDescriptor(), POLLIN, 0};
    if (timeoutMs >= 0)
        memoryReleased = false;
    else if (!memoryReleased)
    {
        if (poll(waits, count, settleMs) != 0)
            return;
        if (quietFunc)
            quietFunc();
        Platform::releaseFreeMemory();
        memoryReleased = true;
    }
    poll(waits, count, timeoutMs);
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

void setIdleFunc(void (*idle)(), int (*wakeAfterMs)(), void (*quiet)())
{
    idleFunc = idle;
    wakeAfterFunc = wakeAfterMs;
    quietFunc = quiet;
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
    sceneChanged = true;
}

void forgetSceneChange()
{
    sceneChanged = false;
}

bool sceneChangePending()
{
    return sceneChanged;
}

bool sessionEndedFromOutside()
{
    return windowClosed || Platform::terminationRequested();
}

} // namespace StartUp
