#pragma once
// What tells one version of a file from another: a file replaced whole (a
// new inode) or written in place (a new size or modification time) has
// another identity.

#include <cstdint>
#include <optional>
#include <string>

namespace Platform
{

struct FileIdentity
{
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    long modifiedNanoseconds = 0;

    bool operator==(const FileIdentity& other) const;
};

// The identity of the file the path names now; none when there is no such
// file or it cannot be looked at.
std::optional<FileIdentity> fileIdentity(const std::string& path);

} // namespace Platform
