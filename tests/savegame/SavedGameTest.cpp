// The saved game against real pictures in a temporary game folder, under a
// real GL context (loading uploads textures).

#include "SceneFiles.hpp"

#include "palace/Brick.hpp"
#include "savegame/SavedGame.hpp"
#include "support/GlContext.hpp"
#include "support/TempDir.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace GameLogic::PalaceBuild;
namespace fs = std::filesystem;

namespace
{

std::string readFile(const std::string& name)
{
    std::ifstream file(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& name, const std::string& text)
{
    std::ofstream(name, std::ios::binary) << text;
}

// Replaces the first occurrence of what, which must be there.
std::string replaced(std::string text, const std::string& what, const std::string& by)
{
    const auto at = text.find(what);
    EXPECT_NE(at, std::string::npos) << what;
    if (at != std::string::npos)
        text.replace(at, what.size(), by);
    return text;
}

class SavedGameTest : public ::testing::Test
{
protected:
    SavedGameTest() : folder(), inFolder(folder.path()) { SceneFiles::writePictures(); }

    TestSupport::GlContext gl;
    TestSupport::TempDir folder;
    TestSupport::WorkingDirectory inFolder;
};

void expectSameBrick(const Brick& saved, const Brick& loaded)
{
    EXPECT_EQ(saved.picture.data->fileName, loaded.picture.data->fileName);
    EXPECT_EQ(saved.picture.position, loaded.picture.position);
    EXPECT_EQ(saved.picture.mirror, loaded.picture.mirror);
    EXPECT_EQ(saved.picture.size, loaded.picture.size);
    EXPECT_EQ(saved.picture.red, loaded.picture.red);
    EXPECT_EQ(saved.picture.green, loaded.picture.green);
    EXPECT_EQ(saved.picture.blue, loaded.picture.blue);
    EXPECT_EQ(saved.picture.colorChanger.step, loaded.picture.colorChanger.step);
    EXPECT_EQ(saved.screenRect, loaded.screenRect);
    EXPECT_EQ(saved.sourceRect, loaded.sourceRect);
    EXPECT_EQ(saved.clipped, loaded.clipped);
    EXPECT_EQ(saved.picture.data->imageWidth, loaded.picture.data->imageWidth);
    // The mask is read again and sits on the picture.
    ASSERT_TRUE(loaded.mask.runs);
    ASSERT_EQ(saved.mask.runs->size(), loaded.mask.runs->size());
    for (std::size_t i = 0; i < saved.mask.runs->size(); ++i)
    {
        EXPECT_EQ((*saved.mask.runs)[i].row, (*loaded.mask.runs)[i].row);
        EXPECT_EQ((*saved.mask.runs)[i].end, (*loaded.mask.runs)[i].end);
    }
    EXPECT_EQ(loaded.mask.position, loaded.picture.position);
}

} // namespace

TEST_F(SavedGameTest, LoadGivesBackTheSavedScene)
{
    SceneFiles::Scene saved;
    SceneFiles::build(saved, "three");
    writeSavedGame("savegame.txt", saved.palace, saved.backgrounds, saved.frames);

    SceneFiles::Scene loaded;
    SceneFiles::build(loaded, "stack");
    loaded.palace.defaultSize = 7;
    loaded.palace.reserved = 1;
    readSavedGame("savegame.txt", loaded.palace, loaded.backgrounds, loaded.frames);

    ASSERT_EQ(saved.palace.bricks.size(), loaded.palace.bricks.size());
    auto savedBrick = saved.palace.bricks.begin();
    for (const auto& brick : loaded.palace.bricks)
        expectSameBrick(**savedBrick++, *brick);
    EXPECT_EQ(loaded.palace.selected, loaded.palace.bricks.front());
    EXPECT_EQ(loaded.palace.reserved, 65535);
    EXPECT_EQ(loaded.palace.defaultSize, 7u);
    EXPECT_EQ(loaded.backgrounds.index, saved.backgrounds.index);
    EXPECT_EQ(loaded.backgrounds.current.data->fileName, "BMP/background/b.png");
    EXPECT_EQ(loaded.frames.current.data->fileName, "BMP/frame/plain.png");

    // The scene holds what the test means it to: a clipped, a mirrored and
    // tinted, and a resized brick.
    const Brick& arch = *saved.palace.bricks.back();
    EXPECT_TRUE(arch.clipped);
    EXPECT_EQ(arch.picture.size, 12u);
    EXPECT_LT(saved.palace.bricks.front()->picture.red, 1.0f);

    // Saving what was loaded gives the same file.
    EXPECT_EQ(savedGameText(loaded.palace, loaded.backgrounds, loaded.frames),
              readFile("savegame.txt"));
}

TEST_F(SavedGameTest, CopiesOfOnePictureStayTwoBricks)
{
    SceneFiles::Scene scene;
    SceneFiles::build(scene, "stack");
    writeSavedGame("savegame.txt", scene.palace, scene.backgrounds, scene.frames);
    Palace palace;
    readSavedGame("savegame.txt", palace, scene.backgrounds, scene.frames);
    ASSERT_EQ(palace.bricks.size(), 2u);
    EXPECT_NE(palace.bricks.front(), palace.bricks.back());
    EXPECT_EQ(palace.bricks.front()->picture.position.y, 260);
    EXPECT_EQ(palace.bricks.back()->picture.position.y, 300);
}

TEST_F(SavedGameTest, EmptyPalaceFileHoldsHeaderCountReservedAndTwoPaths)
{
    SceneFiles::Scene scene;
    scene.palace.reserved = 4242;
    writeSavedGame("savegame.txt", scene.palace, scene.backgrounds, scene.frames);
    const std::string text = readFile("savegame.txt");
    EXPECT_EQ(text.rfind("22 serialization::archive 18 ", 0), 0u) << text;
    // No bricks (count 0, then the library's item version), reserved, then
    // each catalogue's class header and path.
    EXPECT_NE(text.find(" 0 1 4242 0 0 20 BMP/background/a.png 0 0 18 BMP/frame/gold.png"),
              std::string::npos)
        << text;

    SceneFiles::build(scene, "three");
    readSavedGame("savegame.txt", scene.palace, scene.backgrounds, scene.frames);
    EXPECT_TRUE(scene.palace.bricks.empty());
    EXPECT_FALSE(scene.palace.selected);
    EXPECT_EQ(scene.palace.reserved, 4242);
    EXPECT_EQ(scene.backgrounds.index, 0u);
}

TEST_F(SavedGameTest, MissingFileFailsAndTouchesNothing)
{
    SceneFiles::Scene scene;
    SceneFiles::build(scene, "three");
    EXPECT_ANY_THROW(readSavedGame("savegame.txt", scene.palace, scene.backgrounds, scene.frames));
    EXPECT_EQ(scene.palace.bricks.size(), 3u);
    EXPECT_EQ(scene.backgrounds.current.data->fileName, "BMP/background/b.png");
}

TEST_F(SavedGameTest, UnknownCataloguePathShowsTheFirstPicture)
{
    SceneFiles::Scene scene;
    SceneFiles::build(scene, "three");
    std::string text = savedGameText(scene.palace, scene.backgrounds, scene.frames);
    // Differs only in letter case: no match.
    text = replaced(text, "20 BMP/background/b.png", "20 BMP/background/B.png");
    text = replaced(text, "19 BMP/frame/plain.png", "19 BMP/frame/gone!.png");
    writeFile("savegame.txt", text);

    SceneFiles::Scene loaded;
    loaded.backgrounds.next();
    loaded.backgrounds.next();
    readSavedGame("savegame.txt", loaded.palace, loaded.backgrounds, loaded.frames);
    EXPECT_EQ(loaded.palace.bricks.size(), 3u);
    EXPECT_EQ(loaded.backgrounds.index, 0u);
    EXPECT_EQ(loaded.backgrounds.current.data->fileName, "BMP/background/a.png");
    EXPECT_EQ(loaded.frames.index, 0u);
}

TEST_F(SavedGameTest, RemovedBrickPictureFailsTheLoadAtThatBrick)
{
    SceneFiles::Scene scene;
    SceneFiles::build(scene, "three");
    writeSavedGame("savegame.txt", scene.palace, scene.backgrounds, scene.frames);
    fs::remove("BMP/palace/1.tower.png");

    SceneFiles::Scene loaded;
    EXPECT_THROW(readSavedGame("savegame.txt", loaded.palace, loaded.backgrounds, loaded.frames),
                 std::invalid_argument);
    EXPECT_FALSE(loaded.palace.selected);
    // The catalogues come after the palace in the file.
    EXPECT_EQ(loaded.backgrounds.index, 0u);
    EXPECT_EQ(loaded.frames.index, 0u);
}

TEST_F(SavedGameTest, SecondSaveReplacesTheFirstAndLeavesNoTemporaryFile)
{
    SceneFiles::Scene scene;
    SceneFiles::build(scene, "three");
    writeSavedGame("savegame.txt", scene.palace, scene.backgrounds, scene.frames);
    SceneFiles::build(scene, "stack");
    writeSavedGame("savegame.txt", scene.palace, scene.backgrounds, scene.frames);

    EXPECT_EQ(readFile("savegame.txt"),
              savedGameText(scene.palace, scene.backgrounds, scene.frames));
    int files = 0;
    for (const auto& entry : fs::directory_iterator("."))
        files += entry.is_regular_file();
    EXPECT_EQ(files, 1); // savegame.txt only
}

TEST_F(SavedGameTest, FailedSaveLeavesTheOldFileWhole)
{
    SceneFiles::Scene scene;
    SceneFiles::build(scene, "empty");
    writeSavedGame("savegame.txt", scene.palace, scene.backgrounds, scene.frames);
    const std::string old = readFile("savegame.txt");
    SceneFiles::build(scene, "three");

    // A write that runs out of room part-way (the file size limit stands in
    // for a full disk).
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{static_cast<rlim_t>(old.size() + 10), limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW(writeSavedGame("savegame.txt", scene.palace, scene.backgrounds, scene.frames),
                 std::runtime_error);
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_EQ(readFile("savegame.txt"), old);

    // A folder that does not exist.
    EXPECT_THROW(
        writeSavedGame("nowhere/savegame.txt", scene.palace, scene.backgrounds, scene.frames),
        std::runtime_error);

    // A catalogue without a current picture.
    scene.backgrounds.index = 99;
    try
    {
        writeSavedGame("savegame.txt", scene.palace, scene.backgrounds, scene.frames);
        ADD_FAILURE() << "saved with a bad catalogue";
    }
    catch (const std::out_of_range& failure)
    {
        EXPECT_STREQ(failure.what(), "invalid vector<T> subscript");
    }
    EXPECT_EQ(readFile("savegame.txt"), old);
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 2); // + BMP
}

TEST_F(SavedGameTest, EveryTruncationFails)
{
    SceneFiles::Scene scene;
    SceneFiles::build(scene, "three");
    const std::string text = savedGameText(scene.palace, scene.backgrounds, scene.frames);
    const std::size_t whole = text.find_last_not_of(" \n") + 1;
    for (std::size_t length = 0; length < whole; ++length)
    {
        SceneFiles::Scene loaded;
        EXPECT_ANY_THROW(readSavedGameText(text.substr(0, length), loaded.palace,
                                           loaded.backgrounds, loaded.frames))
            << "cut at " << length;
    }
}

TEST_F(SavedGameTest, HugeCountsAndLengthsFailWithoutAllocating)
{
    SceneFiles::Scene scene;
    SceneFiles::build(scene, "stack");
    const std::string text = savedGameText(scene.palace, scene.backgrounds, scene.frames);
    // The brick count follows the palace's class header "0 0".
    const auto countAt = text.find(" 2 ", text.find("serialization::archive 18"));
    ASSERT_NE(countAt, std::string::npos);

    // The claimed size itself must be refused, before anything is allocated
    // for it (an allocation would fail differently, or eat the memory).
    const std::vector<std::string> damaged = {
        std::string(text).replace(countAt, 3, " 18446744073709551615 "),
        std::string(text).replace(countAt, 3, " 4000000000 "),
        std::string(text).replace(countAt, 3, " -1 "),
        replaced(text, "22 BMP/palace/1.tower.png", "999999999999 BMP/palace/1.tower.png"),
        replaced(text, "22 BMP/palace/1.tower.png", "4294967296 BMP/palace/1.tower.png"),
        replaced(text, "22 serialization", "2200000000000 serialization"),
    };
    for (const std::string& file : damaged)
    {
        SceneFiles::Scene loaded;
        try
        {
            readSavedGameText(file, loaded.palace, loaded.backgrounds, loaded.frames);
            ADD_FAILURE() << "loaded " << file;
        }
        catch (const std::length_error& failure)
        {
            EXPECT_EQ(std::string(failure.what()).rfind("Damaged saved game", 0), 0u)
                << failure.what();
        }
    }
}

TEST_F(SavedGameTest, PictureNamesOutsideTheGameFolderAreRefused)
{
    SceneFiles::Scene scene;
    SceneFiles::build(scene, "stack");
    const std::string text = savedGameText(scene.palace, scene.backgrounds, scene.frames);
    ASSERT_EQ(mkfifo("BMP/palace/pipe.png", 0600), 0);
    fs::copy_file("BMP/palace/1.tower.png", "../outside.png", fs::copy_options::overwrite_existing);
    for (const std::string name : {"BMP/palace/pipe.png", "/dev/zero", "../outside.png",
                                   "BMP/../../outside.png", "BMP/palace", ""})
    {
        SceneFiles::Scene loaded;
        const std::string file =
            replaced(text, "22 BMP/palace/1.tower.png", std::to_string(name.size()) + " " + name);
        EXPECT_ANY_THROW(readSavedGameText(file, loaded.palace, loaded.backgrounds, loaded.frames))
            << name;
    }
    fs::remove("../outside.png");
}

TEST_F(SavedGameTest, ValuesTheGameCannotMakeAreRefused)
{
    SceneFiles::Scene scene;
    SceneFiles::build(scene, "stack");
    const std::string text = savedGameText(scene.palace, scene.backgrounds, scene.frames);
    SceneFiles::Scene loaded;
    ASSERT_NO_THROW(readSavedGameText(text, loaded.palace, loaded.backgrounds, loaded.frames));

    // The upper copy is "<red> <green> <blue> 22 BMP/palace/1.tower.png 0 0 400 260 <mirror>
    // 0 0 <step> <size> ...", with class headers "0 0" before its position and its tint step.
    const std::string white = "1.000000000e+00 1.000000000e+00 1.000000000e+00 22";
    for (const auto& [what, by] : std::vector<std::pair<std::string, std::string>>{
             {" 400 260 ", " 400 2147483647 "},
             {white, "nan 1 1 22"},
             {white, "1 7 1 22"},
             {" 400 260 0 0 0 0 10 ", " 400 260 0 0 0 0 13 "},
             {" 400 260 0 0 0 0 10 ", " 400 260 0 0 0 60 10 "},
         })
    {
        SceneFiles::Scene damagedScene;
        EXPECT_ANY_THROW(readSavedGameText(replaced(text, what, by), damagedScene.palace,
                                           damagedScene.backgrounds, damagedScene.frames))
            << by;
    }
}

TEST_F(SavedGameTest, FramingTheGameNeverWritesIsRefused)
{
    SceneFiles::Scene scene;
    SceneFiles::build(scene, "stack");
    const std::string text = savedGameText(scene.palace, scene.backgrounds, scene.frames);
    // After the first brick comes the second pointer: the brick class (3),
    // then its object identifier (1).
    const std::string secondPointer = " 12 40 3\n1 0 ";
    for (const auto& [what, by] : std::vector<std::pair<std::string, std::string>>{
             {secondPointer, " 12 40 8\n1 0 "},  // a class never met
             {secondPointer, " 12 40 -3\n1 0 "}, // a negative class
             {secondPointer, " 12 40 0\n1 0 "},  // the palace's class behind a pointer
             {secondPointer, " 12 40 3\n0 0 "},  // the first brick once more
             {"archive 18 0 0", "archive 18 1 0"}, // the palace tracked
             {"archive 18", "archive 3"},          // an older archive
         })
    {
        SceneFiles::Scene loaded;
        EXPECT_ANY_THROW(readSavedGameText(replaced(text, what, by), loaded.palace,
                                           loaded.backgrounds, loaded.frames))
            << by;
    }
}
