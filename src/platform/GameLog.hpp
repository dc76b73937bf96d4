#pragma once
// The diagnostic log "gameLog.txt": one flushed line per event, made of the
// writing unit's tag, a space, a line number and the message part.
// The file is opened before main runs and truncated at every start; when it
// cannot be created, every write is silently dropped. The programs the game
// starts never inherit it.

#include <ext/stdio_filebuf.h>
#include <memory>
#include <ostream>
#include <string>

namespace Platform
{

// An output stream on a file that is closed on exec.
class LogFile : public std::ostream
{
public:
    // Opens the file as open does.
    explicit LogFile(const std::string& fileName);

    // Creates or truncates the file; on failure the stream stays bad and
    // writes are dropped. A file open before is closed first.
    void open(const std::string& fileName);
    // Flushes and closes the file; writes are dropped until the next open.
    void close();

private:
    std::unique_ptr<__gnu_cxx::stdio_filebuf<char>> file;
};

extern LogFile gameLog;

// Starts a log line: writes the tag, " " and the line number, and returns the
// stream for the message part. Finish the line with endLine.
std::ostream& logLine(const char* tag, int lineNumber);

// Ends a log line: writes the newline and flushes, so the line is on disk even
// if the process dies later.
std::ostream& endLine(std::ostream& stream);

} // namespace Platform
