#include "startup/Settings.hpp"

#include "platform/Folders.hpp"
#include "platform/SmallFile.hpp"
#include "platform/Text.hpp"

#include <algorithm>
#include <sstream>

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

using Platform::homeFolder;
using Platform::isAbsolute;
using Platform::trimmed;
using Platform::userConfigFolder;

using Kind = SettingEntry::Kind;

const SettingEntry* findSetting(const std::string& key)
{
    for (const SettingEntry& entry : settingsTable())
        if (key == entry.key)
            return &entry;
    return nullptr;
}

// "a, b or c".
std::string listed(const std::vector<std::string>& words)
{
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i)
        text += (i == 0 ? "" : i + 1 == words.size() ? " or " : ", ") + words[i];
    return text;
}

// Sets key to value; returns what is wrong, empty when both are good.
std::string applySetting(Settings& settings, const std::string& key, const std::string& value,
                         const Environment& env)
{
    const SettingEntry* entry = findSetting(key);
    if (!entry)
        return "unknown key \"" + key + "\"";
    const std::string bad = "bad value \"" + value + "\" for " + key + ": ";
    switch (entry->kind)
    {
    case Kind::Flag:
        if (value != "yes" && value != "no")
            return bad + "yes or no";
        break;
    case Kind::Words:
        if (std::find(entry->words.begin(), entry->words.end(), value) == entry->words.end())
            return bad + listed(entry->words);
        break;
    case Kind::Number:
        // Plain digits only: no sign, no blanks, no fraction.
        if (value.empty() || value.size() > 5 ||
            value.find_first_not_of("0123456789") != std::string::npos ||
            std::stoi(value) < entry->low || std::stoi(value) > entry->high)
            return bad + "a number of " + entry->unit + " from " + std::to_string(entry->low) +
                   " to " + std::to_string(entry->high);
        break;
    case Kind::Folder:
        // The game runs in the player's own folder, not where it was
        // started, so a relative folder would surprise.
        if (value == "~" || value.rfind("~/", 0) == 0)
        {
            entry->put(settings, homeFolder(env) + value.substr(1));
            return "";
        }
        if (!isAbsolute(value.c_str()))
            return bad + "a folder starting with / or ~/";
        break;
    }
    entry->put(settings, value);
    return "";
}

// The value of a line of user-dirs.dirs (a double-quoted shell word starting
// with $HOME or /), or empty when it is neither.
std::string userDirValue(const std::string& quoted, const std::string& home)
{
    const std::string value = Platform::unquoted(quoted, "\"").value_or("");
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
    const bool negated = option.rfind("--no-", 0) == 0;
    const SettingEntry* entry =
        option.rfind("--", 0) == 0 ? findSetting(option.substr(negated ? 5 : 2)) : nullptr;
    const bool flag = entry && entry->kind == Kind::Flag;
    if (!entry || (negated && !flag) || (flag && equals != std::string::npos))
        return "unknown option \"" + argument + "\"";
    if (flag)
        given.emplace_back(entry->key, negated ? "no" : "yes");
    else if (equals != std::string::npos)
        given.emplace_back(entry->key, argument.substr(equals + 1));
    else if (i + 1 < arguments.size())
        given.emplace_back(entry->key, arguments[++i]);
    else
        return "option " + option + " needs a value";
    Settings check;
    return applySetting(check, given.back().first, given.back().second, env);
}

// One option and its help, the help from column 21, a long option on a
// line of its own; "\n" in the help continues under it.
void writeOption(std::ostream& stream, const std::string& option, std::string help)
{
    const std::string indent(21, ' ');
    for (std::size_t at = help.find('\n'); at != std::string::npos; at = help.find('\n', at + 1))
        help.insert(at + 1, indent);
    stream << "  " << option;
    if (option.size() > 17)
        stream << "\n" << indent;
    else
        stream << std::string(19 - option.size(), ' ');
    stream << help << "\n";
}

