#pragma once
// One run of the game: its settings, the display mode's size, the keyboard,
// the saved game, the banner on screen and the level, owned from the first
// window to the last picture. While a Game exists, Game::current points to it: the one
// way GLUT's C callbacks reach the game. Members go in reverse order: the
// level first, then the banner; the saved game and the keyboard the level
// refers to outlive both. Catalogues made ahead for the level go with it.

#include "play/GameLevel.hpp"
#include "savegame/GalleryFolder.hpp"
#include "savegame/SavedGame.hpp"
#include "startup/Settings.hpp"
#include "ui/Keyboard.hpp"
#include "video/Position.hpp"
#include "video/SceneFit.hpp"
#include "video/SceneTarget.hpp"

#include <cstdint>
#include <memory>

namespace StartUp
{

class BannerImpl;

struct Game
{
    // Becomes the current game; only one exists at a time.
    Game();
    // Releases the level, then the banner, and stops being current.
    ~Game();

    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    static Game* current;

    // Makes the level's catalogues ahead, for buildLevel to hand over. A
    // failure leaves none made: the level's making meets it again.
    void prepareLevel();
    // Builds the level for this run's keyboard, saved game and settings, with
    // the catalogues made ahead, if any. Any level there was is released
    // first. Failures pass on, leaving no level.
    void buildLevel();

    // Where the 1024 x 768 logical screen lies in the window (see SceneFit).
    VideoEngine::OpenGL::SceneFit sceneFit() const;

    // The logical point of the window pixel (x, y).
    VideoEngine::OpenGL::Position logicalPoint(int x, int y) const;

    Settings settings;
    // True when the run switched the display mode. Otherwise the desktop's
    // mode stays and saved pictures are drawn offscreen at the logical
    // screen's own size.
    bool modeSwitched = false;

    // Pixel size of the display mode in force.
    int screenWidth = 0;
    int screenHeight = 0;
    // Size of the game window, as last reported by GLUT.
    int windowWidth = 1024;
    int windowHeight = 768;
    // True while the window covers the screen, or is to once the switch
    // F11 asked for is made. A window of its own ("display = window", or
    // after F11) goes where windowed says.
    bool fullScreen = true;
    VideoEngine::OpenGL::WindowPlace windowed;
    // What freeglut was last asked for, the full screen or not, and when:
    // the window follows fullScreen one switch at a time.
    bool askedFullScreen = true;
    std::uint32_t switchAskedMs = 0;
    // False from a switch back to the window until the window has been put
    // where windowed says.
    bool windowPlaced = true;
    // True while the window is a window of its own and no switch is under
    // way: then what it reports is the player's doing, kept in windowed.
    bool windowShown() const { return !fullScreen && !askedFullScreen && windowPlaced; }

    // The signature of what the screen shows: onIdle redraws only when what
    // the level would draw now differs from it. And the time of the last
    // redraw, for the pacing (see redrawDue).
    std::uint64_t shownSignature = 0;
    std::uint32_t lastRedisplayMs = 0;

    GameLogic::Keyboard keyboard;
    SaveGame::SavedGameFile savedGame{"savegame.txt"};
    SaveGame::GalleryFolder gallery{"gallery"};
    VideoEngine::OpenGL::SceneTarget offscreen;
    std::unique_ptr<BannerImpl> banner;
    GameLogic::PalaceBuild::GameLevel::Catalogues prepared;
    std::unique_ptr<GameLogic::PalaceBuild::GameLevel> level;
};

} // namespace StartUp
