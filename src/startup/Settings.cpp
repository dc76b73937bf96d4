#include "startup/Settings.hpp"

#include "platform/SmallFile.hpp"

#include <pwd.h>
#include <sstream>
#include <unistd.h>

namespace StartUp
{
namespace
{

const char* const programName = "brickwork-garden";

// Settings files and user-dirs.dirs are a few lines; anything larger is no
// such file.
constexpr std::size_t fileLimit = 64 * 1024;

// The lines of the small regular file at path; none when it is missing, or
// with "path: what is wrong" added to warnings when it is anything else that
// cannot be read whole (a FIFO, a device, a file over the limit).
std::istringstream readLines(const std::string& path, std::vector<std::string>& warnings)
{
    std::string problem;
    std::istringstream lines(Platform::readSmallFile(path, fileLimit, problem));
    if (!problem.empty())
        warnings.push_back(path + ": " + problem);
    return lines;
}

std::string trim(const std::string& text)
{
    const char* const blanks = " \t\r\n\f\v";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool isAbsolute(const char* path)
{
    return path && path[0] == '/';
}

// HOME when it is an absolute path, else the user database's home folder,
// else empty.
std::string homeFolder(const Environment& env)
{
    if (const char* home = env("HOME"); isAbsolute(home))
        return home;
    if (const passwd* user = getpwuid(getuid()); user && isAbsolute(user->pw_dir))
        return user->pw_dir;
    return "";
}

std::string userConfigFolder(const Environment& env)
{
    if (const char* config = env("XDG_CONFIG_HOME"); isAbsolute(config))
        return config;
    return homeFolder(env) + "/.config";
}

// Reads a yes/no value into flag; false for any other value.
bool readFlag(const std::string& value, bool& flag)
{
    if (value != "yes" && value != "no")
        return false;
    flag = value == "yes";
    return true;
}

// Sets key to value; returns what is wrong, empty when both are good.
std::string applySetting(Settings& settings, const std::string& key, const std::string& value,
                         const Environment& env)
{
    const std::string bad = "bad value \"" + value + "\" for " + key + ": ";
    if (key == "lock")
        return readFlag(value, settings.lock) ? "" : bad + "yes or no";
    if (key == "sound")
        return readFlag(value, settings.sound) ? "" : bad + "yes or no";
    if (key == "print")
        return readFlag(value, settings.print) ? "" : bad + "yes or no";
    if (key == "print-wait")
    {
        // Plain digits only: no sign, no blanks, no fraction.
        if (value.empty() || value.size() > 4 ||
            value.find_first_not_of("0123456789") != std::string::npos || std::stoi(value) > 3600)
            return bad + "a number of seconds from 0 to 3600";
        settings.printWait = std::stoi(value);
        return "";
    }
    if (key == "display")
    {
        if (value != "switch" && value != "keep" && value != "window")
            return bad + "switch, keep or window";
        settings.display = value == "keep"     ? DisplayChoice::Keep
                           : value == "window" ? DisplayChoice::Window
                                               : DisplayChoice::Switch;
        return "";
    }
    if (key == "start")
    {
        if (value != "empty" && value != "last")
            return bad + "empty or last";
        settings.startWithLast = value == "last";
        return "";
    }
    if (key == "pointer")
    {
        if (value != "show" && value != "hide")
            return bad + "show or hide";
        settings.showPointer = value == "show";
        return "";
    }
    if (key == "pictures")
    {
        // The game runs in the player's own folder, not where it was
        // started, so a relative folder would surprise.
        if (value == "~" || value.rfind("~/", 0) == 0)
            settings.pictures = homeFolder(env) + value.substr(1);
        else if (isAbsolute(value.c_str()))
            settings.pictures = value;
        else
            return bad + "a folder starting with / or ~/";
        return "";
    }
    return "unknown key \"" + key + "\"";
}

// The value of a line of user-dirs.dirs (a double-quoted shell word starting
// with $HOME or /), or empty when it is neither.
std::string userDirValue(const std::string& quoted, const std::string& home)
{
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"')
        return "";
    std::string value;
    for (std::size_t i = 1; i + 1 < quoted.size(); ++i)
    {
        if (quoted[i] == '\\' && i + 2 < quoted.size())
            ++i;
        value += quoted[i];
    }
    if (value.rfind("$HOME", 0) == 0 && (value.size() == 5 || value[5] == '/'))
        return home + value.substr(5);
    return isAbsolute(value.c_str()) ? value : "";
}

using Setting = std::pair<std::string, std::string>;

// Turns the option at arguments[i] into a setting added to given; one that
// takes its value from the next argument moves i on. Returns what is wrong,
// empty when the option and its value are good.
std::string readOption(const std::vector<std::string>& arguments, std::size_t& i,
                       const Environment& env, std::vector<Setting>& given)
{
    const std::string& argument = arguments[i];
    const std::size_t equals = argument.find('=');
    const std::string option = argument.substr(0, equals);
    if (argument == "--lock" || argument == "--sound" || argument == "--print")
        given.emplace_back(argument.substr(2), "yes");
    else if (argument == "--no-lock" || argument == "--no-sound" || argument == "--no-print")
        given.emplace_back(argument.substr(5), "no");
    else if (option != "--display" && option != "--pictures" && option != "--start" &&
             option != "--pointer" && option != "--print-wait")
        return "unknown option \"" + argument + "\"";
    else if (equals != std::string::npos)
        given.emplace_back(option.substr(2), argument.substr(equals + 1));
    else if (i + 1 < arguments.size())
        given.emplace_back(option.substr(2), arguments[++i]);
    else
        return "option " + option + " needs a value";
    Settings check;
    return applySetting(check, given.back().first, given.back().second, env);
}

void writeUsage(std::ostream& stream, const Environment& env)
{
    std::vector<std::string> ignored;
    stream << "Usage: " << programName << " [OPTION]...\n"
           << "A picture-building game for children.\n\n"
           << "  --lock             child lock: Escape and the exit button do not end the\n"
           << "                     game, Ctrl+Shift+Escape does\n"
           << "  --no-lock          no child lock (the default)\n"
           << "  --sound            play sounds (the default)\n"
           << "  --no-sound         play no sound and leave the audio device alone\n"
           << "  --display=switch   switch the screen to 1024x768 for the game (the default)\n"
           << "  --display=keep     keep the desktop's screen mode, the game scaled to fit\n"
           << "  --display=window   play in a window, the desktop's screen mode kept\n"
           << "  --pictures=FOLDER  where PNG copies of saved pictures go, by default\n"
           << "                     " << defaultPicturesFolder(env, ignored) << "\n"
           << "  --start=empty      begin with an empty palace (the default)\n"
           << "  --start=last       begin with the palace in play when the last game ended\n"
           << "  --pointer=show     show the pointer over the game (the default)\n"
           << "  --pointer=hide     show no pointer over the game, as for a touch screen\n"
           << "  --print            print on the default printer with Ctrl+P or the printer\n"
           << "                     button (the default)\n"
           << "  --no-print         never print: the printer button stays grey\n"
           << "  --print-wait=N     seconds after a print before the next one, 0 to 3600\n"
           << "                     (default 60)\n"
           << "  --help             show this help and exit\n"
           << "  --version          show the version and exit\n\n"
           << "Settings files, read in this order, then the options; later ones win:\n";
    for (const std::string& file : settingsFiles(env))
        stream << "  " << file << "\n";
    stream << "Each line is \"key = value\" with the keys lock (no, yes), sound (yes, no),\n"
           << "display (switch, keep, window), pictures (a folder), start (empty, last),\n"
           << "pointer (show, hide), print (yes, no) and print-wait (seconds); # starts a\n"
           << "comment.\n";
}

} // namespace

std::vector<std::string> settingsFiles(const Environment& env)
{
    std::vector<std::string> folders;
    const char* configDirs = env("XDG_CONFIG_DIRS");
    std::string list = configDirs && *configDirs ? configDirs : "/etc/xdg";
    for (std::size_t start = 0; start <= list.size();)
    {
        std::size_t end = list.find(':', start);
        if (end == std::string::npos)
            end = list.size();
        const std::string folder = list.substr(start, end - start);
        // The first folder listed matters most, so it is read last.
        if (isAbsolute(folder.c_str()))
            folders.insert(folders.begin(), folder);
        start = end + 1;
    }
    folders.push_back(userConfigFolder(env));
    std::vector<std::string> files;
    for (const std::string& folder : folders)
        files.push_back(folder + "/brickwork-garden/settings.conf");
    return files;
}

std::string defaultPicturesFolder(const Environment& env, std::vector<std::string>& warnings)
{
    const std::string home = homeFolder(env);
    std::string pictures = home + "/Pictures";
    std::istringstream userDirs = readLines(userConfigFolder(env) + "/user-dirs.dirs", warnings);
    const std::string key = "XDG_PICTURES_DIR=";
    for (std::string line; std::getline(userDirs, line);)
    {
        line = trim(line);
        if (line.rfind(key, 0) != 0)
            continue;
        const std::string value = userDirValue(trim(line.substr(key.size())), home);
        if (!value.empty())
            pictures = value;
    }
    return pictures + "/Brickwork Garden";
}

void readSettingsFile(const std::string& path, const Environment& env, Settings& settings,
                      std::vector<std::string>& warnings)
{
    std::istringstream file = readLines(path, warnings);
    int number = 0;
    for (std::string line; std::getline(file, line);)
    {
        ++number;
        // A byte-order mark left by an editor.
        if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0)
            line.erase(0, 3);
        line = trim(line.substr(0, line.find('#')));
        if (line.empty())
            continue;
        const std::size_t equals = line.find('=');
        const std::string problem = equals == std::string::npos
                                        ? "not a \"key = value\" line"
                                        : applySetting(settings, trim(line.substr(0, equals)),
                                                       trim(line.substr(equals + 1)), env);
        if (!problem.empty())
            warnings.push_back(path + ":" + std::to_string(number) + ": " + problem);
    }
}

LoadedSettings loadSettings(const std::vector<std::string>& arguments, const Environment& env,
                            const std::string& version, std::ostream& out, std::ostream& err)
{
    LoadedSettings loaded;
    // The options become settings lines, applied after the files.
    std::vector<Setting> given;
    std::string problem;
    for (std::size_t i = 0; i < arguments.size() && problem.empty(); ++i)
    {
        if (arguments[i] == "--help" || arguments[i] == "--version")
        {
            if (arguments[i] == "--help")
                writeUsage(out, env);
            else
                out << programName << " " << version << "\n";
            loaded.exitCode = 0;
            return loaded;
        }
        problem = readOption(arguments, i, env, given);
    }
    if (!problem.empty())
    {
        err << programName << ": " << problem << "\n\n";
        writeUsage(err, env);
        loaded.exitCode = 2;
        return loaded;
    }
    for (const std::string& file : settingsFiles(env))
        readSettingsFile(file, env, loaded.settings, loaded.warnings);
    for (const auto& [key, value] : given)
        applySetting(loaded.settings, key, value, env);
    if (loaded.settings.pictures.empty())
        loaded.settings.pictures = defaultPicturesFolder(env, loaded.warnings);
    return loaded;
}

} // namespace StartUp
