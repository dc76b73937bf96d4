#include "palace/PictureCapture.hpp"

#include "platform/GameLog.hpp"
#include "platform/Wallpaper.hpp"
#include "video/ScreenCapture.hpp"

#include <boost/filesystem.hpp>
#include <ctime>
#include <utility>

namespace GameLogic
{
namespace PalaceBuild
{
namespace
{
// A request counts as the first frame; the capture is taken after the second
// frame drawn without the toolbar.
constexpr int captureDue = 3;

// The local date and time, as saved pictures are named.
std::string captureStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[128] = {};
    std::strftime(stamp, sizeof stamp - 1, "%Y-%m-%d %H-%M-%S", &local);
    return stamp;
}
} // namespace

PictureCapture::PictureCapture(std::string pictureCopies) : pictureCopies(std::move(pictureCopies))
{
}

void PictureCapture::request()
{
    counted = 1;
}

void PictureCapture::requestPlain()
{
    wallpaper = false;
    request();
}

void PictureCapture::requestWallpaper()
{
    wallpaper = true;
    request();
}

void PictureCapture::frameDrawn()
{
    if (!pending() || ++counted != captureDue)
        return;
    capture();
    counted = 0;
}

void PictureCapture::capture()
{
    Platform::logLine("PalaceBuild", 535) << " " << Platform::endLine;
    const std::string stamp = captureStamp();
    const std::string fileName = "PrintScreen/" + stamp + ".bmp";
    boost::system::error_code ignored;
    boost::filesystem::create_directories("PrintScreen", ignored);
    std::string copy;
    if (!pictureCopies.empty())
    {
        copy = pictureCopies + "/" + stamp + ".png";
        boost::filesystem::create_directories(pictureCopies, ignored);
    }
    if (!VideoEngine::OpenGL::saveScreen(fileName, copy))
        Platform::logLine("PalaceBuild", 536) << " Unable to write " << copy << Platform::endLine;
    if (wallpaper)
    {
        Platform::setDesktopWallpaper(fileName);
        wallpaper = false;
    }
}

} // namespace PalaceBuild
} // namespace GameLogic
