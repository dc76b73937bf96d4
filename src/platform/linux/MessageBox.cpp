// The message box runs in a process of its own, so that a termination signal
// can end the game at once: the game kills the box instead of waiting for a
// click that may never come.

#include "platform/MessageBox.hpp"

#include "platform/Termination.hpp"

#include <SDL.h>
#include <csignal>
#include <iostream>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace Platform
{
namespace
{

void showHere(const std::string& caption, const std::string& text)
{
    // SDL's simple box makes OK the default for both Enter and Escape.
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), nullptr) != 0)
        std::cerr << caption << ": " << text << " (" << SDL_GetError() << ")\n";
}

} // namespace

void showErrorMessage(const std::string& caption, const std::string& text)
{
    const pid_t box = fork();
    if (box == 0)
    {
        // A group of its own: SDL may show the box from a process it starts.
        setpgid(0, 0);
        showHere(caption, text);
        _exit(0);
    }
    if (box < 0)
    {
        showHere(caption, text);
        return;
    }
    for (;;)
    {
        int status = 0;
        const pid_t ended = waitpid(box, &status, WNOHANG);
        if (ended == box || (ended < 0 && errno != EINTR))
            return;
        if (terminationRequested())
        {
            kill(-box, SIGKILL);
            kill(box, SIGKILL);
            while (waitpid(box, &status, 0) < 0 && errno == EINTR)
            {
            }
            return;
        }
        pollfd signalled{terminationDescriptor(), POLLIN, 0};
        poll(&signalled, signalled.fd < 0 ? 0 : 1, 50);
    }
}

} // namespace Platform
