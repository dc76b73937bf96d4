#include "platform/Trash.hpp"

#include "platform/Clock.hpp"
#include "platform/Folders.hpp"
#include "platform/Text.hpp"
#include "platform/linux/FileDescriptor.hpp"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace Platform
{
namespace
{
namespace fs = std::filesystem;

fs::path trashFolder()
{
    return fs::path(userDataFolder(std::getenv)) / "Trash";
}

[[noreturn]] void fail(const std::string& what, const fs::path& file)
{
    throw std::runtime_error(what + " " + file.string() + ": " + std::strerror(errno));
}

// Creates the info file under a name not yet taken; returns the name. The
// info file is created exclusively, so two games never pick the same one.
std::string reserveName(const fs::path& trash, const fs::path& file, const std::string& info)
{
    const std::string stem = file.stem().string();
    const std::string extension = file.extension().string();
    for (int n = 1; n < 10000; ++n)
    {
        const std::string name =
            n == 1 ? file.filename().string() : stem + " " + std::to_string(n) + extension;
        const fs::path infoFile = trash / "info" / (name + ".trashinfo");
        if (fs::exists(trash / "files" / name))
            continue;
        const int fd = ::open(infoFile.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            fail("Unable to write", infoFile);
        const bool written = ::write(fd, info.data(), info.size()) == ssize_t(info.size());
        ::close(fd);
        if (!written)
        {
            fs::remove(infoFile);
            fail("Unable to write", infoFile);
        }
        return name;
    }
    fail("No room in the trash for", file);
}

// Copies the file onto another file system as a move would leave it: its
// bytes, its mode and its times, flushed to disk, so that the original can
// go. Sets error, the copy perhaps left, on failure.
void copyAsMoved(const fs::path& from, const fs::path& to, std::error_code& error)
{
    struct stat source = {};
    if (::stat(from.c_str(), &source) != 0)
    {
        error.assign(errno, std::generic_category());
        return;
    }
    fs::copy_file(from, to, error);
    if (error)
        return;
    FileDescriptor copy(::open(to.c_str(), O_WRONLY | O_CLOEXEC));
    const timespec times[2] = {source.st_atim, source.st_mtim};
    if (copy.get() == -1 || ::futimens(copy.get(), times) != 0 || ::fsync(copy.get()) != 0 ||
        !copy.close())
    {
        error.assign(errno, std::generic_category());
        return;
    }
    // Its name too; the copy is whole either way.
    FileDescriptor folder(::open(to.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() != -1)
        ::fsync(folder.get());
}

} // namespace

void moveToTrash(const std::string& file)
{
    const fs::path path = fs::absolute(file).lexically_normal();
    const fs::path trash = trashFolder();
    std::error_code ignored;
    fs::create_directories(trash / "files", ignored);
    fs::create_directories(trash / "info", ignored);
    const std::string info = "[Trash Info]\nPath=" + percentEncoded(path.string()) +
                             "\nDeletionDate=" + localTime("%Y-%m-%dT%H:%M:%S") + "\n";
    const std::string name = reserveName(trash, path, info);
    const fs::path target = trash / "files" / name;
    std::error_code error;
    fs::rename(path, target, error);
    if (error == std::errc::cross_device_link)
    {
        error.clear();
        copyAsMoved(path, target, error);
        if (!error)
            fs::remove(path, error);
    }
    if (error)
    {
        fs::remove(trash / "info" / (name + ".trashinfo"), ignored);
        fs::remove(target, ignored);
        errno = error.value();
        fail("Unable to move", path);
    }
}

} // namespace Platform
