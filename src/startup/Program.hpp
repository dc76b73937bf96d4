#pragma once
// The whole run, in the order main performs it: save and switch the display
// mode, open the window, check the banner pictures, then the three run phases
// (start-up picture while the level is built, the game, the shutdown picture),
// and the display mode switched back. Every path returns 0. A template over
// the level type, so that tests can run the whole machinery with a stand-in.

#include "platform/ModeWatchdog.hpp"
#include "platform/Termination.hpp"
#include "startup/Banner.hpp"
#include "startup/ControlExceptions.hpp"
#include "startup/DisplaySettings.hpp"
#include "startup/GameCallbacks.hpp"
#include "startup/GameLog.hpp"
#include "startup/Globals.hpp"
#include "startup/Keyboard.hpp"
#include "startup/PhaseLoop.hpp"
#include "startup/PictureCheck.hpp"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace StartUp
{

struct ProgramSetup
{
    // The pictures checked before the start-up picture is shown.
    std::vector<PictureDigest> pictures;
    // Shows the error message box (caption, text) and returns when it closes.
    std::function<void(const std::string&, const std::string&)> showError;
};

// Runs the game with the level built into *levelSlot; returns 0.
template <class Level> int runProgram(const ProgramSetup& setup, Level** levelSlot)
{
    Platform::catchTerminationSignals();
    DisplayMode savedMode;
    bool modeSwitched = false;
    bool windowOpen = false;
    std::unique_ptr<Platform::ModeWatchdog> watchdog;
    try
    {
        savedMode = getDisplaySettings(screenWidth, screenHeight);
        watchdog = std::make_unique<Platform::ModeWatchdog>(savedMode);

        std::vector<int> widths = {1024, 800};
        std::sort(widths.begin(), widths.end());
        modeSwitched = setDisplayMode(widths);
        getDisplaySettings(screenWidth, screenHeight);

        initGraphics();
        windowOpen = true;
        globalKeyboard = std::make_shared<InputEngine::OpenGL::Keyboard>();
        logLine("brightwell", 155) << " Renderer " << rendererName() << endLine;

        try
        {
            checkPictures(setup.pictures);
            showStartupBanner("BMP/startup.jpg", levelSlot);
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
            glutFullScreen();
            throw;
        }
        catch (const InitCompleted&)
        {
        }

        registerGameCallbacks(levelSlot);
        runPhase();
    }
    catch (const std::exception& e)
    {
        logLine("brightwell", 198) << " " << e.what() << endLine;
    }
    catch (...)
    {
    }

    delete *levelSlot;
    *levelSlot = nullptr;

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

    // Released while GLUT still runs: its destructor unregisters callbacks.
    globalKeyboard.reset();
    if (modeSwitched && !restoreDisplaySettings(savedMode))
    {
        logLine("brightwell", 206) << " Unable to restore display settings" << endLine;
        if (watchdog)
            watchdog->restoreInstead();
    }
    return 0;
}

} // namespace StartUp
