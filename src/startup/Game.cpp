#include "startup/Game.hpp"

#include "startup/Banner.hpp"

#include <cassert>

namespace StartUp
{

Game* Game::current = nullptr;

Game::Game()
{
    assert(!current && "make one Game per run: the GLUT callbacks reach only one");
    current = this;
}

Game::~Game()
{
    level.reset();
    banner.reset();
    current = nullptr;
}

void Game::buildLevel()
{
    level.reset();
    level = std::make_unique<GameLogic::PalaceBuild::GameLevel>(keyboard, savedGame, screenWidth,
                                                                screenHeight);
}

VideoEngine::OpenGL::Position Game::logicalPoint(int x, int y) const
{
    assert(screenWidth != 0 && screenHeight != 0 &&
           "set the screen size from the display mode before mouse events arrive");
    return {x * 1024 / screenWidth, y * 768 / screenHeight};
}

} // namespace StartUp
