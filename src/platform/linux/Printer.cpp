// Invariant: helper is set exactly while a look or a job runs, and then
// current is looking or sending; picture names the file of the job that runs,
// removed when it ends.

#include "platform/Printer.hpp"

#include "platform/GameLog.hpp"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace Platform
{
namespace
{

using Clock = std::chrono::steady_clock;

// How often a running helper is looked at.
constexpr int pollMs = 50;

// The helper's first line of output, without its newline.
std::string firstLine(const std::string& output)
{
    return output.substr(0, output.find('\n'));
}

std::string helperPath()
{
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() /
            "brickwork-garden-print")
        .string();
}

} // namespace

Printer::~Printer()
{
    helper.reset();
    if (!picture.empty())
        std::remove(picture.c_str());
}

void Printer::lookAgain()
{
    if (!helper)
        start({helperPath(), "look"}, State::looking);
}

void Printer::send(const std::string& pictureFile, const std::string& title)
{
    if (current != State::ready || helper)
    {
        logLine("Printer", __LINE__) << " not printed: the printer is busy" << endLine;
        std::remove(pictureFile.c_str());
        return;
    }
    picture = pictureFile;
    start({helperPath(), "send", pictureFile, title}, State::sending);
}

void Printer::start(const std::vector<std::string>& arguments, State whileRunning)
{
    try
    {
        helper = std::make_unique<ChildProcess>(arguments);
        current = whileRunning;
        deadline = Clock::now() + limit;
    }
    catch (const std::runtime_error& failure)
    {
        logLine("Printer", __LINE__) << " " << failure.what() << endLine;
        finished(std::nullopt, failure.what());
    }
}

bool Printer::poll()
{
    if (!helper)
        return false;
    const State before = current;
    if (helper->running())
    {
        if (Clock::now() < deadline)
            return false;
        logLine("Printer", __LINE__)
            << (before == State::sending ? " print" : " look for a printer")
            << " given up: no answer from the print server in " << limit.count() / 1000
            << " s" << endLine;
        helper.reset();
        finished(std::nullopt, "no answer from the print server");
    }
    else
    {
        const std::unique_ptr<ChildProcess> ended = std::move(helper);
        finished(ended->wait(std::chrono::milliseconds(0)), firstLine(ended->output()));
    }
    return current != before;
}

void Printer::finished(std::optional<int> exitCode, const std::string& output)
{
    const bool wasSending = current == State::sending;
    if (wasSending)
    {
        logLine("Printer", __LINE__) << (exitCode == 0 ? " printed: " : " not printed: ")
                                     << output << endLine;
        std::remove(picture.c_str());
        picture.clear();
        // After a print the printer is looked at again.
        current = State::looking;
        lookAgain();
        return;
    }
    if (exitCode == 0)
    {
        logLine("Printer", __LINE__) << " printer: " << output << endLine;
        current = State::ready;
        reason.clear();
        return;
    }
    reason = output.empty() ? "the print helper failed" : output;
    logLine("Printer", __LINE__) << " no printer: " << reason << endLine;
    current = State::none;
}

int Printer::msUntilPoll() const
{
    return helper ? pollMs : -1;
}

} // namespace Platform
