// The wallpaper request against recording fakes of the desktop tools, on a
// PATH that holds only them and a shell. The picture's name holds a quote,
// spaces and command substitutions: it must reach each tool as one argument
// and run nothing. A tool sees none of the game's open files.

#include "platform/Wallpaper.hpp"
#include "support/TempDir.hpp"

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;
using TestSupport::readFile;

static void replaceAll(std::string& text, const std::string& token, const std::string& by)
{
    for (auto at = text.find(token); at != std::string::npos; at = text.find(token, at + by.size()))
        text.replace(at, token.size(), by);
}

TEST(Wallpaper, EachDesktopsToolGetsTheCopyAsOneArgument)
{
    const std::string name = "it's a $(: >made) `: >made`.bmp",
                      xfce = "xfconf-query|-c|xfce4-desktop|-p|/backdrop/screen0/monitor0/"
                             "workspace0/last-image";
    const struct
    {
        const char* desktop; // XDG_CURRENT_DESKTOP; empty: unset
        const char* tools;
        std::string calls; // {C}: the copy, {U}: its URI, {Q}: quoted for gsettings, {P}: as PNG
        bool kept = true;  // false: no copy is left
    } cases[] = {
        {"ubuntu:GNOME", "gsettings",
         "gsettings|set|org.gnome.desktop.background|picture-uri|'{U}'\n"
         "gsettings|get|org.gnome.desktop.background|picture-uri\n"
         "gsettings|set|org.gnome.desktop.background|picture-uri-dark|'{U}'\n"
         "gsettings|get|org.gnome.desktop.background|picture-uri-dark\n"},
        {"X-Cinnamon", "gsettings",
         "gsettings|set|org.cinnamon.desktop.background|picture-uri|'{U}'\n"
         "gsettings|get|org.cinnamon.desktop.background|picture-uri\n"},
        {"MATE", "gsettings",
         "gsettings|set|org.mate.background|picture-filename|{Q}\n"
         "gsettings|get|org.mate.background|picture-filename\n"},
        {"XFCE", "xfconf-query",
         "xfconf-query|-c|xfce4-desktop|-l\n" + xfce + "|-n|-t|string|-s|{C}\n" + xfce + "\n"},
        {"KDE", "plasma-apply-wallpaperimage", "plasma-apply-wallpaperimage|{C}\n"},
        {"LXQt", "pcmanfm-qt", "pcmanfm-qt|--set-wallpaper|{C}\n"},
        {"LXDE", "pcmanfm", "pcmanfm|--set-wallpaper={C}\n"},
        {"i3", "feh xwallpaper", "feh|--bg-fill|{C}\n"},
        {"", "xwallpaper", "xwallpaper|--zoom|{P}\n"},
        {"", "hanging-feh xwallpaper", "feh|--bg-fill|{C}\nxwallpaper|--zoom|{P}\n"},
        {"KDE", "", "", false},
        {"", "", "", false},
        {"", "failing-xwallpaper", "xwallpaper|--zoom|{P}\n", false},
    };
    // Open in the game without close-on-exec, as a library's file may be.
    std::ifstream held(GAME_DIR "/BMP/button/arrow 01.png");
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.desktop) + " with " + c.tools);
        TestSupport::TempDir dir;
        TestSupport::WorkingDirectory inside(dir.path());
        const std::string bin = dir.file("bin"), picture = dir.file(name);
        fs::create_directories(bin);
        fs::create_symlink("/bin/sh", bin + "/sh");
        // Each fake records its call as a line "tool|arg|arg"; the storing
        // ones keep the last argument of a setting and answer it when asked.
        std::istringstream tools(c.tools);
        for (std::string tool; tools >> tool;)
        {
            const std::string file = bin + "/" +
                                     (tool == "hanging-feh"          ? "feh"
                                      : tool == "failing-xwallpaper" ? "xwallpaper"
                                                                     : tool);
            std::ofstream(file)
                << "#!/bin/sh\n{ printf %s \"${0##*/}\"; for a; do printf '|%s' \"$a\"; done; "
                   "echo; } >> calls\necho $(/bin/ls /proc/self/fd) >> fds\n"
                << (tool == "hanging-feh"          ? "printf %s $$ > feh.pid; exec /bin/sleep 60\n"
                    : tool == "failing-xwallpaper" ? "exit 1\n"
                    : tool == "gsettings" || tool == "xfconf-query"
                        ? "case \"$*\" in *-l) ;; set*|*-s*) for a; do v=$a; done; printf "
                          "'%s\\n' \"$v\" > store;; *) IFS= read -r v < store; printf '%s\\n' "
                          "\"$v\";; esac\n"
                        : "");
            fs::permissions(file, fs::perms::owner_all);
        }
        setenv("PATH", bin.c_str(), 1);
        setenv("XDG_DATA_HOME", dir.file("data").c_str(), 1);
        setenv("XDG_CURRENT_DESKTOP", c.desktop, 1);
        if (!*c.desktop)
            unsetenv("XDG_CURRENT_DESKTOP");
        fs::copy_file(GAME_DIR "/BMP/button/arrow 01.png", picture);

        Platform::setDesktopWallpaper(picture);

        const std::string copy = dir.file("data/backgrounds/" + name);
        std::string expected = c.calls, quoted = copy;
        replaceAll(quoted, "'", "\\'");
        replaceAll(expected, "{C}", copy);
        replaceAll(expected, "{U}",
                   "file://" + dir.file("data/backgrounds/it%27s%20a%20%24%28%3A"
                                        "%20%3Emade%29%20%60%3A%20%3Emade%60.bmp"));
        replaceAll(expected, "{Q}", "'" + quoted + "'");
        replaceAll(expected, "{P}", fs::path(copy).replace_extension(".png").string());
        EXPECT_EQ(expected, readFile("calls"));
        std::string descriptors; // 0, 1, 2 and ls's own look at the folder
        for (const char ch : expected)
            descriptors += ch == '\n' ? "0 1 2 3\n" : "";
        EXPECT_EQ(descriptors, readFile("fds"));
        // Without a tool nothing is made; a copy no tool took goes again.
        const std::string backgrounds = dir.file("data/backgrounds");
        EXPECT_EQ(fs::exists(backgrounds), *c.tools != '\0');
        if (c.kept)
            EXPECT_EQ(readFile(picture), readFile(copy));
        else
            EXPECT_TRUE(!fs::exists(backgrounds) || fs::is_empty(backgrounds)) << "copies left";
        EXPECT_FALSE(fs::exists("made")) << "a command in the name was run";
        EXPECT_TRUE(!fs::exists("feh.pid") ||
                    (kill(std::stoi(readFile("feh.pid")), 0) == -1 && errno == ESRCH))
            << "the hanging tool was left running";
    }
}
