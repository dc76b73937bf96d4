#include "support/TempDir.hpp"

#include <boost/filesystem.hpp>
#include <stdexcept>

namespace TestSupport
{

TempDir::TempDir()
{
    namespace fs = boost::filesystem;
    fs::path p = fs::temp_directory_path() / fs::unique_path("brickwork-test-%%%%-%%%%-%%%%");
    fs::create_directories(p);
    root = p.string();
}

TempDir::~TempDir()
{
    boost::system::error_code ignored;
    boost::filesystem::remove_all(root, ignored);
}

std::string TempDir::file(const std::string& name) const
{
    return root + "/" + name;
}

WorkingDirectory::WorkingDirectory(const std::string& path)
    : previous(boost::filesystem::current_path().string())
{
    boost::filesystem::current_path(path);
}

WorkingDirectory::~WorkingDirectory()
{
    boost::system::error_code ignored;
    boost::filesystem::current_path(previous, ignored);
}

} // namespace TestSupport
