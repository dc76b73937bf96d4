#pragma once
// The diagnostic log "gameLog.txt": one flushed line per event, made of the
// writing unit's tag, a space, a line number and the message part.
// The file is opened before main runs and truncated at every start; when it
// cannot be created, every write is silently dropped.

#include <fstream>
#include <ostream>

namespace Platform
{

extern std::ofstream gameLog;

// Starts a log line: writes the tag, " " and the line number, and returns the
// stream for the message part. Finish the line with endLine.
std::ostream& logLine(const char* tag, int lineNumber);

// Ends a log line: writes the newline and flushes, so the line is on disk even
// if the process dies later.
std::ostream& endLine(std::ostream& stream);

} // namespace Platform
