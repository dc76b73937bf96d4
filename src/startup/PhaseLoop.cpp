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

// True for the events after which the scene may look different: input,
// exposure, resizing, mapping, focus, window-manager messages. Not for the
// events the GL driver's own buffer swaps cause.
Bool changesScene(Display*, XEvent* event, XPointer found)
{
    switch (event->type)
    {
    case KeyPress:
    case KeyRelease:
    case ButtonPress:
    case ButtonRelease:
    case MotionNotify:
    case EnterNotify:
    case LeaveNotify:
    case FocusIn:
    case FocusOut:
    case Expose:
    case VisibilityNotify:
    case MapNotify:
    case ConfigureNotify:
    case ClientMessage:
        *reinterpret_cast<bool*>(found) = true;
        break;
    default:
        break;
    }
    return False; // only looks: the events stay queued for GLUT
}

// Notes the time when such events wait to be handled.
void noteInput()
{
    Display* display = glXGetCurrentDisplay();
    if (!display)
        return;
    bool found = false;
    XEvent unused;
    XCheckIfEvent(display, &unused, changesScene, reinterpret_cast<XPointer>(&found));
    if (found)
        lastInputMs = Platform::steadyMilliseconds();
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
    lastInputMs = Platform::steadyMilliseconds();
    for (;;)
    {
        throwIfEndedFromOutside();
        if (idleFunc)
            idleFunc();
        rethrowPending();
        noteInput();
        glutMainLoopEvent();
        rethrowPending();
        waitForEvents();
    }
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

bool sceneMayChange(std::uint32_t now)
{
    return now - lastInputMs < quietAfterMs;
}

bool sessionEndedFromOutside()
{
    return windowClosed || Platform::terminationRequested();
}

} // namespace StartUp
