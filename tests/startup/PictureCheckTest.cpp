#include "startup/PictureCheck.hpp"
#include "startup/ControlExceptions.hpp"
#include "startup/SHA1.hpp"
#include "support/TempDir.hpp"

#include <boost/filesystem.hpp>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

using namespace StartUp;

namespace
{

Digest digestOf(const std::string& message)
{
    SHA1 sha;
    sha.input(reinterpret_cast<const std::uint8_t*>(message.data()),
              static_cast<std::uint32_t>(message.size()));
    Digest digest{};
    EXPECT_TRUE(sha.result(digest.data()));
    return digest;
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// 0, 1, ..., 255 four times: exactly 1024 bytes.
std::string countingBytes()
{
    std::string bytes;
    for (int i = 0; i < 1024; ++i)
        bytes += static_cast<char>(i % 256);
    return bytes;
}

const Digest emptyDigest = {0xda39a3ee, 0x5e6b4b0d, 0x3255bfef, 0x95601890, 0xafd80709};

} // namespace

TEST(SHA1, MatchesTheStandardVectors)
{
    EXPECT_EQ(emptyDigest, digestOf(""));
    EXPECT_EQ((Digest{0xa9993e36, 0x4706816a, 0xba3e2571, 0x7850c26c, 0x9cd0d89d}),
              digestOf("abc"));
    // Two blocks: the padding needs a block of its own.
    EXPECT_EQ((Digest{0x84983e44, 0x1c3bd26e, 0xbaae4aa1, 0xf95129e5, 0xe54670f1}),
              digestOf("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"));
    // Fed in pieces of odd sizes, the digest is the same.
    SHA1 sha;
    const std::string text = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";
    for (std::size_t at = 0; at < text.size(); at += 7)
        sha.input(reinterpret_cast<const std::uint8_t*>(text.data() + at),
                  static_cast<std::uint32_t>(std::min<std::size_t>(7, text.size() - at)));
    Digest pieces{};
    ASSERT_TRUE(sha.result(pieces.data()));
    EXPECT_EQ(digestOf(text), pieces);
}

TEST(SHA1, InputAfterTheResultCorruptsAndResetStartsAgain)
{
    SHA1 sha;
    const std::uint8_t a = 'a';
    sha.input(&a, 1);
    Digest first{};
    ASSERT_TRUE(sha.result(first.data()));
    Digest again{};
    ASSERT_TRUE(sha.result(again.data()));
    EXPECT_EQ(first, again);

    sha.input(&a, 0);
    ASSERT_TRUE(sha.result(again.data())) << "an empty input changes nothing";
    sha.input(&a, 1);
    Digest untouched = {1, 2, 3, 4, 5};
    EXPECT_FALSE(sha.result(untouched.data()));
    EXPECT_EQ((Digest{1, 2, 3, 4, 5}), untouched);

    sha.reset();
    Digest empty{};
    ASSERT_TRUE(sha.result(empty.data()));
    EXPECT_EQ(emptyDigest, empty);
}

TEST(FileDigest, RoundsTheFileUpToEightBytesWithZeros)
{
    TestSupport::TempDir dir;
    writeFile(dir.file("abc"), "abc");
    // SHA-1 of "abc" and five zero bytes.
    EXPECT_EQ((Digest{0x9c35ed3d, 0x9f7b1ff7, 0xe0b02d68, 0x5a202734, 0x15b838b4}),
              fileDigest(dir.file("abc")));
    EXPECT_NE(digestOf("abc"), fileDigest(dir.file("abc")));

    writeFile(dir.file("1024"), countingBytes());
    EXPECT_EQ((Digest{0x5b00669c, 0x480d5cff, 0xbdfa8bdb, 0xa9956116, 0x0f2d1b77}),
              fileDigest(dir.file("1024")));

    // The second chunk is short and is rounded on its own.
    writeFile(dir.file("1027"), countingBytes() + "xyz");
    EXPECT_EQ((Digest{0x9a0eaab5, 0x871e1f4b, 0x7c72851e, 0x3188af67, 0x547b8f5f}),
              fileDigest(dir.file("1027")));

    writeFile(dir.file("empty"), "");
    EXPECT_EQ(emptyDigest, fileDigest(dir.file("empty")));
    EXPECT_EQ(emptyDigest, fileDigest(dir.file("missing")));
    // A folder opens but cannot be read: the digest of what was read, nothing.
    EXPECT_EQ(emptyDigest, fileDigest(dir.path()));
}

TEST(PictureCheck, PassesUnchangedPicturesAndStopsAtTheFirstBadOne)
{
    TestSupport::TempDir dir;
    const std::string first = dir.file("startup.jpg");
    const std::string second = dir.file("shutdown.jpg");
    writeFile(first, "first picture");
    writeFile(second, "second picture");
    const std::vector<PictureDigest> table = {{first, fileDigest(first)},
                                              {second, fileDigest(second)}};
    EXPECT_NO_THROW(checkPictures(table));

    writeFile(second, "second picturf");
    try
    {
        checkPictures(table);
        FAIL() << "an altered picture passed";
    }
    catch (const StopApplication& e)
    {
        EXPECT_STREQ("Some file was corrupted", e.what());
    }
    writeFile(second, "second picture");

    boost::filesystem::rename(first, dir.file("renamed.jpg"));
    EXPECT_THROW(checkPictures(table), StopApplication);
}

TEST(PictureCheck, NeverLooksAtTheSecondPictureWhenTheFirstFails)
{
    TestSupport::TempDir dir;
    const std::string first = dir.file("startup.jpg");
    writeFile(first, "first picture");
    // A name too long for the file system: looking at it at all is an error
    // of its own, which the check passes on.
    const std::string unreadable = dir.path() + "/" + std::string(300, 'x');
    std::vector<PictureDigest> table = {{first, fileDigest(first)}, {unreadable, emptyDigest}};
    EXPECT_THROW(checkPictures(table), boost::filesystem::filesystem_error);

    table[0].digest[4] ^= 1;
    EXPECT_THROW(checkPictures(table), StopApplication);
}
