#include "startup/PhaseLoop.hpp"

#include "platform/Termination.hpp"
#include "startup/CallbackGuard.hpp"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <cerrno>
#include <poll.h>

namespace StartUp
{
namespace
{

void (*idleFunc)() = nullptr;
bool windowClosed = false;

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
    for (;;)
    {
        throwIfEndedFromOutside();
        if (idleFunc)
            idleFunc();
        rethrowPending();
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

bool sessionEndedFromOutside()
{
    return windowClosed || Platform::terminationRequested();
}

} // namespace StartUp
