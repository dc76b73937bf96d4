#include "startup/Game.hpp"

#include <cassert>

namespace StartUp
{

Game* Game::current = nullptr;

Game::Game(Settings settings) : runSettings(std::move(settings))
{
    assert(!current && "make one Game per run: the GLUT callbacks reach only one");
    current = this;
}

Game::~Game()
{
    playLevel.reset();
    shownBanner.reset();
    current = nullptr;
}

VideoEngine::OpenGL::SceneFit Game::sceneFit() const
{
    return VideoEngine::OpenGL::fitScene(window.windowWidth(), window.windowHeight());
}

VideoEngine::OpenGL::Position Game::logicalPoint(int x, int y) const
{
    return sceneFit().toScene(x, y);
}

void Game::pressKey(unsigned char key)
{
    keyboard.key(key);
}

void Game::pressSpecial(int key)
{
    keyboard.special(key);
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
    playLevel.reset();
    GameLogic::PalaceBuild::GameLevel::Options options;
    options.exitLocked = runSettings.lock;
    options.pictureCopies = runSettings.pictures;
    options.startWithLast = runSettings.startWithLast;
    options.printing = runSettings.print;
    options.printWaitSeconds = runSettings.printWait;
    options.access = runSettings.access;
    options.catalogues = std::move(prepared);
    playLevel = std::make_unique<GameLogic::PalaceBuild::GameLevel>(keyboard, savedGame, gallery,
                                                                    std::move(options));
}

void Game::releaseLevel()
{
    playLevel.reset();
    prepared = {};
}

void Game::setBanner(std::shared_ptr<BannerImpl> banner)
{
    shownBanner = std::move(banner);
}

void Game::dropBanner()
{
    shownBanner.reset();
}

} // namespace StartUp
