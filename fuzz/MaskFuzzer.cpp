// Feeds arbitrary bytes to the mask reader as the ".mask" file of each of the
// game's toolbar pictures, and hit-tests every piece that keeps the mask, row
// by row, plain and mirrored, at its smallest and largest size. A kept mask
// must fit its picture, runs ascending; crashes, overflows and leaks are what
// the fuzzer reports. The seeds are the masks the build writes.

#include "model/Brick.hpp"

#include <GL/freeglut.h>
#include <boost/filesystem.hpp>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <vector>

using GameLogic::PalaceBuild::Brick;
namespace fs = boost::filesystem;

static std::vector<std::unique_ptr<Brick>> pieces;
static fs::path scratch;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    glutInit(argc, *argv);
    glutCreateWindow("mask-fuzzer");
    for (const char* folder : {"palace", "decoration", "person"})
        for (const fs::path& file : fs::directory_iterator(GAME_DIR "/BMP/" + std::string(folder)))
            if (file.extension() == ".png")
                pieces.push_back(std::make_unique<Brick>(file.string()));
    char folder[] = "/tmp/mask-fuzzer-XXXXXX";
    scratch = mkdtemp(folder);
    // Ends before the sanitizer's report at exit, which would list only the
    // GL driver's own allocations.
    std::atexit(
        []
        {
            pieces.clear();
            fs::remove_all(scratch);
            std::_Exit(0);
        });
    return 0;
}

// Aborts unless every run lies in the picture and follows the one before.
static void checkFits(const Brick& piece)
{
    const int width = int(piece.picture().data->imageWidth);
    const int height = int(piece.picture().data->imageHeight);
    const GameLogic::RowData* before = nullptr;
    for (const GameLogic::RowData& run : *piece.mask().runs)
    {
        if (run.row < 0 || run.row >= height || run.first < 0 || run.first > run.end ||
            run.end >= width ||
            (before &&
             (run.row < before->row || (run.row == before->row && run.first <= before->end))))
            std::abort();
        before = &run;
    }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::ofstream((scratch / "input.mask").string(), std::ios::binary)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
    for (const auto& piece : pieces)
    {
        piece->loadMask((scratch / "input").string());
        if (!piece->mask().runs)
            continue;
        checkFits(*piece);
        // Left of the piece every run of the row is looked at; then its middle.
        const int width = int(piece->picture().data->imageWidth);
        const int height = int(piece->picture().data->imageHeight);
        for (const bool mirror : {false, true})
            for (const unsigned step : {Brick::smallestSize, Brick::largestSize})
            {
                piece->setMirrored(mirror);
                piece->setSize(step);
                piece->setPosition(300, 200);
                for (int y = 199; y <= 201 + height * 2; ++y)
                    for (const int x : {299, 300 + width / 2})
                        piece->hitTest(x, y);
            }
    }
    return 0;
}
