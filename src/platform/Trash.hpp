#pragma once
// The desktop's trash (the freedesktop Trash in $XDG_DATA_HOME/Trash, else
// ~/.local/share/Trash), where a parent can restore what a child threw away.

#include <string>

namespace Platform
{

// Moves the file into the trash's "files" folder, under its own name or,
// when that is taken, the name with " 2", " 3" and so on, and writes its
// ".trashinfo" beside it in "info" (its absolute path and the deletion
// time). Onto another file system it is copied with its times and flushed
// to disk before the original goes. Makes the folders when missing. Throws
// std::runtime_error, with the file where it was, when it cannot be moved.
void moveToTrash(const std::string& file);

} // namespace Platform
