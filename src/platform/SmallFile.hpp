#pragma once

#include <cstddef>
#include <string>

namespace Platform
{

// The whole of the small regular file at path, for settings and the like.
// Opening never blocks (a FIFO nobody writes to), and nothing but a regular
// file of at most limit bytes is read (not a device such as /dev/zero).
// Returns "" with problem empty when there is no such file; returns "" with
// problem saying what is wrong ("not a regular file", "larger than ...",
// "cannot be opened: ...", "cannot be read: ...") for anything else that
// cannot be read whole.
std::string readSmallFile(const std::string& path, std::size_t limit, std::string& problem);

// The first `wanted` bytes of the regular file at path (all of it when it is
// shorter), read the same careful way from a file of at most limit bytes.
// Returns "" with problem set as readSmallFile sets it, a missing file
// included ("cannot be opened: ...").
std::string readFileStart(const std::string& path, std::size_t wanted, std::size_t limit,
                          std::string& problem);

} // namespace Platform
