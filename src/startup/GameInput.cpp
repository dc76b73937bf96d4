#include "startup/GameInput.hpp"

#include "platform/Clock.hpp"
#include "platform/KeyModifiers.hpp"
#include "play/MouseHandler.hpp"
#include "startup/CallbackGuard.hpp"
#include "startup/Game.hpp"
#include "startup/PhaseLoop.hpp"
#include "ui/ExitRequest.hpp"

#include <GL/freeglut.h>

namespace StartUp
{

namespace
{

// Runs body on the level's mouse handler inside the callback guard, with the
// window pixel (x, y) as a logical point.
template <class Body> void withMouse(int x, int y, Body&& body)
{
    guardCallback(
        [&]
        {
            noteSceneChange();
            if (GameLogic::PalaceBuild::GameLevel* level = Game::currentLevel())
                body(level->mouse(), Game::current->logicalPoint(x, y));
        });
}

// Brings the window to what the current game's FullScreen asks, one look at
// a time: a timer looks again meanwhile, so that no press is lost.
void followFullScreen(int)
{
    Game* game = Game::current;
    if (!game || !game->fullScreen().follow(Platform::steadyMilliseconds()))
        return;
    // The loop wakes for it (see idleWakeAfterMs).
    glutTimerFunc(FullScreen::followMs, followFullScreen, 0);
}

// F11 where the display mode was kept ("display = window" or "keep", or a
// switch that did not happen): the window fills the screen, or becomes the
// window again at its size and place (at first the window "display =
// window" would open), the display mode never changing. Every press counts,
// however quick; the window follows. Nothing happens under the child lock,
// nor on a switched mode.
void toggleFullScreen(Game& game)
{
    if (game.settings().lock || !game.fullScreen().toggle())
        return;
    // From a timer, after every event at hand: a request made there is
    // passed on before the next event, this press's place among them.
    noteSceneChange();
    glutTimerFunc(0, followFullScreen, 0);
}

// Ctrl+Shift+Z reaches the level as Ctrl+Y: both redo. Shift+Tab reaches
// it as its own code.
unsigned char byShift(unsigned char key, const Platform::KeyModifiers& held)
{
    using GameLogic::PalaceBuild::GameLevel;
    if (!held.shift)
        return key;
    return key == GameLevel::undoKey ? GameLevel::redoKey
           : key == '\t'             ? GameLevel::backTabKey
                                     : key;
}

} // namespace

void onKeyboard(unsigned char key, int, int)
{
    guardCallback(
        [key]
        {
            noteSceneChange();
            using GameLogic::PalaceBuild::GameLevel;
            // Only these keys ask which modifiers are held.
            const bool modified = key == 27 || key == GameLevel::undoKey || key == '\t';
            const Platform::KeyModifiers held =
                modified ? Platform::keyModifiers() : Platform::KeyModifiers{};
            GameLevel* level = Game::currentLevel();
            if (key == 27 && !(level && level->galleryOpen()))
            {
                // Under the child lock only Ctrl+Shift+Escape ends the game.
                if (!Game::current->settings().lock || (held.control && held.shift))
                    GameLogic::requestExit();
                return;
            }
            Game::current->pressKey(byShift(key, held));
        });
}

void onSpecial(int key, int, int)
{
    guardCallback(
        [key]
        {
            noteSceneChange();
            if (key == GLUT_KEY_F11)
            {
                toggleFullScreen(*Game::current);
                return;
            }
            Game::current->pressSpecial(key);
        });
}

void onMouse(int button, int state, int x, int y)
{
    withMouse(x, y,
              [&](GameLogic::MouseCursor& cursor, VideoEngine::OpenGL::Position point)
              { cursor.press(button, state == GLUT_DOWN, point); });
}

void onMotion(int x, int y)
{
    withMouse(x, y,
              [](GameLogic::MouseCursor& cursor, VideoEngine::OpenGL::Position point)
              { cursor.dragTo(point); });
}

void onPassiveMotion(int x, int y)
{
    withMouse(x, y,
              [](GameLogic::MouseCursor& cursor, VideoEngine::OpenGL::Position point)
              { cursor.moveTo(point); });
}

void onEntry(int state)
{
    guardCallback(
        [state]
        {
            noteSceneChange();
            GameLogic::PalaceBuild::GameLevel* level = Game::currentLevel();
            if (level && state == GLUT_LEFT)
                level->pointerLeft();
        });
}

} // namespace StartUp
