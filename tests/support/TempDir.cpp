#include "support/TempDir.hpp"

#include <boost/filesystem.hpp>
#include <fstream>
#include <iterator>

namespace fs = boost::filesystem;

namespace TestSupport
{

TempDir::TempDir()
{
    const fs::path p = fs::temp_directory_path() / fs::unique_path("brickwork-test-%%%%-%%%%-%%%%");
    fs::create_directories(p);
    root = p.string();
}

TempDir::~TempDir()
{
    boost::system::error_code ignored;
    fs::remove_all(root, ignored);
}

WorkingDirectory::WorkingDirectory(const std::string& path) : previous(fs::current_path().string())
{
    fs::current_path(path);
}

WorkingDirectory::~WorkingDirectory()
{
    boost::system::error_code ignored;
    fs::current_path(previous, ignored);
}

std::string readFile(const std::string& name)
{
    std::ifstream file(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace TestSupport
