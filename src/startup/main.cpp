// The game's entry: reads the settings (the command line may end the run
// there), then runs the three phases with the real level and the digests of
// the banner pictures it was built with.

#include "platform/GameLog.hpp"
#include "platform/MessageBox.hpp"
#include "startup/BannerDigests.hpp"
#include "startup/Program.hpp"
#include "startup/Settings.hpp"

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv)
{
    const StartUp::LoadedSettings loaded = StartUp::loadSettings(
        {argv + 1, argv + argc}, std::getenv, BRICKWORK_VERSION, std::cout, std::cerr);
    if (loaded.exitCode >= 0)
        return loaded.exitCode;
    for (const std::string& warning : loaded.warnings)
    {
        std::cerr << "brickwork-garden: " << warning << "\n";
        Platform::logLine("brightwell", 150) << " " << warning << Platform::endLine;
    }
    StartUp::ProgramSetup setup;
    setup.pictures = StartUp::bannerDigests();
    setup.showError = Platform::showErrorMessage;
    setup.settings = loaded.settings;
    return StartUp::runProgram(setup);
}
