#pragma once
// The program's own main loop. freeglut's glutMainLoop cannot be left by an
// exception and destroys the window when left by glutLeaveMainLoop, so each
// run phase runs here instead: GLUT events, then the phase's idle function,
// then a short wait on the X connection. A phase ends when a callback has
// recorded an exception (see CallbackGuard.hpp); runPhase rethrows it.

#include <cstdint>
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
// for glutIdleFunc, which the loop never reaches.
void setIdleFunc(void (*idle)());

// Runs GLUT events and the idle function until a callback records an
// exception, then rethrows it. Throws SessionEnded when the session was ended
// from outside. Never returns normally.
[[noreturn]] void runPhase();

// GLUT close callback: the window manager closed the window. Treated as the
// exit request, and no later phase is shown.
void onWindowClosed();

// The game changes its scene only in answer to input: true within a second
// of the last input callback, or of the phase's start. now is a time of
// Platform::steadyMilliseconds.
bool sceneMayChange(std::uint32_t now);

// Called by the input callbacks (keys, mouse, resizing): what they do may
// change the scene, so redraws resume for a second.
void noteSceneChange();

// Makes a window destroyed by another client end the session like a closed
// one, also when the game draws into it before noticing. Call once the window
// exists.
void watchForLostWindow();

// True after a termination signal or the window's closing.
bool sessionEndedFromOutside();

} // namespace StartUp
