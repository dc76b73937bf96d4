// The message box runs as a program of its own (brickwork-garden-message-box,
// beside the game's executable), so that a termination signal can end the
// game at once: the game kills the box instead of waiting for a click that
// may never come. Started afresh, the box holds none of the game's files.

#include "platform/MessageBox.hpp"

#include "platform/ChildProcess.hpp"
#include "platform/Termination.hpp"

#include <filesystem>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <unistd.h>

namespace Platform
{

void showErrorMessage(const std::string& caption, const std::string& text)
{
    std::string reason;
    try
    {
        const std::filesystem::path box =
            std::filesystem::read_symlink("/proc/self/exe").parent_path() /
            "brickwork-garden-message-box";
        ChildProcess shown({box.string(), std::to_string(getpid()), caption, text});
        const std::optional<int> exitCode = shown.wait(std::chrono::milliseconds::max());
        if (exitCode == 0 || terminationRequested())
            return;
        reason = exitCode ? shown.output() : "the box ended by a signal";
    }
    catch (const std::runtime_error& failure)
    {
        reason = failure.what();
    }
    std::cerr << caption << ": " << text << " (" << reason << ")\n";
}

} // namespace Platform
