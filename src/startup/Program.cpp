#include "startup/Program.hpp"

#include "platform/GameLog.hpp"
#include "platform/ModeWatchdog.hpp"
#include "platform/Sound.hpp"
#include "platform/Termination.hpp"
#include "startup/Banner.hpp"
#include "startup/ControlExceptions.hpp"
#include "startup/DisplaySettings.hpp"
#include "startup/Game.hpp"
#include "startup/GameCallbacks.hpp"
#include "startup/GameWindow.hpp"
#include "startup/PhaseLoop.hpp"

#include <GL/freeglut.h>
#include <algorithm>
#include <memory>

namespace StartUp
{

int runProgram(const ProgramSetup& setup)
{
    Game game(setup.settings);
    Platform::catchTerminationSignals();
    // Every sound goes nowhere: the audio device is never opened.
    if (!game.settings().sound)
        Platform::setSoundSink([](const std::string&) {});
    DisplayMode savedMode;
    bool modeSwitched = false;
    bool windowOpen = false;
    std::unique_ptr<Platform::ModeWatchdog> watchdog;
    try
    {
        int screenWidth = 0;
        int screenHeight = 0;
        savedMode = getDisplaySettings(screenWidth, screenHeight);
        if (game.settings().display == DisplayChoice::Switch)
        {
            watchdog = std::make_unique<Platform::ModeWatchdog>(savedMode);
            std::vector<int> widths = {1024, 800};
            std::sort(widths.begin(), widths.end());
            modeSwitched = setDisplayMode(widths);
            getDisplaySettings(screenWidth, screenHeight);
        }
        if (!modeSwitched)
            Platform::logLine("brightwell", 152)
                << " Display mode " << screenWidth << "x" << screenHeight
                << " kept: the scene is scaled to fit" << Platform::endLine;
        game.fullScreen().setScreen(screenWidth, screenHeight, modeSwitched);

        initGraphics();
        windowOpen = true;
        Platform::logLine("brightwell", 155) << " Renderer " << rendererName() << Platform::endLine;

        try
        {
            checkPictures(setup.pictures);
            showStartupBanner("BMP/startup.jpg");
            runPhase();
        }
        catch (const StopApplication&)
        {
            // The box must not hide behind the full-screen window.
            glutHideWindow();
            glutMainLoopEvent();
            setup.showError("Brickwork Garden", "Unfortunately some of the images was removed or "
                                                "changed. Try to reinstall the application.");
            glutShowWindow();
            if (game.fullScreen().isOn())
                glutFullScreen();
            throw;
        }
        catch (const InitCompleted&)
        {
        }

        registerGameCallbacks();
        runPhase();
    }
    catch (const std::exception& e)
    {
        Platform::logLine("brightwell", 198) << " " << e.what() << Platform::endLine;
    }
    catch (...)
    {
    }

    // However the game ended, the palace in play is kept; then every GL
    // texture of the level goes, before the shutdown picture.
    if (GameLogic::PalaceBuild::GameLevel* level = game.level())
    {
        try
        {
            level->endPlay();
        }
        catch (...)
        {
        }
    }
    game.releaseLevel();

    if (windowOpen && !sessionEndedFromOutside())
    {
        try
        {
            // A start-up phase ended early leaves its banner current; the
            // shutdown picture replaces it.
            dropCurrentBanner();
            showExitBanner("BMP/shutdown.jpg");
            runPhase();
        }
        catch (...)
        {
        }
    }

    if (modeSwitched && !restoreDisplaySettings(savedMode))
    {
        Platform::logLine("brightwell", 206)
            << " Unable to restore display settings" << Platform::endLine;
        if (watchdog)
            watchdog->restoreInstead();
    }
    return 0;
}

} // namespace StartUp
