#include "startup/GameCallbacks.hpp"

#include "platform/Clock.hpp"
#include "startup/CallbackGuard.hpp"
#include "startup/Game.hpp"
#include "startup/GameDrawing.hpp"
#include "startup/GameInput.hpp"
#include "startup/GameWindow.hpp"
#include "startup/PhaseLoop.hpp"

#include <GL/freeglut.h>

namespace StartUp
{

void onIdle()
{
    guardCallback(
        []
        {
            Game& game = *Game::current;
            GameLogic::PalaceBuild::GameLevel* level = game.level();
            if (level)
            {
                level->keepIfDue();
                if (level->followPrinter() || level->followAccess())
                    noteSceneChange();
            }
            // An unchanged scene is not drawn again: a game left alone
            // costs next to nothing. A change waits for the pacing, never
            // longer.
            if (sceneChangePending() && game.pacing().redrawDue(Platform::steadyMilliseconds()))
            {
                forgetSceneChange();
                if (!game.pacing().shows(level ? level->frameSignature() : 0))
                    glutPostRedisplay();
            }
            // The gallery's thumbnails fill in between frames, never
            // holding up one that is due.
            else if (!sceneChangePending() && level && level->followGallery())
                noteSceneChange();
        });
}

void onQuiet()
{
    guardCallback(
        []
        {
            if (GameLogic::PalaceBuild::GameLevel* level = Game::currentLevel())
                level->onQuiet();
        });
}

int idleWakeAfterMs()
{
    // The palace in play falls due to be kept, the printer to be looked
    // at, the access to act by time (a switch's highlight, a resting
    // pointer), the window to follow F11 and the gallery to fill in, too.
    GameLogic::PalaceBuild::GameLevel* level = Game::currentLevel();
    int keep = level ? level->msUntilKeep() : -1;
    if (level && level->fillingGallery() && !sceneChangePending())
        keep = 0;
    // The window follows F11 from a timer, which only a waking loop runs.
    const int window = Game::current->fullScreen().following() ? int(FullScreen::followMs) : -1;
    for (const int due :
         {level ? level->msUntilPrinter() : -1, level ? level->msUntilAccess() : -1, window})
        if (due >= 0 && (keep < 0 || due < keep))
            keep = due;
    if (!sceneChangePending())
        return keep;
    const int redraw = Game::current->pacing().msUntilRedraw(Platform::steadyMilliseconds());
    return keep >= 0 && keep < redraw ? keep : redraw;
}

void registerGameCallbacks()
{
    Game::current->pacing().forgetShown();
    glutDisplayFunc(onDisplay);
    glutReshapeFunc(onReshape);
    glutMouseFunc(onMouse);
    glutMotionFunc(onMotion);
    glutPassiveMotionFunc(onPassiveMotion);
    glutEntryFunc(onEntry);
    setIdleFunc(onIdle, idleWakeAfterMs, onQuiet);
}

} // namespace StartUp
