// The ".mask" files the game writes beside its toolbar pictures, when one
// written before still counts, and what the reader makes of damaged ones.

#include "model/Mask.hpp"
#include "support/Pictures.hpp"
#include "support/TempDir.hpp"
#include "video/MaskFile.hpp"

#include <boost/filesystem.hpp>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
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

TEST(Masks, AWriterKilledMidwayLeavesNoShortMask)
{
    TempDir dir;
    const std::string file = dir.file("1.piece.png");
    writeRows(file, 32, std::vector<std::string>(8, "#.#.#.#.#."));
    prepareMasks({file});
    const std::string whole = readFile(file + ".mask");
    fs::remove(file + ".mask");
    fs::last_write_time(file, fs::last_write_time(file) - 10);
    // The kernel kills the writer once its file passes 64 bytes.
    const auto killedWriter = [&]
    {
        const rlimit small{64, 64};
        setrlimit(RLIMIT_FSIZE, &small);
        prepareMasks({file});
    };
    EXPECT_EXIT(killedWriter(), testing::KilledBySignal(SIGXFSZ), "");
    prepareMasks({file});
    EXPECT_EQ(readFile(file + ".mask"), whole);
}

TEST(Masks, DamagedOnesAreRefused)
{
    const struct
    {
        const char* text;
        std::size_t runs; // 0: refused
    } rows[] = {
        {"10\n0 2 5\n0 8 9\n5 0 9\n", 3}, // as the game writes it
        {"", 0},
        {"10\n", 0},
        {"12\n0 2 5\n", 0},         // another width
        {"4294967306\n0 2 5\n", 0}, // the width plus 2^32
        {"10\n0 8 9\n0 2 5\n", 0},  // runs not ascending
        {"10\n0 2 5\n0 5 9\n", 0},
        {"10\n1 0 1\n0 2 5\n", 0},
        {"10\n0 5 2\n", 0},  // reversed
        {"10\n0 2 10\n", 0}, // beyond the width
        {"10\n6 0 1\n", 0},  // a seventh row
        {"10\n-1 0 1\n", 0},
        {"10\n0 -3 1\n", 0},
        {"10\n0 2 5\n0 8", 0}, // truncated
        {"10\n0 2 5\n0 8 9", 0},
        {"10\n0 2 5\n0 8 9 5\n", 0},
        {"10\n0 2 5\nwall\n", 0},
        {"10\n0 2 5\n1 0 99999999999999999999\n", 0}, // huge numbers
        {"10\n0 2 5\n4294967296 0 1\n", 0},
        {"10\n0 2 5\n1 4294967297 4294967298\n", 0},
    };
    TempDir dir;
    for (const auto& row : rows)
    {
        std::ofstream(dir.file("1.piece.png.mask")) << row.text;
        GameLogic::PalaceBuild::Mask mask;
        mask.load(dir.file("1.piece.png.mask"), 10, 6); // a 10 x 6 picture
        EXPECT_EQ(mask.runs ? mask.runs->size() : 0, row.runs) << row.text;
    }
}
