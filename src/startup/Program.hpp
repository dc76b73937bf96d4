#pragma once
// The whole run, in the order main performs it: save and switch the display
// mode (unless the settings keep it), open the window, check the banner
// pictures, then the three run phases (start-up picture while the level is
// built, the game, the shutdown picture), and the display mode switched
// back. Every path returns 0.

#include "startup/PictureCheck.hpp"
#include "startup/Settings.hpp"

#include <functional>
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
    Settings settings;
};

// Runs the whole game under a Game of its own; returns 0.
int runProgram(const ProgramSetup& setup);

} // namespace StartUp
