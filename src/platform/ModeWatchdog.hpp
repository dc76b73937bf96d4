#pragma once
// A guard for the user's display mode that survives the game: a small child
// process that switches the display back to the saved mode when the game dies
// without doing so itself (killed, crashed, ended by exit() deep inside a
// library). It learns of the death from the end of a pipe whose writing end
// only the game holds. It runs in a session of its own, so that signalling
// the game's process group leaves it be. Start it before any thread or X
// connection exists.

#include "platform/DisplayMode.hpp"

#include <sys/types.h>

namespace Platform
{

class ModeWatchdog
{
public:
    // Starts the watchdog for saved. When the process cannot be started the
    // game runs unguarded.
    explicit ModeWatchdog(const DisplayMode& saved);
    // Tells the watchdog that the game restored the mode (unless
    // restoreInstead was called), and reaps it.
    ~ModeWatchdog();

    // The game could not restore the mode itself: lets the watchdog try, and
    // waits until it has.
    void restoreInstead();
    ModeWatchdog(const ModeWatchdog&) = delete;
    ModeWatchdog& operator=(const ModeWatchdog&) = delete;

private:
    int writeEnd = -1;
    pid_t child = -1;
};

} // namespace Platform
