#pragma once

#include <string>

namespace Platform
{

// Replaces fileName by contents so that a crash or a failure at any moment
// leaves either the old file or the new one, whole: the contents go to a
// temporary file beside it, which is flushed to disk and then renamed over
// the old file, whose mode it keeps. Throws std::runtime_error (the old file
// untouched, the temporary file removed) when anything fails.
void replaceFileAtomically(const std::string& fileName, const std::string& contents);

// Writes contents as a new file, whole or not at all, never over a file or
// through a link already there: it is named stem + extension, or when that
// name is taken stem + " 2" + extension, " 3" and so on, the first name
// free. The contents go to a temporary file beside it, flushed to disk, and
// are then put under the free name without replacing anything. Returns the
// name written. Throws std::runtime_error (nothing written, the temporary
// file removed) when anything fails.
std::string writeNewFileAtomically(const std::string& stem, const std::string& extension,
                                   const std::string& contents);

} // namespace Platform
