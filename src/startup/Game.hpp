#pragma once
// One run of the game: its settings, the window against the screen, the
// redraw pacing, the keyboard, the saved game, the banner on screen and the
// level, owned from the first window to the last picture. Members go in
// reverse order: the level first, then the banner; the saved game and the
// keyboard the level refers to outlive both. Catalogues made ahead for the
// level go with it.

#include "play/GameLevel.hpp"
#include "savegame/GalleryFolder.hpp"
#include "savegame/SavedGame.hpp"
#include "startup/FramePacing.hpp"
#include "startup/FullScreen.hpp"
#include "startup/Settings.hpp"
#include "ui/Keyboard.hpp"
#include "video/Position.hpp"
#include "video/SceneFit.hpp"
#include "video/SceneTarget.hpp"

#include <memory>

namespace StartUp
{

class BannerImpl;

class Game
{
public:
    // Becomes the current game, with these settings; only one exists at a
    // time.
    explicit Game(Settings settings = Settings());
    // Releases the level, then the banner, and stops being current.
    ~Game();

    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // The game now running, null when none: the one way GLUT's callbacks,
    // which take no argument, reach the game.
    static Game* current;

    const Settings& settings() const { return runSettings; }

    // The window's size and full-screen state, and the screen's size.
    FullScreen& fullScreen() { return window; }
    const FullScreen& fullScreen() const { return window; }
    // When to redraw, and what the screen shows.
    FramePacing& pacing() { return redraws; }

    // Where the 1024 x 768 logical screen lies in the window (see SceneFit).
    VideoEngine::OpenGL::SceneFit sceneFit() const;
    // The logical point of the window pixel (x, y).
    VideoEngine::OpenGL::Position logicalPoint(int x, int y) const;

    // Hands a key to the keyboard's callables, where the level set them.
    void pressKey(unsigned char key);
    void pressSpecial(int key);

    // Makes the level's catalogues ahead, for buildLevel to hand over. A
    // failure leaves none made: the level's making meets it again.
    void prepareLevel();
    // Builds the level for this run's keyboard, saved game and settings, with
    // the catalogues made ahead, if any. Any level there was is released
    // first. Failures pass on, leaving no level.
    void buildLevel();
    // The level; null before it is built and after it is released.
    GameLogic::PalaceBuild::GameLevel* level() const { return playLevel.get(); }
    // The current game's level; null without a game or a level.
    static GameLogic::PalaceBuild::GameLevel* currentLevel()
    {
        return current ? current->level() : nullptr;
    }
    // Releases the level, with every texture it made, and any catalogues
    // made ahead.
    void releaseLevel();

    // The banner on screen; null when none.
    BannerImpl* banner() const { return shownBanner.get(); }
    // Puts this banner on screen; the one before, if any, was dropped.
    void setBanner(std::shared_ptr<BannerImpl> banner);
    // Releases the banner on screen, if any.
    void dropBanner();

    // The picture the frames of a picture capture are drawn into where the
    // display mode was kept.
    VideoEngine::OpenGL::SceneTarget& offscreen() { return captureTarget; }

private:
    Settings runSettings;
    FullScreen window;
    FramePacing redraws;
    GameLogic::Keyboard keyboard;
    SaveGame::SavedGameFile savedGame{"savegame.txt"};
    SaveGame::GalleryFolder gallery{"gallery"};
    VideoEngine::OpenGL::SceneTarget captureTarget;
    // Owned here alone; held as shared so that the banner's own definition,
    // which reaches the game, is not needed to release it.
    std::shared_ptr<BannerImpl> shownBanner;
    GameLogic::PalaceBuild::GameLevel::Catalogues prepared;
    std::unique_ptr<GameLogic::PalaceBuild::GameLevel> playLevel;
};

} // namespace StartUp
