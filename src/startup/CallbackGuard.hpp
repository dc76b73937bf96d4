#pragma once
// GLUT is a C library: an exception must never unwind through it. Every GLUT
// callback runs its body inside guardCallback, which records the first
// exception that escapes; the phase loop sees it pending, leaves, and
// rethrows it in main, so the run phases end exactly as if the exception had
// left the main loop itself.

#include <exception>
#include <utility>

namespace StartUp
{

// Records an escaped exception unless one is already pending.
void recordException(std::exception_ptr exception);

// True while a recorded exception waits to be rethrown.
bool exceptionPending();

// Throws the recorded exception and forgets it; does nothing when none is pending.
void rethrowPending();

// Runs body, recording whatever it throws. Does not run body while an
// exception is pending: the phase is already ending.
template <class Body> void guardCallback(Body&& body)
{
    if (exceptionPending())
        return;
    try
    {
        std::forward<Body>(body)();
    }
    catch (...)
    {
        recordException(std::current_exception());
    }
}

} // namespace StartUp
