#include "content/PictureListing.hpp"

#include <algorithm>
#include <boost/filesystem.hpp>
#include <boost/regex.hpp>
#include <stdexcept>

namespace GameLogic
{
namespace PalaceBuild
{

namespace
{

// The folder with "/" as its only separator.
std::string slashed(std::string folder)
{
    std::replace(folder.begin(), folder.end(), '\\', '/');
    return folder;
}

// The slashed folder without its trailing separator, ready for "/" + name.
std::string joinable(std::string folder)
{
    if (!folder.empty() && folder.back() == '/')
        folder.pop_back();
    return folder;
}

// Checks the arguments and returns the sorted names of the folder's files
// that match the pattern in full.
template <class Out>
std::vector<std::string> matchingFileNames(const std::string& folder, const Out& out,
                                           const std::string& pattern)
{
    const boost::regex expression(pattern);
    const boost::filesystem::path path(folder);
    if (!boost::filesystem::exists(path) || !boost::filesystem::is_directory(path))
        throw std::invalid_argument("Path must be exists directory");
    if (!out.empty())
        throw std::invalid_argument("Vector must be empty");

    std::vector<std::string> names;
    for (const boost::filesystem::directory_entry& entry :
         boost::filesystem::directory_iterator(path))
    {
        if (boost::filesystem::is_directory(entry.status()))
            continue;
        const std::string name = entry.path().filename().string();
        if (boost::regex_match(name, expression))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

void listPictures(const std::string& folder, std::vector<std::string>& out,
                  const std::string& pattern)
{
    const std::string path = slashed(folder);
    const std::string joined = joinable(path);
    for (const std::string& name : matchingFileNames(path, out, pattern))
        out.push_back(joined + "/" + name);
}

void listPicturesByRow(const std::string& folder, std::vector<std::vector<std::string>>& out,
                       const std::string& pattern)
{
    const std::string path = slashed(folder);
    const std::string joined = joinable(path);
    // Filled aside, so that a name of no row leaves out as it was.
    std::vector<std::vector<std::string>> rows(3);
    for (const std::string& name : matchingFileNames(path, out, pattern))
        rows.at(static_cast<unsigned char>(name[0]) - '1').push_back(joined + "/" + name);
    out = std::move(rows);
}

} // namespace PalaceBuild
} // namespace GameLogic
