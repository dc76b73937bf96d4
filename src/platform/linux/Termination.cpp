#include "platform/Termination.hpp"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <initializer_list>
#include <stdexcept>
#include <unistd.h>

namespace Platform
{
namespace
{

volatile std::sig_atomic_t requested = 0;
// The pipe's ends: the handler writes one byte, a wait polls the read end.
int wakeUp[2] = {-1, -1};

void note(int)
{
    const int savedErrno = errno;
    requested = 1;
    if (wakeUp[1] != -1)
    {
        const char byte = 't';
        ssize_t ignored = write(wakeUp[1], &byte, 1);
        (void)ignored;
    }
    errno = savedErrno;
}

} // namespace

void catchTerminationSignals()
{
    if (wakeUp[0] == -1 && pipe2(wakeUp, O_CLOEXEC | O_NONBLOCK) != 0)
        wakeUp[0] = wakeUp[1] = -1;
    struct sigaction action = {};
    action.sa_handler = note;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: the phase loop's wait returns at once.
    action.sa_flags = 0;
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

bool terminationRequested()
{
    return requested != 0;
}

int terminationDescriptor()
{
    return wakeUp[0];
}

void throwIfTerminated()
{
    if (terminationRequested())
        throw std::runtime_error("Terminated");
}

} // namespace Platform
