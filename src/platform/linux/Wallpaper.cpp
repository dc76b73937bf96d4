// The desktop wallpaper on Linux. The picture is copied into the user's
// backgrounds folder (it must outlive the game's own folder) and the copy is
// handed to the desktop's own tool, picked from XDG_CURRENT_DESKTOP. Without
// the tool on PATH nothing is copied; a copy that no tool took is removed.
// Tools run without a shell and within a time budget; where a tool can say
// what it stored, the setting is read back, because some report success
// without storing anything.

#include "platform/Wallpaper.hpp"

#include "platform/ChildProcess.hpp"
#include "platform/Folders.hpp"
#include "platform/GameLog.hpp"
#include "platform/Image.hpp"
#include "platform/Termination.hpp"
#include "platform/Text.hpp"

#include <FreeImage.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace Platform
{
namespace
{

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using Arguments = std::vector<std::string>;

// The longest one tool may run, and the longest the whole request may hold
// up the game.
constexpr std::chrono::milliseconds toolLimit{2000};
constexpr std::chrono::milliseconds requestLimit{4000};

// The time left of one wallpaper request; every tool call takes from it.
class Budget
{
public:
    Budget() : deadline(Clock::now() + requestLimit) {}

    // Runs a tool within what is left; nothing when it could not start,
    // overran or failed.
    std::optional<std::string> run(const Arguments& arguments) const
    {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0 || terminationRequested())
            return std::nullopt;
        const std::optional<ProgramResult> result =
            runProgram(arguments, std::min(left, toolLimit));
        if (!result || result->exitCode != 0)
            return std::nullopt;
        return result->output;
    }

private:
    Clock::time_point deadline;
};

// $XDG_DATA_HOME/backgrounds, else ~/.local/share/backgrounds.
fs::path backgroundsFolder()
{
    return fs::path(userDataFolder(std::getenv)) / "backgrounds";
}

// A file URI; everything but unreserved characters and "/" is escaped, so
// the URI holds no quote or backslash either.
std::string fileUri(const fs::path& file)
{
    return "file://" + percentEncoded(file.string());
}

// The text as a GVariant string literal, the form gsettings parses.
std::string variantString(const std::string& text)
{
    std::string literal = "'";
    for (char c : text)
    {
        if (c == '\'' || c == '\\')
            literal += '\\';
        literal += c;
    }
    return literal + "'";
}

// The string inside a GVariant literal as gsettings prints it.
std::string variantValue(const std::string& printed)
{
    const std::string literal = trimmed(printed);
    return unquoted(literal, "'\"").value_or(literal);
}

// Sets a string key and reads it back: gsettings without a session bus
// "succeeds" into a memory store that forgets at once.
bool setGsetting(const Budget& budget, const std::string& schema, const std::string& key,
                 const std::string& value)
{
    if (!budget.run({"gsettings", "set", schema, key, variantString(value)}))
        return false;
    const std::optional<std::string> stored = budget.run({"gsettings", "get", schema, key});
    return stored && variantValue(*stored) == value;
}

bool installGnome(const Budget& budget, const fs::path& picture)
{
    const std::string uri = fileUri(picture);
    const bool stored = setGsetting(budget, "org.gnome.desktop.background", "picture-uri", uri);
    // Older GNOME has no dark variant; the light one is what counts.
    if (stored)
        setGsetting(budget, "org.gnome.desktop.background", "picture-uri-dark", uri);
    return stored;
}

bool installCinnamon(const Budget& budget, const fs::path& picture)
{
    return setGsetting(budget, "org.cinnamon.desktop.background", "picture-uri", fileUri(picture));
}

bool installMate(const Budget& budget, const fs::path& picture)
{
    return setGsetting(budget, "org.mate.background", "picture-filename", picture.string());
}

// XFCE keeps one last-image property per monitor and workspace; every one of
// them gets the picture. Without any, the first monitor's is created.
bool installXfce(const Budget& budget, const fs::path& picture)
{
    const std::string channel = "xfce4-desktop";
    std::vector<std::string> properties;
    if (const std::optional<std::string> listing =
            budget.run({"xfconf-query", "-c", channel, "-l"}))
    {
        std::istringstream lines(*listing);
        std::string line;
        const std::string suffix = "/last-image";
        while (std::getline(lines, line))
        {
            line = trimmed(line);
            if (line.size() > suffix.size() &&
                line.compare(line.size() - suffix.size(), suffix.size(), suffix) == 0)
                properties.push_back(line);
        }
    }
    else
        return false;

    bool stored = false;
    if (properties.empty())
    {
        const std::string property = "/backdrop/screen0/monitor0/workspace0/last-image";
        budget.run({"xfconf-query", "-c", channel, "-p", property, "-n", "-t", "string", "-s",
                    picture.string()});
        properties.push_back(property);
    }
    else
    {
        for (const std::string& property : properties)
            budget.run({"xfconf-query", "-c", channel, "-p", property, "-s", picture.string()});
    }
    for (const std::string& property : properties)
    {
        const std::optional<std::string> value =
            budget.run({"xfconf-query", "-c", channel, "-p", property});
        stored = stored || (value && trimmed(*value) == picture.string());
    }
    return stored;
}

bool installKde(const Budget& budget, const fs::path& picture)
{
    return budget.run({"plasma-apply-wallpaperimage", picture.string()}).has_value();
}

bool installLxqt(const Budget& budget, const fs::path& picture)
{
    return budget.run({"pcmanfm-qt", "--set-wallpaper", picture.string()}).has_value();
}

bool installLxde(const Budget& budget, const fs::path& picture)
{
    return budget.run({"pcmanfm", "--set-wallpaper=" + picture.string()}).has_value();
}

// Writes a PNG beside the picture (same name, ".png"); nothing on failure.
std::optional<fs::path> pngBeside(const fs::path& picture)
{
    std::string why;
    const BitmapPtr bitmap = loadImage(picture.string(), familyPicture, why);
    if (!bitmap)
        return std::nullopt;
    fs::path png = picture;
    png.replace_extension(".png");
    if (!FreeImage_Save(FIF_PNG, bitmap.get(), png.string().c_str(), 0))
        return std::nullopt;
    return png;
}

// Bare window managers: feh draws the root window and writes ~/.fehbg for the
// next session; xwallpaper, which reads no BMP, gets a PNG copy, removed
// again when it fails.
bool installOnRootWindow(const Budget& budget, const fs::path& picture)
{
    if (budget.run({"feh", "--bg-fill", picture.string()}))
        return true;
    const std::optional<fs::path> png = pngBeside(picture);
    if (png && budget.run({"xwallpaper", "--zoom", png->string()}))
        return true;
    std::error_code ignored;
    if (png)
        fs::remove(*png, ignored);
    return false;
}

// A desktop's way of installing, and the tools it runs: it needs one of them.
struct Installer
{
    bool (*install)(const Budget&, const fs::path&);
    const char* tools[2];
};

const Installer gnome{installGnome, {"gsettings"}}, cinnamon{installCinnamon, {"gsettings"}},
    mate{installMate, {"gsettings"}}, xfce{installXfce, {"xfconf-query"}},
    kde{installKde, {"plasma-apply-wallpaperimage"}}, lxqt{installLxqt, {"pcmanfm-qt"}},
    lxde{installLxde, {"pcmanfm"}}, rootWindow{installOnRootWindow, {"feh", "xwallpaper"}};

struct Desktop
{
    const char* name;
    const Installer& installer;
};

const Desktop desktops[] = {
    {"gnome", gnome},         {"ubuntu", gnome},        {"unity", gnome},
    {"budgie", gnome},        {"pantheon", gnome},      {"gnome-flashback", gnome},
    {"gnome-classic", gnome}, {"x-cinnamon", cinnamon}, {"cinnamon", cinnamon},
    {"mate", mate},           {"xfce", xfce},           {"kde", kde},
    {"lxqt", lxqt},           {"lxde", lxde},
};

// Whether one of the installer's tools is an executable file in a folder of
// PATH (glibc's default when unset), where starting it will look.
bool toolOnPath(const Installer& installer)
{
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "/bin:/usr/bin");
    for (std::string folder; std::getline(folders, folder, ':');)
        for (const char* tool : installer.tools)
        {
            if (!tool)
                continue;
            const fs::path file = fs::path(folder.empty() ? "." : folder) / tool;
            std::error_code ignored;
            if (fs::is_regular_file(file, ignored) && access(file.c_str(), X_OK) == 0)
                return true;
        }
    return false;
}

