#pragma once
// A fresh folder under the system's temporary directory, removed with all its
// contents when the object goes; a working directory held for a scope; and
// the whole content of a file.

#include <string>

namespace TestSupport
{

class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return root; }
    // path() + "/" + name
    std::string file(const std::string& name) const { return root + "/" + name; }

private:
    std::string root;
};

class WorkingDirectory
{
public:
    explicit WorkingDirectory(const std::string& path);
    ~WorkingDirectory();
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    std::string previous;
};

// The file's bytes; empty when it cannot be read.
std::string readFile(const std::string& name);

} // namespace TestSupport
