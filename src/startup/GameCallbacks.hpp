#pragma once
// The game phase's callbacks: the window's (GameWindow), input (GameInput)
// and drawing (GameDrawing), installed together, and the phase's idle step,
// which keeps the palace in play, follows the printer, asks for redraws as
// the pacing allows (FramePacing) and fills in the gallery between them, and
// its quiet step. Every callback runs its body inside guardCallback, so what
// it throws ends the phase (see PhaseLoop.hpp).

namespace StartUp
{

// Game-phase idle function: keeps the palace in play when it falls due,
// follows the printer, and requests a redraw when the scene changed (see
// noteSceneChange), the pacing allows one and the level would draw something
// else than the screen shows; with no redraw waiting, fills in one of the
// gallery's thumbnails. Never waits.
void onIdle();

// Game-phase quiet function: the palace in play gets its thumbnail.
void onQuiet();

// How long the game phase may sleep after onIdle: until the pacing allows the
// pending redraw, until the palace in play falls due to be kept or the
// printer to be looked at, at once while the gallery fills in, or until the
// next event when nothing is pending.
int idleWakeAfterMs();

// Enters the game phase's callbacks: display, idle, reshape and mouse.
void registerGameCallbacks();

} // namespace StartUp
