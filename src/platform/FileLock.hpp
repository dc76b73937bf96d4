#pragma once
// A lock that one game holds on a name while it uses it, so that two games
// of the same player never write the same file. The lock is the kernel's
// (flock on a lock file): it goes with the game, however the game ends.

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
    // Gives the lock back; the lock file is removed when removeOnRelease.
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return fd != -1; }
    // Asks that the lock file be removed when the lock is given back.
    void removeOnRelease(bool remove) { removing = remove; }

private:
    void release();

    int fd = -1;
    std::string file;
    bool removing = false;
};

} // namespace Platform
