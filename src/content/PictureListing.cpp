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

// Checks the arguments and returns the sorted names of the folder's entries
// that match the pattern in full: every one when everyEntry, else only
// those known not to be folders. An entry that cannot be looked at never
// throws.
template <class Out>
std::vector<std::string> matchingFileNames(const std::string& folder, const Out& out,
                                           const std::string& pattern, bool everyEntry)
{
    namespace fs = boost::filesystem;
    const boost::regex expression(pattern);
    const fs::path path(folder);
    boost::system::error_code error;
    if (!fs::is_directory(path, error))
        throw std::invalid_argument("Path must be exists directory");
    if (!out.empty())
        throw std::invalid_argument("Vector must be empty");

    std::vector<std::string> names;
    for (fs::directory_iterator entry(path, error), end; !error && entry != end;
         entry.increment(error))
    {
        boost::system::error_code unknown;
        const fs::file_status status = entry->status(unknown);
        if (!everyEntry && (unknown || fs::is_directory(status)))
            continue;
        const std::string name = entry->path().filename().string();
        if (boost::regex_match(name, expression))
            names.push_back(name);
    }
    if (error)
        throw fs::filesystem_error("Unable to list the folder", path, error);
    std::sort(names.begin(), names.end());
    return names;
}

// Appends the matching entries of the folder to out, joined to the folder.
void listMatching(const std::string& folder, std::vector<std::string>& out,
                  const std::string& pattern, bool everyEntry)
{
    const std::string path = slashed(folder);
    const std::string joined = joinable(path);
    for (const std::string& name : matchingFileNames(path, out, pattern, everyEntry))
        out.push_back(joined + "/" + name);
}

} // namespace

void listPictures(const std::string& folder, std::vector<std::string>& out,
                  const std::string& pattern)
{
    listMatching(folder, out, pattern, false);
}

void listEntries(const std::string& folder, std::vector<std::string>& out,
                 const std::string& pattern)
{
    listMatching(folder, out, pattern, true);
}

void listPicturesByRow(const std::string& folder, std::vector<std::vector<std::string>>& out,
                       const std::string& pattern)
{
    const std::string path = slashed(folder);
    const std::string joined = joinable(path);
    // Filled aside, so that a name of no row leaves out as it was.
    std::vector<std::vector<std::string>> rows(3);
    for (const std::string& name : matchingFileNames(path, out, pattern, false))
        rows.at(static_cast<unsigned char>(name[0]) - '1').push_back(joined + "/" + name);
    out = std::move(rows);
}

} // namespace PalaceBuild
} // namespace GameLogic
