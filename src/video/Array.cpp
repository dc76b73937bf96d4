// Readable type names for the messages of Utils::Array.

#include "video/Array.hpp"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>

namespace Utils
{

std::string readableTypeName(const char* mangledName)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(
        abi::__cxa_demangle(mangledName, nullptr, nullptr, &status), std::free);
    if (status != 0 || !demangled)
        return mangledName;
    return demangled.get();
}

} // namespace Utils
