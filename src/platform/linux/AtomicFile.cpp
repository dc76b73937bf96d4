// Invariant: the temporary file exists only inside replaceFileAtomically;
// every failure path removes it before the exception leaves.

#include "platform/AtomicFile.hpp"
#include "platform/linux/FileDescriptor.hpp"

#include <cerrno>
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

} // namespace

void replaceFileAtomically(const std::string& fileName, const std::string& contents)
{
    std::string pattern = fileName + ".XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    FileDescriptor file(::mkostemp(buffer.data(), O_CLOEXEC));
    if (file.get() == -1)
        fail("cannot create a temporary file", fileName);
    TemporaryName temporary(buffer.data());
    // mkostemp makes the file private; give it the old file's mode, or for a
    // new file the mode a newly created file would have.
    struct stat old = {};
    if (::stat(fileName.c_str(), &old) == 0)
        ::fchmod(file.get(), old.st_mode & 07777);
    else
    {
        const mode_t creationMask = ::umask(0);
        ::umask(creationMask);
        ::fchmod(file.get(), 0666 & ~creationMask);
    }

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
    if (::rename(temporary.get().c_str(), fileName.c_str()) != 0)
        fail("rename failed", fileName);
    temporary.keep();

    // Make the rename itself durable; the new file is in place either way.
    FileDescriptor folder(::open(folderOf(fileName).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() != -1)
        ::fsync(folder.get());
}

} // namespace Platform
