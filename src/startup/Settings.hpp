#pragma once
// The settings a family or a school gives the game: a child lock, sound, the
// display mode, where copies of saved pictures go, which palace a game
// begins with, whether the pointer shows, printing, and how the child plays. They come from the
// system's settings files (brickwork-garden/settings.conf in each folder of
// XDG_CONFIG_DIRS), then the user's ($XDG_CONFIG_HOME/brickwork-garden/
// settings.conf), then the command line; a later source wins. A file holds
// "key = value" lines; "#" starts a comment and blank lines are ignored.

#include "platform/Folders.hpp"
#include "play/Access.hpp"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace StartUp
{

enum class DisplayChoice
{
    // Switch the screen to the game's own mode for the run.
    Switch,
    // Leave the desktop's mode alone and scale the scene to fit it.
    Keep,
    // Leave the desktop's mode alone and play in a window of 1024x768, or
    // less where the screen is smaller.
    Window
};

struct Settings
{
    // Escape and the exit button do not end the game; Ctrl+Shift+Escape does.
    bool lock = false;
    bool sound = true;
    DisplayChoice display = DisplayChoice::Switch;
    // The folder for PNG copies of saved pictures; empty until loadSettings
    // gives it (the user's pictures folder unless a setting names another).
    std::string pictures;
    // Begin with the palace in play when the last game ended ("start = last")
    // rather than an empty one.
    bool startWithLast = false;
    // The desktop's pointer over the game's window ("pointer = show"); a
    // touch screen needs none ("pointer = hide").
    bool showPointer = true;
    // Printing on the default printer; off, the print control stays inactive.
    bool print = true;
    // Seconds after a print before the next one, 0 to 3600.
    int printWait = 60;
    // How the child plays: mouse, keys, one or two switches, or dwell.
    GameLogic::PalaceBuild::AccessOptions access;
};

using Platform::Environment;

// One setting: its key in a settings file, the values it takes, its lines of
// --help and where its value goes. On the command line a yes/no setting is
// --key and --no-key, any other --key=value or --key value.
struct SettingEntry
{
    enum class Kind
    {
        // "yes" or "no".
        Flag,
        // One of words.
        Words,
        // A whole number from low to high.
        Number,
        // A folder starting with / or ~/ ("~" is the home folder).
        Folder
    };

    const char* key;
    Kind kind;
    // Flag and Words: the values, the default first; Number: the default.
    std::vector<std::string> words;
    // The --help line of each option, in the order of options(); a "\n"
    // continues it under the first line.
    std::vector<std::string> help;
    // Number: the unit the help and the errors name, and the range.
    const char* unit = "";
    int low = 0;
    int high = 0;
    // Puts a good value into the settings (a folder already made absolute).
    std::function<void(Settings&, const std::string&)> put;

    // The options that give the setting: "--lock", "--no-lock"; "--display=keep"
    // for each word; "--print-wait=N"; "--pictures=FOLDER".
    std::vector<std::string> options() const;
};

// Every setting, in the order --help lists them. Adding a setting is adding
// an entry here and its field to Settings.
const std::vector<SettingEntry>& settingsTable();

// The settings files in the order they are read (a later one wins): the
// system files, the last folder of XDG_CONFIG_DIRS first (default /etc/xdg;
// relative folders are skipped), then the user's file.
std::vector<std::string> settingsFiles(const Environment& env);

// The default folder for copies of saved pictures: "Brickwork Garden" inside
// XDG_PICTURES_DIR of the user's user-dirs.dirs, or else inside ~/Pictures.
// A user-dirs.dirs that is not a small regular file adds "file: what is
// wrong" to warnings and is passed over.
std::string defaultPicturesFolder(const Environment& env, std::vector<std::string>& warnings);

// Applies the lines of a settings file to settings. A missing file changes
// nothing; anything but a regular file of at most 64 KiB (a FIFO, a device)
// is skipped whole and adds "file: what is wrong" to warnings; every line
// that is not a known key with a good value is skipped and adds
// "file:line: what is wrong".
void readSettingsFile(const std::string& path, const Environment& env, Settings& settings,
                      std::vector<std::string>& warnings);

struct LoadedSettings
{
    // -1: play with settings; else the process ends at once with this code.
    int exitCode = -1;
    Settings settings;
    // One "file:line: what is wrong" for each line of a file that was skipped,
    // one "file: what is wrong" for each file skipped whole.
    std::vector<std::string> warnings;
};

// The settings of this run from the files and the command line (arguments
// without the program's name). --help writes the options and the files read
// to out, --version the program's name and the version given; both give exit
// code 0.
// An unknown option or a bad value writes the error and the usage to err and
// gives exit code 2. The files are read only for a run that plays.
LoadedSettings loadSettings(const std::vector<std::string>& arguments, const Environment& env,
                            const std::string& version, std::ostream& out, std::ostream& err);

} // namespace StartUp
