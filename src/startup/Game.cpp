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

void Game::prepareLevel()
{
    try
    {
        prepared = GameLogic::PalaceBuild::GameLevel::makeCatalogues();
    }
    catch (...)
    {
        // Nothing made: the level's own making meets the failure again.
    }
}

void Game::buildLevel()
{
    level.reset();
    GameLogic::PalaceBuild::GameLevel::Options options;
    options.exitLocked = settings.lock;
    options.pictureCopies = settings.pictures;
    options.startWithLast = settings.startWithLast;
    options.printing = settings.print;
    options.printWaitSeconds = settings.printWait;
    options.access = settings.access;
    options.catalogues = std::move(prepared);
    level = std::make_unique<GameLogic::PalaceBuild::GameLevel>(keyboard, savedGame, gallery,
                                                                std::move(options));
}

VideoEngine::OpenGL::SceneFit Game::sceneFit() const
{
    return VideoEngine::OpenGL::fitScene(windowWidth, windowHeight);
}

VideoEngine::OpenGL::Position Game::logicalPoint(int x, int y) const
{
    return sceneFit().toScene(x, y);
}

} // namespace StartUp
