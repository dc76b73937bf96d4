#include "platform/SmallFile.hpp"
#include "platform/linux/FileDescriptor.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform
{
namespace
{

// Reads the first `wanted` bytes of the file, as readFileStart does; a
// missing file is a problem only when missingIsProblem.
std::string readStart(const std::string& path, std::size_t wanted, std::size_t limit,
                      std::string& problem, bool missingIsProblem)
{
    problem.clear();
    // O_NONBLOCK: opening a FIFO for reading waits for a writer otherwise.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() == -1)
    {
        if (missingIsProblem || (errno != ENOENT && errno != ENOTDIR))
            problem = std::string("cannot be opened: ") + std::strerror(errno);
        return "";
    }
    // The file opened, not the name: it may have been replaced meanwhile.
    struct stat status = {};
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
    {
        problem = "not a regular file";
        return "";
    }
    if (static_cast<std::size_t>(status.st_size) > limit)
    {
        problem = "larger than " + std::to_string(limit) + " bytes";
        return "";
    }
    std::string contents;
    contents.reserve(std::min(wanted, static_cast<std::size_t>(status.st_size) + 1));
    char block[65536];
    while (contents.size() < wanted)
    {
        const ssize_t got =
            ::read(file.get(), block, std::min(sizeof block, wanted - contents.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
        {
            problem = std::string("cannot be read: ") + std::strerror(errno);
            return "";
        }
        if (got == 0)
            break;
        contents.append(block, static_cast<std::size_t>(got));
    }
    return contents;
}

} // namespace

std::string readSmallFile(const std::string& path, std::size_t limit, std::string& problem)
{
    // One byte more than the limit shows a file that grew since it was opened.
    std::string contents = readStart(path, limit + 1, limit, problem, false);
    if (contents.size() > limit)
    {
        problem = "larger than " + std::to_string(limit) + " bytes";
        return "";
    }
    return contents;
}

std::string readFileStart(const std::string& path, std::size_t wanted, std::size_t limit,
                          std::string& problem)
{
    return readStart(path, std::min(wanted, limit), limit, problem, true);
}

} // namespace Platform
