#include "platform/FileLock.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace Platform
{
namespace
{
// Whether the open file is still the one the path names.
bool stillNamed(int fd, const std::string& path)
{
    struct stat opened = {}, named = {};
    return ::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}
} // namespace

// A holder may remove the file between the open and the flock here: that
// lock would be on a file no other taker can find, so the file the name
// names by then is taken instead.
FileLock::FileLock(const std::string& lockFile) : file(lockFile)
{
    for (int tries = 0; tries < 100; ++tries)
    {
        const int opened =
            ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (opened == -1)
            return;
        const bool locked = ::flock(opened, LOCK_EX | LOCK_NB) == 0;
        if (locked && stillNamed(opened, lockFile))
        {
            fd = opened;
            return;
        }
        ::close(opened);
        if (!locked)
            return;
    }
}

FileLock::~FileLock()
{
    release();
}

FileLock::FileLock(FileLock&& other) noexcept
    : fd(std::exchange(other.fd, -1)), file(std::move(other.file))
{
}

FileLock& FileLock::operator=(FileLock&& other) noexcept
{
    if (this != &other)
    {
        release();
        fd = std::exchange(other.fd, -1);
        file = std::move(other.file);
    }
    return *this;
}

// The file goes while the lock is still held: a taker that opened it just
// before finds, once it has the lock, that the name no longer names it.
void FileLock::release()
{
    if (fd == -1)
        return;
    ::unlink(file.c_str());
    ::close(fd);
    fd = -1;
}

} // namespace Platform
