#pragma once
// The start-up check of the banner pictures: each must exist and have the
// digest the game was built with (a generated header holds the table).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace StartUp
{

// The five SHA-1 chaining words H0..H4.
using Digest = std::array<std::uint32_t, 5>;

struct PictureDigest
{
    std::string path;
    Digest digest;
};

// SHA-1 of the file's bytes followed by zero bytes up to a multiple of 8
// (the file is read in 1024-byte chunks, each fed rounded up to 8 bytes).
// A file that cannot be opened gives the digest of the empty message; a read
// error stops at the bytes read so far.
Digest fileDigest(const std::string& path);

// Tests the pictures in order and stops at the first that is missing or
// differs: then throws StopApplication "Some file was corrupted". Errors of
// the existence test itself (an unreadable folder) pass on as they are.
void checkPictures(const std::vector<PictureDigest>& pictures);

} // namespace StartUp
