#pragma once
// An Xorg server on the dummy video driver, started for one test with a
// configuration of its own: a 1280 x 1024 desktop that also offers 1024 x 768
// at 60 and 75 Hz, 800 x 600 and a few more. Needs root and the Xorg dummy
// driver; available() says whether both are there. DISPLAY points at the
// server while the object lives; the server is stopped by its process id.

#include "support/TempDir.hpp"

#include <string>
#include <sys/types.h>

namespace TestSupport
{

class DummyXServer
{
public:
    static bool available();

    // Starts the server and waits until it accepts clients; throws
    // std::runtime_error when it does not start.
    DummyXServer();
    ~DummyXServer();
    DummyXServer(const DummyXServer&) = delete;
    DummyXServer& operator=(const DummyXServer&) = delete;

    // The mode in force as "WIDTHxHEIGHT@RATE", read with the xrandr tool.
    std::string currentMode() const;

private:
    TempDir dir;
    pid_t server = -1;
    std::string previousDisplay;
    bool hadDisplay = false;
};

} // namespace TestSupport
