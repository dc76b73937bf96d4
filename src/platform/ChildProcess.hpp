#pragma once
// A program run without a shell: the arguments go to it as a list, so no
// character of a file name can start another command. The child gets its own
// process group, so that killing it also ends whatever it started itself,
// and none of the game's open files beyond its three standard ones.

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace Platform
{

class ChildProcess
{
public:
    // Starts arguments[0], searched on PATH, with the given arguments; its
    // input is empty, its output is kept for output(), its errors are
    // dropped. Throws std::runtime_error when the program cannot be started
    // (for instance when it is not installed).
    explicit ChildProcess(const std::vector<std::string>& arguments);
    // Kills a child that is still running and collects it.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Collects the output until the child ends, the timeout runs out or a
    // termination signal arrives; returns its exit code, or nothing when it
    // was killed (on time-out or termination) or ended by a signal. A timeout
    // of std::chrono::milliseconds::max() waits without limit. Call once.
    std::optional<int> wait(std::chrono::milliseconds timeout);

    // Looks without waiting: true while the child runs. Once it has ended it
    // is collected with what it left in its output, and wait() then returns
    // its exit code at once.
    bool running();

    // What the child wrote on its standard output so far, cut at outputLimit
    // bytes.
    static constexpr std::size_t outputLimit = 65536;
    const std::string& output() const { return collected; }

private:
    void keep(const char* bytes, long count);
    void kill();

    // Collects the child if it has ended, without waiting; true when it has
    // been collected.
    bool collect();
    void drainOutput();

    pid_t pid = -1;
    int outputPipe = -1;
    std::optional<int> exitCode;
    std::string collected;
};

// Runs a program to its end within the timeout and returns its exit code and
// output; nothing when it could not start, overran (it is then killed) or
// died by a signal.
struct ProgramResult
{
    int exitCode = 0;
    std::string output;
};
std::optional<ProgramResult> runProgram(const std::vector<std::string>& arguments,
                                        std::chrono::milliseconds timeout);

} // namespace Platform
