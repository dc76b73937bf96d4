// The wallpaper request against recording fakes of the desktop tools: small
// shell scripts on a PATH that holds nothing else, so no real tool runs.

#include "platform/Wallpaper.hpp"
#include "support/TempDir.hpp"

#include <FreeImage.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace
{

std::string readFile(const std::string& name)
{
    std::ifstream file(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class WallpaperTest : public ::testing::Test
{
protected:
    WallpaperTest()
    {
        fs::create_directories(bin);
        fs::create_directories(game + "/PrintScreen");
        setenv("PATH", bin.c_str(), 1);
        setenv("HOME", (root.path() + "/home").c_str(), 1);
        setenv("XDG_DATA_HOME", (root.path() + "/data").c_str(), 1);
        unsetenv("XDG_CURRENT_DESKTOP");
    }

    // A 5 x 3 BMP with a different colour in every pixel, as the capture
    // writes them.
    std::string writePicture(const std::string& name)
    {
        const std::string file = game + "/PrintScreen/" + name;
        FIBITMAP* bitmap = FreeImage_Allocate(5, 3, 24);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
            {
                RGBQUAD colour{static_cast<BYTE>(x * 50), static_cast<BYTE>(y * 100), 77, 0};
                FreeImage_SetPixelColor(bitmap, x, y, &colour);
            }
        FreeImage_Save(FIF_BMP, bitmap, file.c_str(), 0);
        FreeImage_Unload(bitmap);
        return file;
    }

    // A fake tool that records its arguments, one per line, after a line
    // naming it, then runs the extra shell lines.
    void fake(const std::string& tool, const std::string& extra = "")
    {
        const std::string file = bin + "/" + tool;
        std::ofstream(file) << "#!/bin/sh\n"
                            << "{ printf '%s\\n' '== " << tool << "'; for a in \"$@\"; do "
                            << "printf '%s\\n' \"$a\"; done; } >> '" << calls << "'\n"
                            << extra;
        fs::permissions(file, fs::perms::owner_all);
    }

    // gsettings that stores the value text it is given (or, forgetful, stores nothing
    // and answers the old value, as without a session bus).
    void fakeGsettings(bool forgetful = false)
    {
        const std::string store = root.path() + "/gsettings-";
        fake("gsettings", forgetful ? "[ \"$1\" = get ] && printf \"'%s'\\n\" old\nexit 0\n"
                                    : "case \"$1\" in\n"
                                      "set) printf '%s\\n' \"$4\" > '" +
                                          store + "'\"$3\";;\n" + "get) read -r v < '" + store +
                                          "'\"$3\"; printf '%s\\n' \"$v\";;\nesac\n");
    }

    std::string recorded() const { return readFile(calls); }
    std::string copyOf(const std::string& name) const
    {
        return root.path() + "/data/backgrounds/" + name;
    }

    TestSupport::TempDir root;
    std::string bin = root.path() + "/bin";
    std::string game = root.path() + "/game";
    std::string calls = root.path() + "/calls.log";
};

} // namespace

TEST_F(WallpaperTest, GnomeGetsBothUrisOfTheCopy)
{
    fakeGsettings();
    setenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME", 1);
    const std::string picture = writePicture("2024-03-03 09-05-07.bmp");
    Platform::setDesktopWallpaper(picture);

    const std::string copy = copyOf("2024-03-03 09-05-07.bmp");
    EXPECT_EQ(readFile(copy), readFile(picture));
    const std::string uri =
        "'file://" + root.path() + "/data/backgrounds/2024-03-03%2009-05-07.bmp'";
    EXPECT_EQ(recorded(),
              "== gsettings\nset\norg.gnome.desktop.background\npicture-uri\n" + uri +
                  "\n== gsettings\nget\norg.gnome.desktop.background\npicture-uri\n"
                  "== gsettings\nset\norg.gnome.desktop.background\npicture-uri-dark\n" +
                  uri +
                  "\n== gsettings\nget\norg.gnome.desktop.background\n"
                  "picture-uri-dark\n");
}

TEST_F(WallpaperTest, GsettingsThatStoresNothingIsNotBelieved)
{
    fakeGsettings(true);
    setenv("XDG_CURRENT_DESKTOP", "GNOME", 1);
    Platform::setDesktopWallpaper(writePicture("a.bmp"));
    // The read-back showed nothing stored, so the dark variant is not tried.
    const std::string log = recorded();
    EXPECT_NE(log.find("get\norg.gnome.desktop.background\npicture-uri\n"), std::string::npos);
    EXPECT_EQ(log.find("picture-uri-dark"), std::string::npos);
}

TEST_F(WallpaperTest, CinnamonAndMateUseTheirOwnKeys)
{
    fakeGsettings();
    setenv("XDG_CURRENT_DESKTOP", "X-Cinnamon", 1);
    Platform::setDesktopWallpaper(writePicture("c.bmp"));
    EXPECT_NE(recorded().find("set\norg.cinnamon.desktop.background\npicture-uri\n'file://"),
              std::string::npos);

    fs::remove(calls);
    setenv("XDG_CURRENT_DESKTOP", "MATE", 1);
    Platform::setDesktopWallpaper(writePicture("it's.bmp"));
    // A plain path, quoted for gsettings' parser.
    const std::string quoted = "'" + root.path() + "/data/backgrounds/it\\'s.bmp'";
    EXPECT_NE(recorded().find("set\norg.mate.background\npicture-filename\n" + quoted + "\n"),
              std::string::npos)
        << recorded();
    EXPECT_EQ(readFile(root.path() + "/gsettings-picture-filename"), quoted + "\n");
}

TEST_F(WallpaperTest, XfceSetsEveryMonitorsLastImage)
{
    const std::string store = root.path() + "/xfconf";
    fake("xfconf-query",
         "case \"$*\" in\n"
         "*-l*) printf '%s\\n' /backdrop/screen0/monitorHDMI-1/workspace0/last-image "
         "/backdrop/screen0/monitorHDMI-1/workspace0/image-style "
         "/backdrop/screen0/monitoreDP-1/workspace1/last-image;;\n"
         "*-s*) printf '%s\\n' \"$6\" > '" +
             store + "';;\n*) cat '" + store + "';;\nesac\n");
    setenv("XDG_CURRENT_DESKTOP", "XFCE", 1);
    Platform::setDesktopWallpaper(writePicture("x.bmp"));
    const std::string copy = copyOf("x.bmp");
    const std::string log = recorded();
    for (const std::string monitor : {"monitorHDMI-1/workspace0", "monitoreDP-1/workspace1"})
        EXPECT_NE(log.find("-p\n/backdrop/screen0/" + monitor + "/last-image\n-s\n" + copy + "\n"),
                  std::string::npos)
            << log;
    EXPECT_EQ(log.find("image-style\n-s"), std::string::npos);
}

TEST_F(WallpaperTest, XfceWithoutPropertiesGetsTheFirstMonitorsCreated)
{
    fake("xfconf-query");
    setenv("XDG_CURRENT_DESKTOP", "XFCE", 1);
    Platform::setDesktopWallpaper(writePicture("x.bmp"));
    EXPECT_NE(recorded().find("-p\n/backdrop/screen0/monitor0/workspace0/last-image\n-n\n-t\n"
                              "string\n-s\n" +
                              copyOf("x.bmp") + "\n"),
              std::string::npos)
        << recorded();
}

TEST_F(WallpaperTest, KdeLxqtAndLxdeGetThePathAsOneArgument)
{
    fake("plasma-apply-wallpaperimage");
    fake("pcmanfm-qt");
    fake("pcmanfm");
    const std::string picture = writePicture("k k.bmp");
    const std::string copy = copyOf("k k.bmp");
    for (const char* desktop : {"KDE", "LXQt", "LXDE"})
    {
        setenv("XDG_CURRENT_DESKTOP", desktop, 1);
        Platform::setDesktopWallpaper(picture);
    }
    EXPECT_EQ(recorded(), "== plasma-apply-wallpaperimage\n" + copy +
                              "\n== pcmanfm-qt\n--set-wallpaper\n" + copy +
                              "\n== pcmanfm\n--set-wallpaper=" + copy + "\n");
}

TEST_F(WallpaperTest, BareWindowManagerUsesFehElseXwallpaperWithAPng)
{
    fake("xwallpaper");
    const std::string picture = writePicture("w.bmp");
    setenv("XDG_CURRENT_DESKTOP", "i3", 1);
    Platform::setDesktopWallpaper(picture);
    const std::string png = copyOf("w.png");
    EXPECT_EQ(recorded(), "== xwallpaper\n--zoom\n" + png + "\n");

    // The PNG holds the picture's pixels.
    FIBITMAP* original = FreeImage_Load(FIF_BMP, picture.c_str(), 0);
    FIBITMAP* converted = FreeImage_Load(FIF_PNG, png.c_str(), 0);
    ASSERT_TRUE(converted);
    ASSERT_EQ(FreeImage_GetWidth(converted), 5u);
    ASSERT_EQ(FreeImage_GetHeight(converted), 3u);
    for (unsigned y = 0; y < 3; ++y)
        for (unsigned x = 0; x < 5; ++x)
        {
            RGBQUAD a{}, b{};
            FreeImage_GetPixelColor(original, x, y, &a);
            FreeImage_GetPixelColor(converted, x, y, &b);
            EXPECT_EQ(a.rgbRed, b.rgbRed);
            EXPECT_EQ(a.rgbGreen, b.rgbGreen);
            EXPECT_EQ(a.rgbBlue, b.rgbBlue);
        }
    FreeImage_Unload(original);
    FreeImage_Unload(converted);

    fs::remove(calls);
    fake("feh");
    unsetenv("XDG_CURRENT_DESKTOP");
    Platform::setDesktopWallpaper(picture);
    EXPECT_EQ(recorded(), "== feh\n--bg-fill\n" + copyOf("w.bmp") + "\n");
}

TEST_F(WallpaperTest, FileNamesCannotInjectCommands)
{
    fake("feh");
    fakeGsettings();
    const fs::path here = fs::current_path();
    fs::current_path(root.path());
    for (const std::string name :
         {"a;touch x.bmp", "$(touch y).bmp", "`touch z`.bmp", "q' ; touch w ; '.bmp"})
    {
        fs::remove(calls);
        const std::string picture = writePicture(name);
        unsetenv("XDG_CURRENT_DESKTOP");
        Platform::setDesktopWallpaper(picture);
        EXPECT_EQ(recorded(), "== feh\n--bg-fill\n" + copyOf(name) + "\n");
        setenv("XDG_CURRENT_DESKTOP", "MATE", 1);
        Platform::setDesktopWallpaper(picture);
        EXPECT_EQ(readFile(root.path() + "/gsettings-picture-filename"),
                  [&]
                  {
                      std::string escaped;
                      for (char c : copyOf(name))
                          escaped += c == '\'' ? std::string("\\'") : std::string(1, c);
                      return "'" + escaped + "'\n";
                  }());
    }
    for (const char* made : {"x.bmp", "y", "z", "w"})
    {
        EXPECT_FALSE(fs::exists(root.path() + "/" + made)) << made;
        EXPECT_FALSE(fs::exists(root.path() + "/bin/" + made)) << made;
    }
    fs::current_path(here);
}

TEST_F(WallpaperTest, HangingToolIsKilledInBoundedTime)
{
    const std::string pidFile = root.path() + "/feh.pid";
    fake("feh", "printf '%s' $$ > '" + pidFile + "'\nexec /bin/sleep 60\n");
    const auto start = std::chrono::steady_clock::now();
    Platform::setDesktopWallpaper(writePicture("h.bmp"));
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took, std::chrono::seconds(10));

    const pid_t pid = std::stoi(readFile(pidFile));
    // Gone and collected: signalling the id fails.
    EXPECT_EQ(kill(pid, 0), -1);
    EXPECT_EQ(errno, ESRCH);
}

TEST_F(WallpaperTest, MissingPictureRunsNoTool)
{
    fake("feh");
    Platform::setDesktopWallpaper(game + "/PrintScreen/none.bmp");
    EXPECT_FALSE(fs::exists(calls));
}

TEST_F(WallpaperTest, WithoutXdgDataHomeTheCopyGoesUnderHome)
{
    fake("feh");
    unsetenv("XDG_DATA_HOME");
    Platform::setDesktopWallpaper(writePicture("d.bmp"));
    EXPECT_TRUE(fs::exists(root.path() + "/home/.local/share/backgrounds/d.bmp"));
}
