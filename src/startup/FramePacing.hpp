#pragma once
// The pacing of the game phase's redraws: at most one every 26 ms, and only
// when the scene changed and the level would draw something else.

#include <cstdint>

namespace StartUp
{

// The redraw pacing: a redraw is due when more than 25 ms have passed since
// the last (milliseconds, wrapping; 0 means none yet). msUntilRedraw gives
// how long until the next is due, 0 when it is due now or none was yet.
// redrawDue is true when one is due at now and then remembers now; its first
// call only primes lastRedisplayMs and is never due.
int msUntilRedraw(std::uint32_t now, std::uint32_t lastRedisplayMs);
bool redrawDue(std::uint32_t now, std::uint32_t& lastRedisplayMs);

// Game-phase idle function: requests a redraw when the scene changed (see
// noteSceneChange), the pacing allows one and the level would draw something
// else than the screen shows. Never waits.
void onIdle();

// How long the game phase may sleep after onIdle: until the pacing allows the
// pending redraw, or until the next event when nothing is pending.
int idleWakeAfterMs();

} // namespace StartUp
