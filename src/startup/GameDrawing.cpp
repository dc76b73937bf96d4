#include "startup/GameDrawing.hpp"

#include "startup/CallbackGuard.hpp"
#include "startup/Game.hpp"
#include "startup/PhaseLoop.hpp"
#include "video/KeptGLState.hpp"

#include <GL/freeglut.h>

namespace StartUp
{

namespace
{

// A frame of a picture capture drawn offscreen at the logical screen's own
// size, so that the saved picture is the one a 1024 x 768 screen would give;
// the window keeps showing the frame before the capture. False, with nothing
// drawn, where the GL has no offscreen pictures; shown is then the frame's
// signature.
bool drawCaptureOffscreen(Game& game, GameLogic::PalaceBuild::GameLevel& level,
                          std::uint64_t& shown)
{
    if (!game.offscreen().begin())
        return false;
    if (!level.coversWindow())
    {
        const VideoEngine::OpenGL::KeptGLState kept(GL_COLOR_BUFFER_BIT);
        glClearColor(1.0f, 1.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    shown = level.draw();
    game.offscreen().end();
    noteSceneChange();
    return true;
}

} // namespace

std::uint64_t drawGameFrame()
{
    Game& game = *Game::current;
    GameLogic::PalaceBuild::GameLevel* level = game.level();
    const bool capturing = level && level->capture().pending();
    std::uint64_t shown = 0;
    if (capturing && !game.fullScreen().modeSwitched() && drawCaptureOffscreen(game, *level, shown))
        return shown;
    game.sceneFit().clear(!level || !level->coversWindow(), 1.0f, 1.0f, 0.0f);
    if (!level)
        return 0;
    shown = level->draw();
    glutSwapBuffers();
    glFinish();
    if (capturing)
        noteSceneChange();
    return shown;
}

void onDisplay()
{
    guardCallback([] { Game::current->pacing().drawn(drawGameFrame()); });
}

} // namespace StartUp
