// Feeds arbitrary bytes to the saved-game loader, in a scratch game folder
// holding the small pictures the seed saved games name, with a GLUT window
// (loading a brick uploads its picture). Every input must end in a return or
// an exception and leave a sound pile; crashes, hangs and leaks are what the
// fuzzer reports. Built twice: as savegame.txt is read (MISSING_PICTURES
// damage) and as the gallery reads a palace (standIn: a missing picture
// stands in, drawn at the stored size).

#include "savegame/SceneFiles.hpp"

#include <GL/freeglut.h>
#include <cstdlib>
#include <filesystem>
#include <memory>

#ifndef MISSING_PICTURES
#define MISSING_PICTURES damage
#endif

static std::unique_ptr<SceneFiles::Scene> scene;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    glutInit(argc, *argv);
    glutCreateWindow("savegame-fuzzer");
    char folder[] = "/tmp/savegame-fuzzer-XXXXXX";
    std::filesystem::current_path(mkdtemp(folder));
    SceneFiles::writePictures();
    scene = std::make_unique<SceneFiles::Scene>();
    // Cleans up and ends the process before the sanitizer's report at exit,
    // which would list only the GL driver's own allocations; leaks of single
    // inputs are still caught while the fuzzer runs.
    std::atexit(
        []
        {
            scene.reset();
            std::error_code ignored;
            std::filesystem::remove_all(std::filesystem::current_path(), ignored);
            std::_Exit(0);
        });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try
    {
        SaveGame::readSavedGameText(std::string(reinterpret_cast<const char*>(data), size),
                                    scene->palace, scene->backgrounds, scene->frames,
                                    SaveGame::MissingPicture::MISSING_PICTURES);
        // What loaded must be a sound pile, its first brick selected.
        const auto& pile = scene->palace.bricks();
        if (!pile.empty() && scene->palace.selected() != pile.front())
            std::abort();
    }
    catch (...)
    {
    }
    scene->palace.clear();
    return 0;
}
