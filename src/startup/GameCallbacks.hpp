#pragma once
// The callbacks of the game phase, by job: the window (GameWindow), F11
// (FullScreen), the frame pacing (FramePacing), input (GameInput) and
// drawing (GameDrawing). Every callback runs its body inside guardCallback,
// so what it throws ends the phase (see PhaseLoop.hpp).

#include "startup/FramePacing.hpp"
#include "startup/GameDrawing.hpp"
#include "startup/GameInput.hpp"
#include "startup/GameWindow.hpp"

namespace StartUp
{

// Enters the game phase's callbacks: display, idle, reshape and mouse.
void registerGameCallbacks();

} // namespace StartUp
