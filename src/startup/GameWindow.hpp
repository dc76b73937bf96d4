#pragma once
// The game's window: opened once with the fixed GL state, and fitted again
// whenever its size changes (see FullScreen for its size and F11). The
// reshape callback runs its body inside guardCallback, so what it throws
// ends the phase (see PhaseLoop.hpp).

#include <string>

namespace StartUp
{

// Initialises GLUT (with a command line of its own, never the real one),
// creates the full-screen window titled "123", of class "brickwork-garden"
// (with "display = window" a window placed in the screen's work area, see
// placeWindow),
// and sets the fixed GL state: texturing, alpha blending, the 1024 x 768
// logical projection with the origin top left, fitted into the window (see
// SceneFit). With the pointer hidden by the settings, the window's cursor is
// empty. A window closed by the window manager ends the session
// (onWindowClosed) instead of the process.
void initGraphics();

// The GL renderer's name, or "unknown" when GL does not give one.
std::string rendererName();

// Reshape callback: remembers the window size, restores the logical
// projection and sets the viewport to where the scene fits in the window.
void onReshape(int width, int height);

} // namespace StartUp
