#pragma once
// The program's own main loop. freeglut's glutMainLoop cannot be left by an
// exception and destroys the window when left by glutLeaveMainLoop, so each
// run phase runs here instead: GLUT events, then the phase's idle function,
// then a short wait on the X connection. A phase ends when a callback has
// recorded an exception (see CallbackGuard.hpp); runPhase rethrows it.

#include <stdexcept>

namespace StartUp
{

// Ends a phase when the game is asked to stop from outside: a termination
// signal, or the window closed through the window manager. The window may be
// gone, so no further phase is shown.
class SessionEnded : public std::runtime_error
{
public:
    explicit SessionEnded(const char* message) : std::runtime_error(message) {}
};

// The idle function the loop calls between events; null calls nothing. Stands
// for glutIdleFunc, which the loop never reaches. wakeAfterMs tells how long
// the loop may then sleep when no event comes: milliseconds, or -1 for
// until the next event. Without it the loop wakes every few milliseconds.
// quiet, when given, runs once the phase has had nothing to do for a second
// after having had work (then freed memory goes back to the system too).
void setIdleFunc(void (*idle)(), int (*wakeAfterMs)() = nullptr, void (*quiet)() = nullptr);

// Runs GLUT events and the idle function until a callback records an
// exception, then rethrows it. Throws SessionEnded when the session was ended
// from outside. Never returns normally.
[[noreturn]] void runPhase();

// GLUT close callback: the window manager closed the window. Treated as the
// exit request, and no later phase is shown.
void onWindowClosed();

// Called whenever what is on screen may have changed: by the input callbacks
// (keys, mouse, resizing) before their work, and by a frame that leaves work
// for the next one. The change stays noted until forgetSceneChange, so
// however long the work takes, its result is drawn.
void noteSceneChange();

// True while a noted change waits for its redraw.
bool sceneChangePending();

// The redraw for the noted change is under way.
void forgetSceneChange();

// Makes a window destroyed by another client end the session like a closed
// one, also when the game draws into it before noticing. Call once the window
// exists.
void watchForLostWindow();

// True after a termination signal or the window's closing.
bool sessionEndedFromOutside();

} // namespace StartUp
