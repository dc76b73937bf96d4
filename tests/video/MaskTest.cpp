// The ".mask" files the game writes beside its toolbar pictures, and when
// one written before still counts.

#include "support/Pictures.hpp"
#include "support/TempDir.hpp"
#include "video/MaskFile.hpp"

#include <boost/filesystem.hpp>
#include <fstream>
#include <gtest/gtest.h>
#include <vector>

using namespace TestSupport;
using VideoEngine::OpenGL::prepareMasks;
namespace fs = boost::filesystem;

namespace
{

// '#' opaque, '.' transparent, a digit that alpha.
void writeRows(const std::string& file, int bits, const std::vector<std::string>& rows)
{
    writePicture(
        file, int(rows[0].size()), int(rows.size()), bits,
        [&](int x, int y)
        {
            const char c = rows[y][x];
            return Rgba{200, 100, 50, std::uint8_t(c == '.' ? 0 : c == '#' ? 255 : c - '0')};
        });
}

} // namespace

TEST(Masks, RunsOfNonTransparentPixels)
{
    const struct
    {
        int bits;
        std::vector<std::string> rows;
        const char* mask; // null: refused
    } rows[] = {
        {32,
         {"..###...##", "1.........", "..........", "##########", ".........#", "#.#.#.####"},
         "10\n0 2 5\n0 8 9\n1 0 1\n3 0 9\n4 9 9\n5 0 1\n5 2 3\n5 4 5\n5 6 9\n"},
        {32, {".......", "......."}, "7\n"},
        {24, {"##", "##"}, ""},
        {8, {"##"}, nullptr},
    };
    TempDir dir;
    for (const auto& row : rows)
    {
        const std::string file = dir.file(std::to_string(&row - rows) + ".png");
        writeRows(file, row.bits, row.rows);
        try
        {
            prepareMasks({file});
            EXPECT_EQ(readFile(file + ".mask"), row.mask) << row.bits;
        }
        catch (const std::invalid_argument& refused)
        {
            EXPECT_FALSE(row.mask) << refused.what();
            EXPECT_STREQ(refused.what(), "Bad image format");
        }
    }
}

TEST(Masks, RewrittenUnlessNewerThanThePicture)
{
    TempDir dir;
    const std::string file = dir.file("1.piece.png");
    writeRows(file, 32, {"#.#"});
    for (const int age : {10, 0, -10}) // the mask's time after the picture's
    {
        std::ofstream(file + ".mask") << "kept";
        fs::last_write_time(file + ".mask", fs::last_write_time(file) + age);
        prepareMasks({file});
        EXPECT_EQ(readFile(file + ".mask"), age > 0 ? "kept" : "3\n0 0 1\n0 2 2\n") << age;
    }
}
