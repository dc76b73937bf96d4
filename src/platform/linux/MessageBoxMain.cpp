// brickwork-garden-message-box GAME-PID CAPTION TEXT: the game's message box
// as a program of its own, started afresh. So the box holds none of the
// game's open files (the display mode's watchdog waits on a pipe for the
// game's end) and runs SDL and X in a clean process, not in a copy of the
// game. The box goes when the game does. Exit code 0 when the box was shown
// and closed, 1 (SDL's reason on standard output) when no box could be
// shown, 2 for a wrong command line.

#include <SDL.h>
#include <csignal>
#include <iostream>
#include <string>
#include <sys/prctl.h>
#include <unistd.h>

namespace
{

// Ends the whole process group: SDL shows the box from a process it forks.
void endWithTheGame(int)
{
    kill(0, SIGKILL);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4)
    {
        std::cerr << "usage: brickwork-garden-message-box GAME-PID CAPTION TEXT\n";
        return 2;
    }
    std::signal(SIGHUP, endWithTheGame);
    prctl(PR_SET_PDEATHSIG, SIGHUP);
    // The game may have gone before its death could be noticed.
    if (std::to_string(getppid()) != argv[1])
        return 0;
    // SDL's simple box makes OK the default for both Enter and Escape.
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, argv[2], argv[3], nullptr) == 0)
        return 0;
    std::cout << SDL_GetError();
    return 1;
}
