#include "platform/Termination.hpp"

#include <csignal>
#include <initializer_list>

namespace Platform
{
namespace
{

volatile std::sig_atomic_t requested = 0;

void note(int)
{
    requested = 1;
}

} // namespace

void catchTerminationSignals()
{
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

} // namespace Platform
