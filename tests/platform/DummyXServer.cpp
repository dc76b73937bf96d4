#include "DummyXServer.hpp"

#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <regex>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace TestSupport
{
namespace
{

// The configuration is shared with the end-to-end harness.
const char* const config = SOURCE_DIR "/tests/platform/dummy-xorg.conf";

std::string runCommand(const std::string& command)
{
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    if (!pipe)
        return output;
    std::array<char, 512> buffer;
    while (fgets(buffer.data(), buffer.size(), pipe.get()))
        output += buffer.data();
    return output;
}

} // namespace

bool DummyXServer::available()
{
    return geteuid() == 0 && access("/usr/bin/Xorg", X_OK) == 0 &&
           access("/usr/lib/xorg/modules/drivers/dummy_drv.so", R_OK) == 0;
}

DummyXServer::DummyXServer()
{
    const std::string displayFile = dir.file("display");
    server = fork();
    if (server == 0)
    {
        const int out = open(displayFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int null = open("/dev/null", O_WRONLY);
        dup2(out, 3);
        dup2(null, 1);
        dup2(null, 2);
        const std::string log = dir.file("xorg.log");
        const std::string confDir = dir.file("xorg.conf.d");
        execl("/usr/bin/Xorg", "Xorg", "-displayfd", "3", "-config", config, "-configdir",
              confDir.c_str(), "-logfile", log.c_str(), "-nolisten", "tcp", "-noreset",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    std::string number;
    for (int i = 0; i < 200 && number.empty(); ++i)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::ifstream(displayFile) >> number;
        if (waitpid(server, nullptr, WNOHANG) == server)
        {
            server = -1;
            throw std::runtime_error("Xorg did not start; see " + dir.file("xorg.log"));
        }
    }
    if (number.empty())
        throw std::runtime_error("Xorg gave no display number");
    if (const char* display = std::getenv("DISPLAY"))
    {
        hadDisplay = true;
        previousDisplay = display;
    }
    setenv("DISPLAY", (":" + number).c_str(), 1);
}

DummyXServer::~DummyXServer()
{
    if (server > 0)
    {
        kill(server, SIGTERM);
        waitpid(server, nullptr, 0);
    }
    if (hadDisplay)
        setenv("DISPLAY", previousDisplay.c_str(), 1);
    else
        unsetenv("DISPLAY");
}

std::string DummyXServer::currentMode() const
{
    // The line of the mode in force carries a '*' after its rate.
    const std::string listing = runCommand("xrandr 2>/dev/null");
    std::smatch size;
    std::smatch rate;
    const std::regex screenLine(R"(current (\d+) x (\d+))");
    const std::regex currentRate(R"(([\d.]+)\*)");
    if (!std::regex_search(listing, size, screenLine) ||
        !std::regex_search(listing, rate, currentRate))
        return "unknown";
    return size[1].str() + "x" + size[2].str() + "@" +
           std::to_string(static_cast<int>(std::stod(rate[1].str()) + 0.5));
}

} // namespace TestSupport
