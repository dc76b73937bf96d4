// The user's folders from a given environment: only absolute paths count,
// and without a usable HOME the user database's home is used, never the
// working directory.

#include "platform/Folders.hpp"

#include <gtest/gtest.h>
#include <map>
#include <pwd.h>
#include <unistd.h>

TEST(Folders, HomeConfigAndDataFromTheEnvironment)
{
    const std::string user = getpwuid(getuid())->pw_dir;
    const struct
    {
        std::map<std::string, std::string> env;
        std::string home, config, data; // "~": the user database's home
    } cases[] = {
        {{{"HOME", "/h"}}, "/h", "/h/.config", "/h/.local/share"},
        {{}, "~", "~/.config", "~/.local/share"},
        {{{"HOME", "h"}, {"XDG_DATA_HOME", "d"}}, "~", "~/.config", "~/.local/share"},
        {{{"HOME", "/h"}, {"XDG_CONFIG_HOME", "/c"}, {"XDG_DATA_HOME", "/d"}}, "/h", "/c", "/d"},
    };
    for (const auto& row : cases)
    {
        const Platform::Environment env = [&](const char* name) -> const char*
        {
            const auto found = row.env.find(name);
            return found == row.env.end() ? nullptr : found->second.c_str();
        };
        const auto expanded = [&](const std::string& path)
        { return path[0] == '~' ? user + path.substr(1) : path; };
        SCOPED_TRACE(row.home + " " + row.data);
        EXPECT_EQ(expanded(row.home), Platform::homeFolder(env));
        EXPECT_EQ(expanded(row.config), Platform::userConfigFolder(env));
        EXPECT_EQ(expanded(row.data), Platform::userDataFolder(env));
    }
}
