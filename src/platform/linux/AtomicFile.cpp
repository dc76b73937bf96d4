// Invariant: a temporary file exists only inside replaceFileAtomically and
// writeNewFileAtomically; every failure path removes it before the exception
// leaves.

#include "platform/AtomicFile.hpp"
#include "platform/linux/FileDescriptor.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace Platform
{
namespace
{

// The temporary file's name, removed from the folder unless kept.
class TemporaryName
{
public:
    explicit TemporaryName(std::string name) : name(std::move(name)) {}
    ~TemporaryName()
    {
        if (!kept)
            ::unlink(name.c_str());
    }
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;

    const std::string& get() const { return name; }
    void keep() { kept = true; }

private:
    std::string name;
    bool kept = false;
};

[[noreturn]] void fail(const std::string& what, const std::string& fileName)
{
    throw std::runtime_error("Unable to save " + fileName + ": " + what + ": " +
                             std::strerror(errno));
}

std::string folderOf(const std::string& fileName)
{
    const std::string::size_type slash = fileName.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : fileName.substr(0, slash);
}

// The mode a newly created file gets.
mode_t newFileMode()
{
    const mode_t creationMask = ::umask(0);
    ::umask(creationMask);
    return 0666 & ~creationMask;
}

// Writes contents to a new temporary file beside fileName, with the mode,
// flushed to disk and closed; returns its name. Throws std::runtime_error
// about fileName (no temporary file left) when anything fails.
std::string writeTemporary(const std::string& fileName, const std::string& contents, mode_t mode)
{
    std::string pattern = fileName + ".XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    FileDescriptor file(::mkostemp(buffer.data(), O_CLOEXEC));
    if (file.get() == -1)
        fail("cannot create a temporary file", fileName);
    TemporaryName temporary(buffer.data());
    // mkostemp makes the file private.
    ::fchmod(file.get(), mode);

    const char* next = contents.data();
    std::size_t left = contents.size();
    while (left > 0)
    {
        const ssize_t written = ::write(file.get(), next, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            fail("write failed", fileName);
        next += written;
        left -= static_cast<std::size_t>(written);
    }
    if (::fsync(file.get()) != 0)
        fail("flush to disk failed", fileName);
    if (!file.close())
        fail("close failed", fileName);
    temporary.keep();
    return temporary.get();
}

// Makes the renames and links in fileName's folder durable; the files are in
// place either way.
void syncFolderOf(const std::string& fileName)
{
    FileDescriptor folder(::open(folderOf(fileName).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() != -1)
        ::fsync(folder.get());
}

// Puts the file temporary under fileName unless that name is taken (by a
// file, a folder or a link, even a dangling one): false, errno EEXIST, then.
// A hard link where the file system allows one, else a rename that refuses to
// replace; the temporary name goes either way on success.
bool placeUnlessTaken(TemporaryName& temporary, const std::string& fileName)
{
    if (::link(temporary.get().c_str(), fileName.c_str()) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    if (::renameat2(AT_FDCWD, temporary.get().c_str(), AT_FDCWD, fileName.c_str(),
                    RENAME_NOREPLACE) != 0)
        return false;
    temporary.keep();
    return true;
}

} // namespace

void replaceFileAtomically(const std::string& fileName, const std::string& contents)
{
    // A replaced file keeps its mode.
    struct stat old = {};
    const mode_t mode = ::stat(fileName.c_str(), &old) == 0 ? old.st_mode & 07777 : newFileMode();
    TemporaryName temporary(writeTemporary(fileName, contents, mode));
    if (::rename(temporary.get().c_str(), fileName.c_str()) != 0)
        fail("rename failed", fileName);
    temporary.keep();
    syncFolderOf(fileName);
}

std::string writeNewFileAtomically(const std::string& stem, const std::string& extension,
                                   const std::string& contents)
{
    TemporaryName temporary(writeTemporary(stem + extension, contents, newFileMode()));
    for (int n = 1;; ++n)
    {
        const std::string name = stem + (n == 1 ? "" : " " + std::to_string(n)) + extension;
        if (placeUnlessTaken(temporary, name))
        {
            syncFolderOf(name);
            return name;
        }
        if (errno != EEXIST)
            fail("cannot name the file", name);
    }
}

} // namespace Platform
