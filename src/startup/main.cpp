// The game's entry: runs the three phases with the real level and the digests
// of the banner pictures it was built with.

#include "platform/MessageBox.hpp"
#include "startup/BannerDigests.hpp"
#include "startup/Program.hpp"

int main()
{
    StartUp::ProgramSetup setup;
    setup.pictures = StartUp::bannerDigests();
    setup.showError = Platform::showErrorMessage;
    return StartUp::runProgram(setup);
}
