#include "platform/GameLog.hpp"

namespace Platform
{

std::ofstream gameLog("gameLog.txt", std::ios::out | std::ios::trunc);

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
