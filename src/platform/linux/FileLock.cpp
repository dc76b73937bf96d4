#include "platform/FileLock.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace Platform
{

FileLock::FileLock(const std::string& lockFile) : file(lockFile)
{
    fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd != -1 && ::flock(fd, LOCK_EX | LOCK_NB) != 0)
    {
        ::close(fd);
        fd = -1;
    }
}

FileLock::~FileLock()
{
    release();
}

FileLock::FileLock(FileLock&& other) noexcept
    : fd(std::exchange(other.fd, -1)), file(std::move(other.file)), removing(other.removing)
{
}

FileLock& FileLock::operator=(FileLock&& other) noexcept
{
    if (this != &other)
    {
        release();
        fd = std::exchange(other.fd, -1);
        file = std::move(other.file);
        removing = other.removing;
    }
    return *this;
}

// The file goes while the lock is still held, so that no game takes the
// lock of a file that is being removed, except one that opened it just then.
void FileLock::release()
{
    if (fd == -1)
        return;
    if (removing)
        ::unlink(file.c_str());
    ::close(fd);
    fd = -1;
}

} // namespace Platform
