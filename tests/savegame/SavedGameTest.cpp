// The saved game of the running level: the files earlier versions wrote
// load and save again byte for byte, damaged files leave an empty palace,
// and a failed save keeps the old file.

#include "savegame/SavedGame.hpp"

#include "model/Palace.hpp"
#include "play/Toolbar.hpp"
#include "support/Level.hpp"

#include <boost/filesystem.hpp>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace TestSupport;
using GameLogic::PalaceBuild::Brick;
using SavedGame = LevelTest;
namespace fs = boost::filesystem;

namespace
{

const std::string corpus = std::string(SOURCE_DIR) + "/tests/savegame/corpus/";

void writeFile(const std::string& name, const std::string& text)
{
    std::ofstream(name, std::ios::binary) << text;
}

// A laid piece as "picture x,y mirror tint-step red-factor size clipped screen source".
std::string describe(const Brick& b)
{
    std::ostringstream text;
    const auto& p = b.picture();
    text << p.data->fileName.substr(11) << " " << p.position.x << "," << p.position.y << " "
         << p.mirror << " " << p.colorChanger.step << " " << p.red << " " << p.size << " "
         << b.clipped() << " " << b.screenRect().left << "," << b.screenRect().top << ","
         << b.screenRect().right << "," << b.screenRect().bottom << " " << b.sourceRect().left
         << "," << b.sourceRect().top << "," << b.sourceRect().right << ","
         << b.sourceRect().bottom;
    return text.str();
}

} // namespace

TEST_F(SavedGame, FilesOfEarlierVersionsLoadAndSaveByteForByte)
{
    const struct
    {
        const char* file;
        std::vector<std::string> pieces; // topmost first
        const char *background, *frame;
        // As the gallery reads a palace: a missing picture stands in.
        SaveGame::MissingPicture reading = SaveGame::MissingPicture::damage;
    } rows[] = {
        {"empty.txt", {}, "BMP/background/a.png", "BMP/frame/gold.png"},
        {"stack.txt",
         {"1.tower.png 400,260 0 0 1 10 0 400,260,416,324 0,0,12,40",
          "1.tower.png 400,300 0 0 1 10 0 400,300,416,364 0,0,12,40"},
         "BMP/background/a.png",
         "BMP/frame/gold.png"},
        {"three.txt",
         {"2.flag.png 1010,-3 1 17 0.2 10 0 1010,-3,1026,5 0,0,9,7",
          "1.tower.png 600,123 1 3 0.6 7 0 600,123,616,187 0,0,12,40",
          "1.arch.png 205,500 0 0 1 12 1 220,500,241,524 12,0,30,20"},
         "BMP/background/b.png",
         "BMP/frame/plain.png"},
        {"gone.txt",
         {"2.flag.png 1010,-3 1 17 0.2 10 0 1010,-3,1026,5 0,0,9,7",
          "1.tiger.png 600,123 1 3 0.6 7 0 600,123,616,187 0,0,12,40",
          "1.gone.png 205,500 0 0 1 12 1 220,500,241,524 12,0,30,20"},
         "BMP/background/b.png",
         "BMP/frame/plain.png",
         SaveGame::MissingPicture::standIn},
    };
    // The gallery's way is read into a palace of its own, as the gallery does.
    auto catalogues = GameLogic::PalaceBuild::GameLevel::makeCatalogues();
    for (const auto& row : rows)
    {
        const std::string golden = readFile(corpus + row.file);
        writeFile("savegame.txt", golden);
        const bool asGallery = row.reading == SaveGame::MissingPicture::standIn;
        GameLogic::PalaceBuild::Palace galleryPalace;
        if (asGallery)
            SaveGame::readSavedGame("savegame.txt", galleryPalace, *catalogues.backgrounds,
                                    *catalogues.frames, row.reading);
        else
            play("kl");
        const auto& palace = asGallery ? galleryPalace : level->palace();
        const auto& backgrounds = asGallery ? *catalogues.backgrounds : level->backgrounds();
        const auto& frames = asGallery ? *catalogues.frames : level->frames();
        std::vector<std::string> loaded;
        for (const auto& brick : palace.bricks())
        {
            loaded.push_back(describe(*brick));
            const auto& picture = *brick->picture().data;
            EXPECT_EQ(bool(brick->mask().runs), fs::exists(picture.fileName))
                << "only stand-ins lack one";
            EXPECT_EQ(int(picture.imageWidth) * 100 + int(picture.imageHeight),
                      brick->sourceRect().right * 100 + brick->sourceRect().bottom)
                << "the stored size";
        }
        EXPECT_EQ(loaded, row.pieces) << row.file;
        EXPECT_EQ(palace.selected(), loaded.empty() ? nullptr : palace.bricks().front());
        EXPECT_EQ(backgrounds.current.data->fileName, row.background);
        EXPECT_EQ(frames.current.data->fileName, row.frame);
        fs::remove("savegame.txt");
        if (asGallery)
            SaveGame::writeSavedGame("savegame.txt", palace, backgrounds, frames);
        else
            play("ks");
        EXPECT_EQ(readFile("savegame.txt"), golden) << row.file;
    }
}

