// Feeds arbitrary bytes to the saved-game loader. It runs in a scratch game
// folder with tiny pictures (the ones the seed saved games name) and a GLUT
// window, since loading a brick uploads its picture. Every input must end in
// a normal return or an exception; crashes, hangs, leaks and runaway memory
// are what the fuzzer reports.

#include "SceneFiles.hpp"

#include "savegame/SavedGame.hpp"

#include <GL/freeglut.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace
{

std::unique_ptr<SceneFiles::Scene> scene;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    glutInit(argc, *argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB);
    glutInitWindowSize(64, 64);
    glutCreateWindow("savegame-fuzzer");

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("savegame-fuzzer-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    SceneFiles::writePictures();
    scene = std::make_unique<SceneFiles::Scene>();
    // The GL driver keeps allocations of its own until the process ends, and
    // the sanitizer's report at exit would list only those; leaks of a
    // single input are still caught by the fuzzer while it runs. So the
    // process ends here, after cleaning up, before that report.
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
    const std::string text(reinterpret_cast<const char*>(data), size);
    try
    {
        GameLogic::PalaceBuild::readSavedGameText(text, scene->palace, scene->backgrounds,
                                                  scene->frames);
        // What loaded must be a sound pile.
        if (!scene->palace.bricks.empty() && scene->palace.selected != scene->palace.bricks.front())
            std::abort();
    }
    catch (...)
    {
    }
    scene->palace.clear();
    return 0;
}
