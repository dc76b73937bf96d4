#pragma once
// The default printer of the desktop's print server (CUPS), reached through
// the game's helper program brickwork-garden-print beside the executable.
// Nothing here waits on the server: each look or job is a helper started and
// left to run, looked at without waiting, and killed with a log line when it
// overruns its time. At most one helper runs at a time.

#include "platform/ChildProcess.hpp"

#include <chrono>
#include <memory>
#include <string>

namespace Platform
{

class Printer
{
public:
    enum class State
    {
        // A look at the server runs, or none was made yet.
        looking,
        // The last look found a default printer.
        ready,
        // The last look found no server or no default printer (see why()).
        none,
        // A job is on its way to the server.
        sending
    };

    // How long one look or one job may take before its helper is killed.
    static constexpr std::chrono::milliseconds limit{10000};

    // Starts nothing: the first look is the caller's.
    Printer() = default;
    // Kills a helper still running and removes a picture not yet sent.
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // Starts a look for the default printer, unless a helper runs. A helper
    // that cannot start leaves the state none.
    void lookAgain();
    // Sends the picture file (PNG) to the default printer as a job of the
    // title, landscape, fitted to the page and centred; the file is removed
    // when the helper ends. Only when ready; else the file is removed and
    // nothing is sent.
    void send(const std::string& pictureFile, const std::string& title);
    // Collects a helper that ended (a job that ended starts a new look) or
    // kills one that overran, each with a log line. True when the state
    // changed.
    bool poll();

    State state() const { return current; }
    // Why there is no printer, as the last look said.
    const std::string& why() const { return reason; }
    // Milliseconds until poll() should run again; -1 while no helper runs.
    int msUntilPoll() const;

private:
    void start(const std::vector<std::string>& arguments, State whileRunning);
    void finished(std::optional<int> exitCode, const std::string& output);

    State current = State::looking;
    std::string reason;
    std::unique_ptr<ChildProcess> helper;
    std::chrono::steady_clock::time_point deadline;
    std::string picture;
};

} // namespace Platform
