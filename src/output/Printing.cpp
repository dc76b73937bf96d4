#include "output/Printing.hpp"

#include "platform/Clock.hpp"
#include "platform/GameLog.hpp"

namespace GameLogic
{
namespace PalaceBuild
{

using State = Platform::Printer::State;

Printing::Printing(bool enabled, int waitSeconds)
    : enabled(enabled), waitMs(std::uint32_t(waitSeconds) * 1000u)
{
    if (enabled)
        printer.lookAgain();
    shown = available();
}

bool Printing::waiting() const
{
    return waitOn && Platform::steadyMilliseconds() - waitStart < waitMs;
}

bool Printing::available() const
{
    return enabled && !asked && printer.state() == State::ready && !waiting();
}

bool Printing::ask()
{
    if (available())
    {
        asked = true;
        return true;
    }
    std::ostream& line = Platform::logLine("PalaceBuild", 950) << " print dropped: ";
    if (!enabled)
        line << "printing is off (print = no)";
    else if (asked || printer.state() == State::sending)
        line << "a print is on its way";
    else if (waiting())
        line << "the last print was less than " << waitMs / 1000 << " s ago";
    else if (printer.state() == State::looking)
        line << "still looking for a printer";
    else
        line << printer.why();
    line << Platform::endLine;
    if (enabled && printer.state() == State::none)
        printer.lookAgain();
    return false;
}

void Printing::send(const std::string& file)
{
    asked = false;
    if (file.empty())
        return;
    waitOn = true;
    waitStart = Platform::steadyMilliseconds();
    printer.send(file, title);
}

bool Printing::poll()
{
    printer.poll();
    if (waitOn && !waiting() && !asked)
    {
        // The control shows again: the printer is looked at anew.
        waitOn = false;
        printer.lookAgain();
    }
    const bool now = available();
    if (now == shown)
        return false;
    shown = now;
    return true;
}

int Printing::msUntilDue() const
{
    int due = printer.msUntilPoll();
    if (waitOn)
    {
        const std::uint32_t since = Platform::steadyMilliseconds() - waitStart;
        const int left = since >= waitMs ? 0 : int(waitMs - since);
        if (due < 0 || left < due)
            due = left;
    }
    return due;
}

} // namespace PalaceBuild
} // namespace GameLogic
