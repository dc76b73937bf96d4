#pragma once
// Requests to end the process from outside: SIGINT, SIGTERM and SIGHUP are
// caught and only noted, so that the game ends through its ordinary path and
// restores the display mode. A blocking wait is cut short by them.

namespace Platform
{

// Installs the handlers; call once at start.
void catchTerminationSignals();

// True once one of the signals has arrived.
bool terminationRequested();

// A descriptor that becomes readable when one of the signals arrives, for
// waits that must end at once; -1 before catchTerminationSignals.
int terminationDescriptor();

// Throws std::runtime_error "Terminated" once one of the signals has arrived:
// long work calls it between its steps, so that the game ends promptly.
void throwIfTerminated();

} // namespace Platform
