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

} // namespace Platform
