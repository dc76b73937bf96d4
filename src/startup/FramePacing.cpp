#include "startup/FramePacing.hpp"

#include "platform/Clock.hpp"
#include "startup/CallbackGuard.hpp"
#include "startup/CurrentLevel.hpp"
#include "startup/Game.hpp"
#include "startup/PhaseLoop.hpp"

#include <GL/freeglut.h>

namespace StartUp
{

namespace
{

// What the level would draw now; 0 without a level.
std::uint64_t levelSignature()
{
    GameLogic::PalaceBuild::GameLevel* level = currentLevel();
    return level ? level->frameSignature() : 0;
}

} // namespace

int msUntilRedraw(std::uint32_t now, std::uint32_t lastRedisplayMs)
{
    if (lastRedisplayMs == 0)
        return 0;
    const std::uint32_t since = now - lastRedisplayMs;
    return since > 25 ? 0 : static_cast<int>(26 - since);
}

bool redrawDue(std::uint32_t now, std::uint32_t& lastRedisplayMs)
{
    if (lastRedisplayMs == 0)
        lastRedisplayMs = now - 25;
    if (msUntilRedraw(now, lastRedisplayMs) > 0)
        return false;
    lastRedisplayMs = now;
    return true;
}

void onIdle()
{
    guardCallback(
        []
        {
            if (GameLogic::PalaceBuild::GameLevel* level = currentLevel())
            {
                level->keepIfDue();
                if (level->followPrinter())
                    noteSceneChange();
            }
            // An unchanged scene is not drawn again: a game left alone
            // costs next to nothing. A change waits for the pacing, never
            // longer.
            if (sceneChangePending() &&
                redrawDue(Platform::steadyMilliseconds(), Game::current->lastRedisplayMs))
            {
                forgetSceneChange();
                if (levelSignature() != Game::current->shownSignature)
                    glutPostRedisplay();
            }
        });
}

int idleWakeAfterMs()
{
    // The palace in play falls due to be kept, and the printer to be looked
    // at, too.
    GameLogic::PalaceBuild::GameLevel* level = currentLevel();
    int keep = level ? level->msUntilKeep() : -1;
    const int printer = level ? level->msUntilPrinter() : -1;
    if (printer >= 0 && (keep < 0 || printer < keep))
        keep = printer;
    if (!sceneChangePending())
        return keep;
    const int redraw =
        msUntilRedraw(Platform::steadyMilliseconds(), Game::current->lastRedisplayMs);
    return keep >= 0 && keep < redraw ? keep : redraw;
}

} // namespace StartUp
