#pragma once
// A fixed array of N default-built elements whose element access is checked.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <typeinfo>

namespace Utils
{

// Returns the readable (demangled) name of a type's run-time type information.
std::string readableTypeName(const char* mangledName);

template <class T, std::size_t N> class Array
{
public:
    // Throws std::out_of_range "Out of range in <type of this array>" for an
    // index of N or more.
    T& operator[](unsigned index)
    {
        check(index);
        return items[index];
    }
    const T& operator[](unsigned index) const
    {
        check(index);
        return items[index];
    }
    static constexpr std::size_t size() { return N; }

private:
    void check(unsigned index) const
    {
        if (index >= N)
            throw std::out_of_range("Out of range in " + readableTypeName(typeid(Array).name()));
    }

    T items[N];
};

} // namespace Utils