TEST_F(SavedGame, DamagedFilesLeaveAnEmptyPalace)
{
    const std::string good = readFile(corpus + "stack.txt");
    auto damaged = [&](const std::string& what, const std::string& by)
    {
        std::string text = good;
        const auto at = text.find(what);
        EXPECT_NE(at, std::string::npos) << what;
        return at == std::string::npos ? text : text.replace(at, what.size(), by);
    };
    const std::string white = "1.000000000e+00 1.000000000e+00 1.000000000e+00 22";
    const std::string tower = "22 BMP/palace/1.tower.png", second = " 12 40 3\n1 0 ";
    const std::string atTop = " 400 260 0 0 0 0 10 ";
    std::vector<std::optional<std::string>> files = {
        std::nullopt, // no file
        damaged("0 0 0 0 2 1", "0 0 0 0 4000000000 1"),
        damaged("0 0 0 0 2 1", "0 0 0 0 18446744073709551615 1"),
        damaged("0 0 0 0 2 1", "0 0 0 0 -1 1"),
        damaged(tower, "999999999999 BMP/palace/1.tower.png"),
        damaged(tower, "4000000000 BMP/palace/1.tower.png"), // memory enough to take it
        damaged("22 serialization", "2200000000000 serialization"),
        damaged(" 400 260 ", " 400 2147483647 "),
        damaged(white, "nan 1 1 22"),
        damaged(white, "1 7 1 22"),
        damaged(atTop, " 400 260 0 0 0 0 13 "),  // size 13
        damaged(atTop, " 400 260 0 0 0 60 10 "), // tint step 60
        damaged(second, " 12 40 8\n1 0 "),       // a class never met
        damaged(second, " 12 40 -3\n1 0 "),
        damaged(second, " 12 40 0\n1 0 "),           // the palace behind a pointer
        damaged(second, " 12 40 3\n0 0 "),           // the first brick again
        damaged("archive 18 0 0", "archive 18 1 0"), // a tracked palace
        damaged("archive 18", "archive 3"),
    };
    // Picture names that are no picture of the game's picture folders, some
    // of them pictures the game could show.
    ASSERT_EQ(mkfifo("BMP/palace/pipe.png", 0600), 0);
    const std::string inFolder = "BMP/palace/1.tower.png";
    fs::create_directories("BMP/palace/old");
    fs::create_directories("own/background");
    fs::create_directories("mine/palace");
    for (const char* copy :
         {"BMP/startup.png", "BMP/palace/old/1.tower.png", "own/background/1.tower.png",
          "own/1.tower.png", "mine/palace/1.tower.png"})
        fs::copy_file(inFolder, copy);
    for (const std::string& name : std::vector<std::string>{
             "own/background/1.tower.png", "own/1.tower.png", "mine/palace/1.tower.png",
             "own/palace/../../" + inFolder, "own/palace/1.none.png", "/dev/zero", "/etc/passwd",
             "", "BMP/palace", "BMP/palace/pipe.png", "BMP/palace/none.png",
             "BMP/button/clear 01.png", "BMP/startup.png", "BMP/palace/old/1.tower.png",
             "BMP/../" + inFolder, fs::absolute(inFolder).string(),
             "../" + fs::current_path().filename().string() + "/" + inFolder})
        files.push_back(damaged(tower, std::to_string(name.size()) + " " + name));
    for (std::size_t length = 0; length <= good.find_last_not_of(" \n"); ++length)
        files.push_back(good.substr(0, length));

    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    for (const auto& text : files)
    {
        play("t m515,410 l515,410");
        fs::remove("savegame.txt");
        if (text)
            writeFile("savegame.txt", *text);
        play("kl");
        EXPECT_TRUE(level->palace().bricks().empty()) << text.value_or("(no file)");
        EXPECT_FALSE(level->palace().selected()) << text.value_or("(no file)");
    }
    // No claimed length is taken before it is checked (the peak is in KiB).
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 256 * 1024);
}

TEST_F(SavedGame, FamilysOwnPiecesLoad)
{
    // "own/palace/1.tower.png" is as long as the name it replaces.
    const std::string text = readFile(corpus + "stack.txt");
    const std::string name = "BMP/palace/1.tower.png", own = "own/palace/1.tower.png";
    ASSERT_NE(text.find("22 " + name), std::string::npos);
    fs::create_directories("own/palace");
    fs::copy_file(name, own);
    writeFile("savegame.txt", std::string(text).replace(text.find(name), name.size(), own));
    play("kl");
    const auto& bricks = level->palace().bricks();
    EXPECT_TRUE(std::any_of(bricks.begin(), bricks.end(),
                            [&](const auto& brick)
                            { return brick->picture().data->fileName == own; }));
}

TEST_F(SavedGame, FailedSaveKeepsTheOldFile)
{
    play("t m515,410 l515,410 ks");
    const std::string old = readFile("savegame.txt");
    ASSERT_FALSE(old.empty());
    play("t m615,410 l615,410 t m715,410 l715,410");

    // The file size limit stands in for a disk that fills up during the save.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{static_cast<rlim_t>(old.size() + 10), limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    play("ks");
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_EQ(readFile("savegame.txt"), old);
    EXPECT_EQ(level->palace().bricks().size(), 3u) << "the game goes on";
    EXPECT_EQ(std::distance(fs::directory_iterator("."), {}), 4)
        << "BMP, log, saved game and gallery alone";
    play("ks");
    EXPECT_NE(readFile("savegame.txt"), old);
}
