#include "platform/ModeWatchdog.hpp"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace Platform
{
namespace
{

// The watchdog's whole life: wait for the game's word or its death.
[[noreturn]] void watch(int readEnd, const DisplayMode& saved)
{
    // A terminal's Ctrl-C or hang-up, or a kill of the game's process group,
    // must not end the watchdog before the game.
    setsid();
    std::signal(SIGINT, SIG_IGN);
    std::signal(SIGHUP, SIG_IGN);
    std::signal(SIGTERM, SIG_IGN);
    char word = 0;
    ssize_t got;
    do
        got = read(readEnd, &word, 1);
    while (got < 0 && errno == EINTR);
    if (got != 1)
        switchMode(saved);
    _exit(0);
}

} // namespace

ModeWatchdog::ModeWatchdog(const DisplayMode& saved)
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        return;
    child = fork();
    if (child == 0)
    {
        close(ends[1]);
        watch(ends[0], saved);
    }
    close(ends[0]);
    if (child < 0)
        close(ends[1]);
    else
        writeEnd = ends[1];
}

ModeWatchdog::~ModeWatchdog()
{
    if (child < 0)
        return;
    const char done = 'd';
    ssize_t ignored = write(writeEnd, &done, 1);
    (void)ignored;
    close(writeEnd);
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR)
    {
    }
}

void ModeWatchdog::restoreInstead()
{
    if (child < 0)
        return;
    close(writeEnd);
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR)
    {
    }
    child = -1;
}

} // namespace Platform
