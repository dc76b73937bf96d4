// Invariant: while pid is not -1 the child has not been collected yet, so the
// id (and its process group) still names our child and may be signalled.

#include "platform/ChildProcess.hpp"

#include "platform/Termination.hpp"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace Platform
{
namespace
{

using Clock = std::chrono::steady_clock;

// posix_spawn's attribute and file-action objects, destroyed on every path.
struct SpawnSetup
{
    SpawnSetup()
    {
        posix_spawnattr_init(&attributes);
        posix_spawn_file_actions_init(&actions);
    }
    ~SpawnSetup()
    {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    posix_spawnattr_t attributes;
    posix_spawn_file_actions_t actions;
};

// Turns a collected wait status into an exit code; nothing for a signal.
std::optional<int> exitCodeOf(int status)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return std::nullopt;
}

} // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& arguments)
{
    if (arguments.empty())
        throw std::invalid_argument("ChildProcess needs a program name");

    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));

    SpawnSetup setup;
    posix_spawnattr_setflags(&setup.attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&setup.attributes, 0);
    posix_spawn_file_actions_addopen(&setup.actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&setup.actions, pipeEnds[1], 1);
    posix_spawn_file_actions_addopen(&setup.actions, 2, "/dev/null", O_WRONLY, 0);
    // The game's own files (the log, the X connection) are none of its
    // business, nor of anything it leaves running.
    posix_spawn_file_actions_addclosefrom_np(&setup.actions, 3);

    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    const int error =
        posix_spawnp(&pid, argv[0], &setup.actions, &setup.attributes, argv.data(), environ);
    close(pipeEnds[1]);
    if (error != 0)
    {
        pid = -1;
        close(pipeEnds[0]);
        throw std::runtime_error("Unable to start " + arguments[0] + ": " + std::strerror(error));
    }
    outputPipe = pipeEnds[0];
}

ChildProcess::~ChildProcess()
{
    kill();
    if (outputPipe != -1)
        close(outputPipe);
}

std::optional<int> ChildProcess::wait(std::chrono::milliseconds timeout)
{
    const Clock::time_point deadline = timeout == std::chrono::milliseconds::max()
                                           ? Clock::time_point::max()
                                           : Clock::now() + timeout;
    for (;;)
    {
        if (collect())
            return exitCode;

        const Clock::time_point now = Clock::now();
        if (now >= deadline || terminationRequested())
        {
            kill();
            return std::nullopt;
        }
        // Short slices, so that a child that ends without closing its output
        // (a helper it started keeps it open) is noticed at once.
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now);
        const int slice = static_cast<int>(std::min<long long>(left.count() + 1, 20));
        if (outputPipe == -1)
        {
            poll(nullptr, 0, slice);
            continue;
        }
        pollfd watched{outputPipe, POLLIN, 0};
        if (poll(&watched, 1, slice) > 0)
        {
            char buffer[4096];
            const ssize_t count = read(outputPipe, buffer, sizeof buffer);
            if (count > 0)
                keep(buffer, count);
            else if (count == 0 || errno != EINTR)
            {
                close(outputPipe);
                outputPipe = -1;
            }
        }
    }
}

bool ChildProcess::running()
{
    if (collect())
        return false;
    // A child that writes more than the pipe holds must not stall on it.
    drainOutput();
    return true;
}

bool ChildProcess::collect()
{
    if (pid == -1)
        return true;
    int status = 0;
    pid_t finished;
    while ((finished = waitpid(pid, &status, WNOHANG)) == -1 && errno == EINTR)
        ;
    if (finished == 0)
        return false;
    const bool exited = finished == pid;
    pid = -1;
    // Take what the child left in the pipe without waiting for anything it
    // may have started and left running.
    drainOutput();
    exitCode = exited ? exitCodeOf(status) : std::nullopt;
    return true;
}

void ChildProcess::drainOutput()
{
    if (outputPipe == -1)
        return;
    fcntl(outputPipe, F_SETFL, O_NONBLOCK);
    char buffer[4096];
    ssize_t count;
    while ((count = read(outputPipe, buffer, sizeof buffer)) > 0)
        keep(buffer, count);
}

void ChildProcess::keep(const char* bytes, long count)
{
    const std::size_t room = outputLimit - std::min(outputLimit, collected.size());
    collected.append(bytes, std::min(room, static_cast<std::size_t>(count)));
}

void ChildProcess::kill()
{
    if (pid == -1)
        return;
    ::kill(-pid, SIGKILL);
    ::kill(pid, SIGKILL);
    while (waitpid(pid, nullptr, 0) == -1 && errno == EINTR)
        ;
    pid = -1;
}

std::optional<ProgramResult> runProgram(const std::vector<std::string>& arguments,
                                        std::chrono::milliseconds timeout)
{
    try
    {
        ChildProcess child(arguments);
        const std::optional<int> exitCode = child.wait(timeout);
        if (!exitCode)
            return std::nullopt;
        return ProgramResult{*exitCode, child.output()};
    }
    catch (const std::runtime_error&)
    {
        return std::nullopt;
    }
}

} // namespace Platform
