#pragma once
// A lock that one game holds on a name while it uses it, so that two games
// of the same player never write the same file. The lock is the kernel's
// (flock on a lock file): it goes with the game, however the game ends. The
// lock file lives only while its lock is held: the holder removes it before
// it lets go, and a taker holds a lock only on the file the name still
// names.

#include <string>

namespace Platform
{

class FileLock
{
public:
    // No lock held.
    FileLock() = default;
    // Takes the lock of the lock file, making the file when missing; holds
    // nothing when another holder has it or the file cannot be made.
    explicit FileLock(const std::string& lockFile);
    // Removes the lock file and gives the lock back.
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return fd != -1; }

private:
    void release();

    int fd = -1;
    std::string file;
};

} // namespace Platform
