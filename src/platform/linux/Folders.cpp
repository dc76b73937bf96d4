#include "platform/Folders.hpp"

#include <pwd.h>
#include <unistd.h>

namespace Platform
{

bool isAbsolute(const char* path)
{
    return path && path[0] == '/';
}

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

std::string userDataFolder(const Environment& env)
{

    if (const char* data = env("XDG_DATA_HOME"); isAbsolute(data))
        return data;
    return homeFolder(env) + "/.local/share";
}

} // namespace Platform
