#pragma once
// Printing the scene picture, as the settings allow it: on the default
// printer when there is one, never while a print is on its way, and then not
// again until the wait after the last print is over; prints asked for in
// between are dropped with a log line. The printer is looked at when the
// level is built, when a print is asked for while there is none, and after
// each print, never on every frame.

#include "platform/Printer.hpp"

#include <cstdint>
#include <string>

namespace GameLogic
{
namespace PalaceBuild
{

class Printing
{
public:
    // The job's title.
    static constexpr const char* title = "Brickwork Garden";
    // The stem of the picture for the printer, in the game's folder: each
    // print has a file of its own, ".print.png", ".print 2.png" and so on,
    // the first free name, so that two games in one folder never share one.
    static constexpr const char* pictureStem = ".print";

    // Off (enabled false) it never prints nor looks; else it starts the
    // first look. waitSeconds is the wait after each print.
    Printing(bool enabled, int waitSeconds);

    // True when a print asked for now would go out.
    bool available() const;
    // A print is asked for: true when it may go ahead (then no other is
    // until it is sent); else logs why it is dropped, and looks again for a
    // printer where none was found.
    bool ask();
    // Sends the picture file taken for the print asked for (see
    // Platform::Printer), and the wait begins; an empty name (no picture
    // could be written) sends nothing and starts no wait.
    void send(const std::string& file);
    // Follows the printer's helper and the wait. True when available() has
    // changed since the last call.
    bool poll();
    // Milliseconds until poll() has something to do; -1 for nothing.
    int msUntilDue() const;

private:
    bool waiting() const;

    bool enabled;
    std::uint32_t waitMs;
    // A print was asked for and its picture is not yet taken.
    bool asked = false;
    // While waiting, the wait began at waitStart.
    bool waitOn = false;
    std::uint32_t waitStart = 0;
    bool shown = false;
    Platform::Printer printer;
};

} // namespace PalaceBuild
} // namespace GameLogic
