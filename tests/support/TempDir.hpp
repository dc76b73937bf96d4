#pragma once
// A fresh folder under the system's temporary directory, removed with all its
// contents when the object goes.

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
    std::string file(const std::string& name) const;

private:
    std::string root;
};

// Runs the test body with the working directory changed, and changes it back.
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

} // namespace TestSupport
