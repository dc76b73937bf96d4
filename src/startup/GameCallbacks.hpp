#pragma once
// The window and the callbacks of the game phase: frame pacing, drawing the
// level, the projection, the keyboard. Every callback runs its body inside
// guardCallback, so what it throws ends the phase (see PhaseLoop.hpp).

#include "startup/CallbackGuard.hpp"
#include "startup/PhaseLoop.hpp"

#include <GL/freeglut.h>
#include <cstdint>
#include <string>

namespace StartUp
{

// Initialises GLUT (with a command line of its own, never the real one),
// creates the full-screen window titled "123" and sets the fixed GL state:
// texturing, alpha blending, the 1024 x 768 logical projection with the
// origin top left. A window closed by the window manager ends the session
// (onWindowClosed) instead of the process.
void initGraphics();

// The GL renderer's name, or "unknown" when GL does not give one.
std::string rendererName();

// The redraw pacing: true when a redraw is due at now (milliseconds, wrapping)
// and then remembers now. The first call only primes lastRedisplayMs (0 means
// none yet) and is never due; afterwards a redraw is due when more than 25 ms
// have passed.
bool redrawDue(std::uint32_t now, std::uint32_t& lastRedisplayMs);

// Game-phase idle function: requests a redraw when the scene changed (see
// noteSceneChange), the pacing allows one and the level would draw something
// else than the screen shows. Never waits.
void onIdle();

// How long the game phase may sleep after onIdle: until the pacing allows the
// pending redraw, or until the next event when nothing is pending.
int idleWakeAfterMs();

// Reshape callback: remembers the window size, restores the logical
// projection and sets the viewport to the whole window.
void onReshape(int width, int height);

// Keyboard callbacks: Escape is the exit request; every other key goes to the
// callables of globalKeyboard, if set.
void onKeyboard(unsigned char key, int x, int y);
void onSpecial(int key, int x, int y);

// One game frame: clears to opaque yellow (unless the level covers the whole
// window anyway); with a level, draws it, lets the
// level capture the frame just drawn when a capture is due (the back buffer
// is undefined after the swap), swaps and waits for GL to finish. A frame of
// a picture capture asks for the next frame: the capture goes on, or the
// whole screen comes back. Without a level nothing is swapped.
template <class Level> void drawGameFrame(Level* level)
{
    if (!level || !level->coversWindow())
    {
        glClearColor(1.0f, 1.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    if (!level)
        return;
    const bool capturing = level->captureState != 0;
    level->draw();
    glFlush();
    level->captureIfDue();
    glutSwapBuffers();
    glFinish();
    if (capturing)
        noteSceneChange();
}

// Where the game phase finds its level; set by registerGameCallbacks.
template <class Level> Level** gameLevelSlot = nullptr;

// The signature of what the level would draw now (0 without a level), and
// of what the screen shows; onIdle redraws only when they differ.
extern std::uint64_t (*currentSceneSignature)();
extern std::uint64_t shownSceneSignature;

template <class Level> std::uint64_t levelSignature()
{
    Level* level = gameLevelSlot<Level> ? *gameLevelSlot<Level> : nullptr;
    return level ? level->frameSignature() : 0;
}

// Game-phase display callback: draws the level in gameLevelSlot<Level>.
template <class Level> void onDisplay()
{
    guardCallback(
        []
        {
            // Taken before drawing: a frame of a picture capture moves the
            // capture on, and the next frame must differ.
            shownSceneSignature = levelSignature<Level>();
            drawGameFrame(gameLevelSlot<Level> ? *gameLevelSlot<Level> : nullptr);
        });
}

// Enters the game phase's callbacks: onDisplay for the level in slot, onIdle
// and onReshape.
template <class Level> void registerGameCallbacks(Level** slot)
{
    gameLevelSlot<Level> = slot;
    currentSceneSignature = levelSignature<Level>;
    shownSceneSignature = 0;
    glutDisplayFunc(onDisplay<Level>);
    glutReshapeFunc(onReshape);
    setIdleFunc(onIdle, idleWakeAfterMs);
}

} // namespace StartUp