// The text in lines of at most 78 characters, broken at blanks.
std::string wrapped(const std::string& text)
{
    std::string lines, line, word;
    std::istringstream words(text);
    while (words >> word)
    {
        if (!line.empty() && line.size() + 1 + word.size() > 78)
        {
            lines += line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    return lines + line + "\n";
}

void writeUsage(std::ostream& stream, const Environment& env)
{
    stream << "Usage: " << programName << " [OPTION]...\n"
           << "A picture-building game for children.\n\n";
    std::vector<std::string> keys;
    for (const SettingEntry& entry : settingsTable())
    {
        const std::vector<std::string> options = entry.options();
        for (std::size_t i = 0; i < options.size(); ++i)
        {
            std::string help = entry.help[i];
            if (entry.kind == Kind::Number)
                help += ", " + std::to_string(entry.low) + " to " + std::to_string(entry.high) +
                        "\n(default " + entry.words[0] + ")";
            else if (entry.kind == Kind::Folder)
            {
                std::vector<std::string> ignored;
                help += ", by default\n" + defaultPicturesFolder(env, ignored);
            }
            else if ((entry.kind == Kind::Flag ? (i == 0 ? "yes" : "no") : entry.words[i]) ==
                     entry.words[0])
                help += " (the default)";
            writeOption(stream, options[i], help);
        }
        std::string words;
        for (const std::string& word : entry.words)
            words += (words.empty() ? "" : ", ") + word;
        keys.push_back(std::string(entry.key) + " (" +
                       (entry.kind == Kind::Number   ? std::string(entry.unit)
                        : entry.kind == Kind::Folder ? "a folder"
                                                     : words) +
                       ")");
    }
    writeOption(stream, "--help", "show this help and exit");
    writeOption(stream, "--version", "show the version and exit");
    stream << "\nSettings files, read in this order, then the options; later ones win:\n";
    for (const std::string& file : settingsFiles(env))
        stream << "  " << file << "\n";
    std::string each = "Each line is \"key = value\" with the keys";
    for (std::size_t i = 0; i < keys.size(); ++i)
        each += (i == 0 ? " " : i + 1 == keys.size() ? " and " : ", ") + keys[i];
    stream << wrapped(each + "; # starts a comment.");
}

} // namespace

std::vector<std::string> SettingEntry::options() const
{
    const std::string option = std::string("--") + key;
    switch (kind)
    {
    case Kind::Flag:
        return {option, "--no-" + std::string(key)};
    case Kind::Words:
    {
        std::vector<std::string> options;
        for (const std::string& word : words)
            options.push_back(option + "=" + word);
        return options;
    }
    case Kind::Number:
        return {option + "=N"};
    case Kind::Folder:
        break;
    }
    return {option + "=FOLDER"};
}

const std::vector<SettingEntry>& settingsTable()
{
    using Put = std::function<void(Settings&, const std::string&)>;
    static const std::vector<SettingEntry> table = {
        {"lock", Kind::Flag, {"no", "yes"},
         {"child lock: Escape and the exit button do not end the\ngame, Ctrl+Shift+Escape does",
          "no child lock"},
         "", 0, 0, Put([](Settings& s, const std::string& v) { s.lock = v == "yes"; })},
        {"sound", Kind::Flag, {"yes", "no"},
         {"play sounds", "play no sound and leave the audio device alone"},
         "", 0, 0, Put([](Settings& s, const std::string& v) { s.sound = v == "yes"; })},
        {"display", Kind::Words, {"switch", "keep", "window"},
         {"switch the screen to 1024x768 for the game",
          "keep the desktop's screen mode, the game scaled to fit",
          "play in a window, the desktop's screen mode kept"},
         "", 0, 0,
         Put([](Settings& s, const std::string& v)
             {
                 s.display = v == "keep"     ? DisplayChoice::Keep
                             : v == "window" ? DisplayChoice::Window
                                             : DisplayChoice::Switch;
             })},
        {"pictures", Kind::Folder, {}, {"where PNG copies of saved pictures go"},
         "", 0, 0, Put([](Settings& s, const std::string& v) { s.pictures = v; })},
        {"start", Kind::Words, {"empty", "last"},
         {"begin with an empty palace",
          "begin with the palace in play when the last game ended"},
         "", 0, 0, Put([](Settings& s, const std::string& v) { s.startWithLast = v == "last"; })},
        {"pointer", Kind::Words, {"show", "hide"},
         {"show the pointer over the game",
          "show no pointer over the game, as for a touch screen"},
         "", 0, 0, Put([](Settings& s, const std::string& v) { s.showPointer = v == "show"; })},
        {"print", Kind::Flag, {"yes", "no"},
         {"print on the default printer with Ctrl+P or the printer\nbutton",
          "never print: the printer button stays grey"},
         "", 0, 0, Put([](Settings& s, const std::string& v) { s.print = v == "yes"; })},
        {"print-wait", Kind::Number, {"60"}, {"seconds after a print before the next one"},
         "seconds", 0, 3600,
         Put([](Settings& s, const std::string& v) { s.printWait = std::stoi(v); })},
        {"access", Kind::Words, {"mouse", "keys", "switch", "two-switches", "dwell"},
         {"play with the mouse or a touch screen",
          "play with the keyboard: Tab and the arrows move, Space\nchooses",
          "play with one switch: the highlight moves by itself, Space\nor a click chooses",
          "play with two switches: Space moves on, Return chooses",
          "play by pointing: a pointer resting a while clicks"},
         "", 0, 0,
         Put([](Settings& s, const std::string& v)
             {
                 using GameLogic::PalaceBuild::Access;
                 s.access.access = v == "keys"           ? Access::keys
                                   : v == "switch"       ? Access::oneSwitch
                                   : v == "two-switches" ? Access::twoSwitches
                                   : v == "dwell"        ? Access::dwell
                                                         : Access::mouse;
             })},
        {"scan-time", Kind::Number, {"1500"},
         {"milliseconds the highlight stays on each choice with one\nswitch"},
         "milliseconds", 500, 10000,
         Put([](Settings& s, const std::string& v) { s.access.scanMs = std::stoi(v); })},
        {"dwell-time", Kind::Number, {"1000"},
         {"milliseconds the pointer rests to act when playing by\npointing"},
         "milliseconds", 300, 5000,
         Put([](Settings& s, const std::string& v) { s.access.dwellMs = std::stoi(v); })},
        {"pointer-size", Kind::Number, {"1"},
         {"the pointer's size: 1 the desktop's, 2 or 3 the game's own,\nthat many times larger"},
         "times", 1, 3,
         Put([](Settings& s, const std::string& v) { s.access.pointerSize = std::stoi(v); })},
    };
    return table;
}

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
        line = trimmed(line);
        if (line.rfind(key, 0) != 0)
            continue;
        const std::string value = userDirValue(trimmed(line.substr(key.size())), home);
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
        line = trimmed(line.substr(0, line.find('#')));
        if (line.empty())
            continue;
        const std::size_t equals = line.find('=');
        const std::string problem = equals == std::string::npos
                                        ? "not a \"key = value\" line"
                                        : applySetting(settings, trimmed(line.substr(0, equals)),
                                                       trimmed(line.substr(equals + 1)), env);
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
