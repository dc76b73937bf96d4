#include "startup/FullScreen.hpp"

#include "startup/PhaseLoop.hpp"

#include <GL/freeglut.h>

namespace StartUp
{

namespace
{

// Puts the window where Game::windowed says, once freeglut has left the full
// screen: when it does, it gives the window back its size from before, the
// whole screen where the game began full screen.
void placeWindowed(int)
{
    if (glutGet(GLUT_FULL_SCREEN))
    {
        // Also keeps the loop awake for the timer.
        noteSceneChange();
        glutTimerFunc(0, placeWindowed, 0);
        return;
    }
    if (const Game* game = Game::current)
    {
        glutPositionWindow(game->windowed.left, game->windowed.top);
        glutReshapeWindow(game->windowed.width, game->windowed.height);
    }
}

} // namespace

void toggleFullScreen(Game& game)
{
    if (game.settings.lock || game.modeSwitched)
        return;
    if (game.fullScreen)
    {
        // freeglut gives the window back the size it had before it filled
        // the screen once this callback returns; then it goes where it goes.
        glutLeaveFullScreen();
        glutTimerFunc(0, placeWindowed, 0);
    }
    else
    {
        game.windowed = {glutGet(GLUT_WINDOW_X), glutGet(GLUT_WINDOW_Y), game.windowWidth,
                         game.windowHeight};
        // From the origin, as at the start (see initGraphics).
        glutPositionWindow(0, 0);
        glutFullScreen();
    }
    game.fullScreen = !game.fullScreen;
}

} // namespace StartUp
