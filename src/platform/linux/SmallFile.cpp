#include "platform/SmallFile.hpp"
#include "platform/linux/FileDescriptor.hpp"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform
{

std::string readSmallFile(const std::string& path, std::size_t limit, std::string& problem)
{
    problem.clear();
    // O_NONBLOCK: opening a FIFO for reading waits for a writer otherwise.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() == -1)
    {
        if (errno != ENOENT && errno != ENOTDIR)
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
    const std::string tooLarge = "larger than " + std::to_string(limit) + " bytes";
    if (static_cast<std::size_t>(status.st_size) > limit)
    {
        problem = tooLarge;
        return "";
    }
    // One byte more than the limit shows a file that grew since fstat.
    std::string contents(limit + 1, '\0');
    std::size_t size = 0;
    while (size < contents.size())
    {
        const ssize_t got = ::read(file.get(), &contents[size], contents.size() - size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
        {
            problem = std::string("cannot be read: ") + std::strerror(errno);
            return "";
        }
        if (got == 0)
            break;
        size += static_cast<std::size_t>(got);
    }
    if (size > limit)
    {
        problem = tooLarge;
        return "";
    }
    contents.resize(size);
    return contents;
}

} // namespace Platform
