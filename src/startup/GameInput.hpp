#pragma once
// The keyboard and mouse callbacks of the run: keys and clicks on their way
// to the level, F11 to the window (see FullScreen). Every callback runs its
// body inside guardCallback, so what it throws ends the phase (see
// PhaseLoop.hpp).

namespace StartUp
{

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
// The pointer enters (GLUT_ENTERED) or leaves (GLUT_LEFT) the window; on
// leaving, the level forgets the pointer's rest.
void onEntry(int state);

} // namespace StartUp
