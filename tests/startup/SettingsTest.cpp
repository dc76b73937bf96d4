// The settings of a run: system files, the user's file and the command line,
// later ones winning; bad lines skipped with their file and line; --help,
// --version and bad options, whose output and exit code the real game gives
// too. "@" in a row stands for the row's temporary folder; a file "->path"
// is a symbolic link to path.

#include "startup/Settings.hpp"
#include "support/TempDir.hpp"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>

namespace fs = std::filesystem;
using StartUp::DisplayChoice;

namespace
{

struct Expected
{
    bool lock = false;
    bool sound = true;
    DisplayChoice display = DisplayChoice::Switch;
    std::string pictures = "@/home/Pictures/Brickwork Garden";
    bool print = true;
    int printWait = 60;
    bool startWithLast = false;
    bool showPointer = true;
    GameLogic::PalaceBuild::AccessOptions access;
};

struct Row
{
    const char* name;
    std::vector<std::string> arguments;
    int exitCode = -1; // -1: plays
    Expected expected{};
    std::map<std::string, std::string> files{}; // below @
    // Playing: the start of each warning; else what standard output (0) or
    // error (2) shows.
    std::vector<std::string> lines{};
    std::map<std::string, std::string> env{}; // over HOME and XDG_CONFIG_DIRS; "" unsets
};

const std::string first = "first/brickwork-garden/settings.conf";
const std::string second = "second/brickwork-garden/settings.conf";
const std::string user = "home/.config/brickwork-garden/settings.conf";
const std::string userAt = "@/" + user;
const Expected defaults{};
const Expected opposite{true, false, DisplayChoice::Keep, "/srv/pictures", true, 60, true, false};
const std::string usage = "Usage: brickwork-garden [OPTION]...";
const std::string picturesAt = "@/home/Pictures/Brickwork Garden";

const Row rows[] = {
    {"nothing given", {}},
    {"a system file sets each key's opposite",
     {},
     -1,
     opposite,
     {{second, "lock = yes\nsound = no\ndisplay = keep\npictures = /srv/pictures\n"
               "start = last\npointer = hide\n"}}},
    {"the first system folder wins over the second",
     {},
     -1,
     {false, true, DisplayChoice::Keep},
     {{second, "lock = yes\ndisplay = keep\n"}, {first, "lock = no\n"}}},
    {"the user's file wins over the system's",
     {},
     -1,
     {false, false, DisplayChoice::Keep},
     {{first, "lock = yes\nsound = no\n"}, {user, "lock = no\ndisplay = keep\n"}}},
    {"the command line wins over the user's file",
     {"--no-lock", "--sound", "--display=switch", "--pictures", "/tmp/x", "--start=empty",
      "--pointer", "show"},
     -1,
     {false, true, DisplayChoice::Switch, "/tmp/x"},
     {{user, "lock = yes\nsound = no\ndisplay = keep\npictures = ~/Drawings\nstart = last\n"
             "pointer = hide\n"}}},
    {"the command line's opposites",
     {"--lock", "--no-sound", "--display", "keep", "--pictures=/srv/pictures", "--start=last",
      "--pointer=hide"},
     -1,
     opposite},
    {"a window by the command line over a file's keep",
     {"--display", "window"},
     -1,
     {false, false, DisplayChoice::Window},
     {{user, "sound = no\ndisplay = keep\n"}}},
    {"a window by a file", {}, -1, {false, true, DisplayChoice::Window}, {{user, "display = window\n"}}},
    {"the last of the same option wins",
     {"--lock", "--no-lock", "--no-sound", "--sound", "--pictures=~/A", "--pictures=~"},
     -1,
     {false, true, DisplayChoice::Switch, "@/home"}},
    {"printing off, and the longest wait, from a file",
     {},
     -1,
     {false, true, DisplayChoice::Switch, picturesAt, false, 3600},
     {{second, "print = no\nprint-wait = 3600\n"}}},
    {"the print options win over the user's file",
     {"--print", "--print-wait=0"},
     -1,
     {false, true, DisplayChoice::Switch, picturesAt, true, 0},
     {{user, "print = no\nprint-wait = 300\n"}}},
    {"one switch, slow, by the command line over a file's keys",
     {"--access=switch", "--scan-time", "10000"},
     -1,
     {false, true, DisplayChoice::Switch, picturesAt, true, 60, false, true,
      {GameLogic::PalaceBuild::Access::oneSwitch, 10000, 300, 3}},
     {{user, "access = keys\nscan-time = 500\ndwell-time = 300\npointer-size = 3\n"}}},
    {"--no-print, and --print-wait with its value next",
     {"--no-print", "--print-wait", "5"},
     -1,
     {false, true, DisplayChoice::Switch, picturesAt, false, 5}},
    {"bad print lines are skipped; a wait of plain digits is read",
     {},
     -1,
     {false, true, DisplayChoice::Switch, picturesAt, true, 120},
     {{user, "print-wait = 3601\nprint-wait = -1\nprint-wait = 1.5\nprint-wait = 60 s\n"
             "print = off\nprint-wait =\nprint-wait = 0120\n"}},
     {userAt + ":1: bad value \"3601\" for print-wait: a number of seconds from 0 to 3600",
      userAt + ":2: bad value \"-1\" for print-wait", userAt + ":3: bad value \"1.5\"",
      userAt + ":4: bad value \"60 s\"", userAt + ":5: bad value \"off\" for print: yes or no",
      userAt + ":6: bad value \"\" for print-wait"}},
    {"comments, blank lines and spacing",
     {},
     -1,
     {true, false, DisplayChoice::Switch, "@/home/Our pictures"},
     {{user, "\xEF\xBB\xBF# for the kids\n\n   lock=yes   # no quitting\n\tsound\t=\tno\r\n"
             "#display = keep\npictures = ~/Our pictures # shared\n"}}},
    {"bad lines are skipped and logged with file and line",
     {},
     -1,
     {true, false},
     {{user, "lock = maybe\nvolume = 3\njust words\nsound = no\ndisplay = KEEP\n"
             "pictures = Pictures\npictures =\n = yes\nlock = yes\nstart = yesterday\n"
             "pointer = none\n"}},
     {userAt + ":1: bad value \"maybe\" for lock", userAt + ":2: unknown key \"volume\"",
      userAt + ":3: not a \"key = value\" line", userAt + ":5: bad value \"KEEP\" for display",
      userAt + ":6: bad value \"Pictures\" for pictures",
      userAt + ":7: bad value \"\" for pictures", userAt + ":8: unknown key \"\"",
      userAt + ":10: bad value \"yesterday\" for start",
      userAt + ":11: bad value \"none\" for pointer"}},
    {"a device and a file over 64 KiB are skipped whole; one of 64 KiB is read",
     {},
     -1,
     {false, false},
     {{second, "lock = yes\n" + std::string(64 * 1024, '#')},
      {first, "sound = no\n" + std::string(64 * 1024 - 11, '#')},
      {user, "->/dev/zero"}},
     {"@/" + second + ": larger than", userAt + ": not a regular file"}},
    {"XDG_CONFIG_HOME moves the user's file; relative system folders are skipped",
     {},
     -1,
     {true},
     {{"config/brickwork-garden/settings.conf", "lock = yes\n"},
      {user, "display = keep\n"},
      {"relative/brickwork-garden/settings.conf", "sound = no\n"}},
     {},
     {{"XDG_CONFIG_HOME", "@/config"}, {"XDG_CONFIG_DIRS", "relative:@/second"}}},
    {"the pictures folder of user-dirs.dirs",
     {},
     -1,
     {false, true, DisplayChoice::Switch, "@/home/Bilder \"neu\"/Brickwork Garden"},
     {{"home/.config/user-dirs.dirs", "# written by xdg-user-dirs\nXDG_DESKTOP_DIR=\"$HOME/D\"\n"
                                      "XDG_PICTURES_DIR=\"$HOME/Bilder \\\"neu\\\"\"\n"}}},
    {"an absolute pictures folder; an unusable one is passed over",
     {},
     -1,
     {false, true, DisplayChoice::Switch, "/data/p/Brickwork Garden"},
     {{"home/.config/user-dirs.dirs",
       "XDG_PICTURES_DIR=\"/data/p\"\nXDG_PICTURES_DIR=Pictures\n"}}},
    {"--help lists the options and the files read",
     {"--lock", "--help", "--bogus"},
     0,
     defaults,
     {{user, "lock = maybe\n"}},
     {usage, "--display=keep", "--no-sound", "--pointer=hide", "--no-print", "--print-wait=N",
      "--access=two-switches", "--scan-time=N", "print-wait (seconds), access (mouse,",
      "(milliseconds) and pointer-size (times)",
      "by default\n                     @/home/Pictures/Brickwork Garden\n",
      "  /etc/xdg/brickwork-garden/settings.conf\n  " + userAt + "\n"},
     {{"XDG_CONFIG_DIRS", ""}}},
    {"--version reads no file",
     {"--version"},
     0,
     defaults,
     {{user, "lock = maybe\n"}},
     {"brickwork-garden " BRICKWORK_VERSION "\n"}},
    {"an unknown option",
     {"--lock", "--loud", "--help"},
     2,
     defaults,
     {},
     {"brickwork-garden: unknown option \"--loud\"\n", usage}},
    {"a bad value on the command line",
     {"--display=wide"},
     2,
     defaults,
     {},
     {"bad value \"wide\" for display: switch, keep or window", usage}},
    {"a wait too long on the command line",
     {"--print-wait=3601"},
     2,
     defaults,
     {},
     {"bad value \"3601\" for print-wait: a number of seconds from 0 to 3600", usage}},
    {"an option without its value",
     {"--pictures"},
     2,
     defaults,
     {},
     {"option --pictures needs a value", usage}},
    {"an argument that is no option", {"lock"}, 2, defaults, {}, {"unknown option \"lock\""}},
};

std::string at(const std::string& text, const std::string& root)
{
    std::string result = text;
    for (std::size_t i = result.find('@'); i != std::string::npos; i = result.find('@', i + 1))
        result.replace(i, 1, root);
    return result;
}

// The real game run with the arguments and the environment, in folder;
// returns its exit code and leaves its output in folder/out and folder/err.
int runGame(const std::vector<std::string>& arguments, const std::vector<std::string>& env,
            const std::string& folder)
{
    std::vector<std::string> words = {GAME_DIR "/brickwork-garden"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv, envp;
    for (std::string& word : words)
        argv.push_back(word.data());
    for (const std::string& variable : env)
        envp.push_back(const_cast<char*>(variable.c_str()));
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    TestSupport::WorkingDirectory inside(folder);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "out", O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, "err", O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t child = -1;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace

TEST(Settings, FilesThenCommandLine)
{
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        TestSupport::TempDir dir;
        TestSupport::WorkingDirectory inside(dir.path());
        for (const auto& [name, content] : row.files)
        {
            fs::create_directories(fs::path(dir.file(name)).parent_path());
            if (content.rfind("->", 0) == 0)
                fs::create_symlink(content.substr(2), dir.file(name));
            else
                std::ofstream(dir.file(name)) << content;
        }
        std::map<std::string, std::string> env = {{"HOME", "@/home"},
                                                  {"XDG_CONFIG_DIRS", "@/first:@/second"}};
        for (const auto& [name, value] : row.env)
            env[name] = value;
        std::vector<std::string> variables;
        for (auto& [name, value] : env)
        {
            value = at(value, dir.path());
            if (!value.empty())
                variables.push_back(name + "=" + value);
        }
        const StartUp::Environment lookup = [&](const char* name) -> const char*
        {
            const auto found = env.find(name);
            return found == env.end() || found->second.empty() ? nullptr : found->second.c_str();
        };

        std::ostringstream out, err;
        const StartUp::LoadedSettings loaded =
            StartUp::loadSettings(row.arguments, lookup, BRICKWORK_VERSION, out, err);
        EXPECT_EQ(row.exitCode, loaded.exitCode);
        if (row.exitCode < 0)
        {
            EXPECT_EQ(row.expected.lock, loaded.settings.lock);
            EXPECT_EQ(row.expected.sound, loaded.settings.sound);
            EXPECT_EQ(row.expected.display, loaded.settings.display);
            EXPECT_EQ(at(row.expected.pictures, dir.path()), loaded.settings.pictures);
            EXPECT_EQ(row.expected.startWithLast, loaded.settings.startWithLast);
            EXPECT_EQ(row.expected.showPointer, loaded.settings.showPointer);
            EXPECT_EQ(row.expected.print, loaded.settings.print);
            EXPECT_EQ(row.expected.printWait, loaded.settings.printWait);
            const GameLogic::PalaceBuild::AccessOptions& access = loaded.settings.access;
            EXPECT_EQ(row.expected.access.access, access.access);
            EXPECT_EQ(row.expected.access.scanMs, access.scanMs);
            EXPECT_EQ(row.expected.access.dwellMs, access.dwellMs);
            EXPECT_EQ(row.expected.access.pointerSize, access.pointerSize);
            EXPECT_EQ("", out.str() + err.str());
            ASSERT_EQ(row.lines.size(), loaded.warnings.size());
            for (std::size_t i = 0; i < row.lines.size(); ++i)
                EXPECT_EQ(0u, loaded.warnings[i].rfind(at(row.lines[i], dir.path()), 0))
                    << loaded.warnings[i];
            continue;
        }
        EXPECT_TRUE(loaded.warnings.empty());

        // The real game prints the same and ends with the same code, before
        // it opens any window or log line.
        const int code = runGame(row.arguments, variables, dir.path());
        EXPECT_EQ(row.exitCode, code);
        const std::string printed = row.exitCode == 0 ? out.str() : err.str();
        EXPECT_EQ(printed, TestSupport::readFile(row.exitCode == 0 ? "out" : "err"));
        EXPECT_EQ("", TestSupport::readFile(row.exitCode == 0 ? "err" : "out"));
        EXPECT_EQ("", TestSupport::readFile("gameLog.txt"));
        for (const std::string& part : row.lines)
            EXPECT_NE(std::string::npos, printed.find(at(part, dir.path()))) << part;
    }
}

// Every setting of the table has its row in the README's table (key, values
// with the default first, options) and each option its entry in the manual
// page, so a new setting cannot go undocumented.
TEST(Settings, EverySettingDocumented)
{
    const std::string readme = TestSupport::readFile(SOURCE_DIR "/README.md");
    const std::string manual = TestSupport::readFile(SOURCE_DIR "/packaging/brickwork-garden.6.in");
    const auto quoted = [](const std::vector<std::string>& words)
    {
        std::string text;
        for (const std::string& word : words)
            text += (text.empty() ? "`" : ", `") + word + "`";
        return text;
    };
    for (const StartUp::SettingEntry& entry : StartUp::settingsTable())
    {
        SCOPED_TRACE(entry.key);
        using Kind = StartUp::SettingEntry::Kind;
        const std::string values =
            entry.kind == Kind::Folder ? "a folder"
            : entry.kind == Kind::Number
                ? quoted(entry.words) + ", `" + std::to_string(entry.low) + "` to `" +
                      std::to_string(entry.high) + "`"
                : quoted(entry.words);
        EXPECT_NE(std::string::npos, readme.find("\n| `" + std::string(entry.key) + "` | " +
                                                 values + " | " + quoted(entry.options()) +
                                                 " | "));
        for (std::string option : entry.options())
        {
            const std::size_t equals = option.find('=');
            const bool placeholder = equals != std::string::npos && std::isupper(option.back());
            std::string escaped;
            for (char c : option.substr(0, placeholder ? equals + 1 : std::string::npos))
                escaped += c == '-' ? std::string("\\-") : std::string(1, c);
            const std::string line = placeholder ? ".BI " + escaped + " " + option.substr(equals + 1)
                                                 : ".B " + escaped;
            EXPECT_NE(std::string::npos, manual.find("\n" + line + "\n")) << line;
        }
    }
}
