#include "output/PictureCapture.hpp"

#include "platform/Clock.hpp"
#include "platform/GameLog.hpp"
#include "platform/Wallpaper.hpp"
#include "output/ScreenCapture.hpp"

#include <boost/filesystem.hpp>
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
} // namespace

PictureCapture::PictureCapture(std::string pictureCopies) : pictureCopies(std::move(pictureCopies))
{
}

void PictureCapture::request()
{
    picture = true;
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

void PictureCapture::requestPrint(std::string stem)
{
    printStem = std::move(stem);
    counted = 1;
}

std::optional<std::string> PictureCapture::takePrinted()
{
    return std::exchange(printed, std::nullopt);
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
    using VideoEngine::OpenGL::saveScreen;
    if (!printStem.empty())
    {
        printed = saveScreen("", printStem).png;
        if (printed->empty())
            Platform::logLine("PalaceBuild", 537)
                << " Unable to write " << printStem << ".png: nothing printed" << Platform::endLine;
        printStem.clear();
    }
    if (!picture)
        return;
    picture = false;
    // Marks each picture saved; the log's readers count on this line.
    Platform::logLine("PalaceBuild", 535) << " " << Platform::endLine;
    const std::string stamp = Platform::localTimeStamp();
    boost::system::error_code ignored;
    boost::filesystem::create_directories("PrintScreen", ignored);
    std::string copy;
    if (!pictureCopies.empty())
    {
        copy = pictureCopies + "/" + stamp;
        boost::filesystem::create_directories(pictureCopies, ignored);
    }
    const VideoEngine::OpenGL::ScreenFiles files = saveScreen("PrintScreen/" + stamp, copy);
    if (!copy.empty() && files.png.empty())
        Platform::logLine("PalaceBuild", 536)
            << " Unable to write " << copy << ".png" << Platform::endLine;
    if (wallpaper && !files.bmp.empty())
        Platform::setDesktopWallpaper(files.bmp);
    wallpaper = false;
}

} // namespace PalaceBuild
} // namespace GameLogic
