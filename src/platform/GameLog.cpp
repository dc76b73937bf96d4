#include "platform/GameLog.hpp"

#include <fcntl.h>

namespace Platform
{

LogFile gameLog("gameLog.txt");

LogFile::LogFile(const std::string& fileName) : std::ostream(nullptr)
{
    open(fileName);
}

void LogFile::open(const std::string& fileName)
{
    close();
    const int descriptor = ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (descriptor == -1)
        return;
    file = std::make_unique<__gnu_cxx::stdio_filebuf<char>>(descriptor, std::ios::out);
    rdbuf(file.get());
    clear();
}

void LogFile::close()
{
    rdbuf(nullptr);
    file.reset();
    setstate(std::ios::badbit);
}

std::ostream& logLine(const char* tag, int lineNumber)
{
    std::ostream& stream = gameLog;
    return stream << tag << ' ' << lineNumber;
}

std::ostream& endLine(std::ostream& stream)
{
    return stream << '\n' << std::flush;
}

} // namespace Platform
