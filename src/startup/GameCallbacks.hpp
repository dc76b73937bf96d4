#pragma once
// The window and the callbacks of the game phase: frame pacing, drawing the
// level, the projection, the keyboard. Every callback runs its body inside
// guardCallback, so what it throws ends the phase (see PhaseLoop.hpp).

#include <cstdint>
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

// Reshape callback: remembers the window size, restores the logical
// projection and sets the viewport to where the scene fits in the window.
void onReshape(int width, int height);

// Keyboard callbacks: Escape is the exit request (under the child lock only
// with Ctrl and Shift held); where the display mode was kept, F11 switches
// between the window and the full screen, not under the child lock;
// every other key goes to the callables of the current game's keyboard, if
// set.
void onKeyboard(unsigned char key, int x, int y);
void onSpecial(int key, int x, int y);

// Mouse callbacks of the game phase: the window pixel goes to the level's
// mouse handler as a logical point (see MouseCursor for what each does).
void onMouse(int button, int state, int x, int y);
void onMotion(int x, int y);
void onPassiveMotion(int x, int y);

// One game frame of the current game: clears the bars, if any, to black and
// the scene to opaque yellow (unless the level covers it anyway); with a
// level, draws it, lets the level capture the frame just drawn when a capture
// is due (the back buffer is undefined after the swap), swaps and waits for
// GL to finish. Where the run did not switch the display mode, the frames of
// a picture capture are drawn offscreen at 1024 x 768 instead and nothing is
// swapped. A frame of a picture capture asks for the next frame: the capture
// goes on, or the whole screen comes back. Without a level nothing is
// swapped. Returns the signature of the frame drawn, taken before drawing
// (a frame of a picture capture moves the capture on, and the next frame
// must differ); 0 without a level.
std::uint64_t drawGameFrame();

// Game-phase display callback: draws the current game's level.
void onDisplay();

// Enters the game phase's callbacks: display, idle, reshape and mouse.
void registerGameCallbacks();

} // namespace StartUp
