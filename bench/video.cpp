// Prints the time to load every picture of the game's data into GL textures
// and the cost of drawing one textured quad. Needs DISPLAY.
// Usage: bench-video [picture folder]   (default: the game's BMP folder)

#include "platform/Image.hpp"
#include "video/FastTextureData.hpp"
#include "video/FrameTextureData.hpp"
#include "video/MaskFile.hpp"
#include "video/Texture.hpp"

#include <FreeImage.h>
#include <GL/freeglut.h>
#include <algorithm>
#include <boost/filesystem.hpp>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using namespace VideoEngine::OpenGL;
using Clock = std::chrono::steady_clock;

namespace
{

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::vector<std::string> picturesUnder(const std::string& folder)
{
    namespace fs = boost::filesystem;
    std::vector<std::string> names;
    if (!fs::is_directory(folder))
        return names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
    {
        const std::string extension = entry.path().extension().string();
        if (extension == ".png" || extension == ".bmp" || extension == ".jpg")
            names.push_back(entry.path().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

void openWindow()
{
    int argc = 1;
    char name[] = "bench-video";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB);
    glutInitWindowSize(1024, 768);
    glutCreateWindow("bench-video");
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1024, 768, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// Loads every picture once (frames cut into their pieces) and prints the
// total, the slowest picture and the pixels loaded.
void benchLoading(const std::vector<std::string>& names)
{
    double total = 0.0;
    double slowest = 0.0;
    std::string slowestName;
    double megapixels = 0.0;
    unsigned failed = 0;
    for (const std::string& name : names)
    {
        const Clock::time_point start = Clock::now();
        try
        {
            if (name.find("/frame/") != std::string::npos)
            {
                Texture<FrameTextureData> frame;
                frame.load(name);
                glFinish();
                megapixels += frame.data->imageWidth * frame.data->imageHeight / 1e6;
            }
            else
            {
                Texture<FastTextureData> picture(name);
                glFinish();
                megapixels += picture.data->imageWidth * picture.data->imageHeight / 1e6;
            }
        }
        catch (const std::exception& e)
        {
            ++failed;
            std::printf("  failed: %s: %s\n", name.c_str(), e.what());
        }
        const double elapsed = millisecondsSince(start);
        total += elapsed;
        if (elapsed > slowest)
        {
            slowest = elapsed;
            slowestName = name;
        }
    }
    std::printf("load: %zu pictures (%u failed), %.1f megapixels, %.1f ms in all, %.2f ms each\n",
                names.size(), failed, megapixels, total,
                names.empty() ? 0.0 : total / double(names.size()));
    if (!slowestName.empty())
        std::printf("load: slowest %.1f ms: %s\n", slowest, slowestName.c_str());
}

// Draws the same 100 x 80 picture many times, as the game draws its pieces,
// and prints the cost per quad.
void benchDrawing()
{
    const Platform::BitmapPtr bitmap(FreeImage_Allocate(100, 80, 32));
    Texture<FastTextureData> picture;
    picture.data->loadFromBitmap(bitmap.get(), 0, 0, 0, 0);

    const int quads = 10000;
    glClear(GL_COLOR_BUFFER_BIT);
    glFinish();
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < quads; ++i)
        picture.drawAt((i * 37) % 900, (i * 53) % 680);
    glFinish();
    const double elapsed = millisecondsSince(start);
    std::printf("draw: %d quads of 100 x 80 in %.1f ms, %.2f us per quad\n", quads, elapsed,
                elapsed * 1000.0 / quads);
}

} // namespace

int main(int argc, char** argv)
{
    const std::string folder = argc > 1 ? argv[1] : std::string(GAME_DIR) + "/BMP";
    openWindow();
    std::printf("renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    const std::vector<std::string> names = picturesUnder(folder);
    if (names.empty())
        std::printf("load: no pictures under %s\n", folder.c_str());
    else
        benchLoading(names);
    benchDrawing();
    return 0;
}
