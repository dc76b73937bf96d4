#pragma once
// The user's own folders: the home folder and the base folders of the
// freedesktop rules. Each is worked out from an environment handed in, so
// that callers and tests may give one of their own; the game passes
// std::getenv. A variable that is unset, empty or not an absolute path counts
// as unset.

#include <functional>
#include <string>

namespace Platform
{

// Looks up an environment variable; null when it is unset.
using Environment = std::function<const char*(const char*)>;

// Whether the path is set and absolute: folders from the environment or a
// settings file count only then.
bool isAbsolute(const char* path);

// HOME, else the user database's home folder, else empty (so that the
// folders below land under "/", never in the working directory).
std::string homeFolder(const Environment& env);

// XDG_CONFIG_HOME, else the home folder's ".config".
std::string userConfigFolder(const Environment& env);

// XDG_DATA_HOME, else the home folder's ".local/share".
std::string userDataFolder(const Environment& env);

} // namespace Platform
