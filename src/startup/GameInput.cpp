#include "startup/GameInput.hpp"

#include "play/MouseHandler.hpp"
#include "platform/KeyModifiers.hpp"
#include "startup/CallbackGuard.hpp"
#include "startup/CurrentLevel.hpp"
#include "startup/FullScreen.hpp"
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
            if (GameLogic::PalaceBuild::GameLevel* level = currentLevel())
                body(level->mouse(), Game::current->logicalPoint(x, y));
        });
}

// Ctrl+Shift+Z reaches the level as Ctrl+Y: both redo.
unsigned char redoByShift(unsigned char key, const Platform::KeyModifiers& held)
{
    using GameLogic::PalaceBuild::GameLevel;
    return key == GameLevel::undoKey && held.shift ? GameLevel::redoKey : key;
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
            const bool modified = key == 27 || key == GameLevel::undoKey;
            const Platform::KeyModifiers held = modified ? Platform::keyModifiers()
                                                         : Platform::KeyModifiers{};
            GameLevel* level = currentLevel();
            if (key == 27 && !(level && level->galleryOpen()))
            {
                // Under the child lock only Ctrl+Shift+Escape ends the game.
                if (!Game::current->settings.lock || (held.control && held.shift))
                    GameLogic::requestExit();
                return;
            }
            GameLogic::Keyboard& keyboard = Game::current->keyboard;
            if (keyboard.keyFunc)
                keyboard.keyFunc(redoByShift(key, held));
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
            GameLogic::Keyboard& keyboard = Game::current->keyboard;
            if (keyboard.specialFunc)
                keyboard.specialFunc(key);
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

} // namespace StartUp