// The installer of the first desktop named in XDG_CURRENT_DESKTOP (a
// colon-separated list, case ignored) that is known here; the root window
// when none is.
const Installer& installerForSession()
{
    const char* current = std::getenv("XDG_CURRENT_DESKTOP");
    std::istringstream names(current ? current : "");
    std::string name;
    while (std::getline(names, name, ':'))
    {
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        for (const Desktop& desktop : desktops)
            if (name == desktop.name)
                return desktop.installer;
    }
    return rootWindow;
}

} // namespace

void setDesktopWallpaper(const std::string& pictureFile)
{
    const Installer& installer = installerForSession();
    if (!toolOnPath(installer))
    {
        const std::string other =
            installer.tools[1] ? std::string(" or ") + installer.tools[1] : "";
        logLine("OpenGL", 344) << " wallpaper not installed: no " << installer.tools[0] << other
                               << " on PATH" << endLine;
        return;
    }
    fs::path copy;
    try
    {
        const fs::path folder = backgroundsFolder();
        fs::create_directories(folder);
        copy = folder / fs::path(pictureFile).filename();
        fs::copy_file(pictureFile, copy, fs::copy_options::overwrite_existing);

        const Budget budget;
        const bool stored = installer.install(budget, copy);
        logLine("OpenGL", 358) << " wallpaper " << copy.string()
                               << (stored ? " installed" : " not installed") << endLine;
        if (stored)
            return;
    }
    catch (const std::exception& failure)
    {
        logLine("OpenGL", 365) << " wallpaper failed: " << failure.what() << endLine;
    }
    std::error_code ignored;
    if (!copy.empty())
        fs::remove(copy, ignored);
}

} // namespace Platform
