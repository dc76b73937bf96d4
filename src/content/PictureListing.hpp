#pragma once
// Listing the picture files of one folder by a file-name pattern. Names are
// matched in full and case-sensitively (Boost.Regex, Perl syntax);
// sub-folders, and entries that cannot be looked at (a loop of symbolic
// links), are skipped. Each listing is sorted by file name, so the order
// is the same on every machine. Every listed name is the folder joined with
// the file name: each "\" or "/" of the folder written as "/", a trailing
// separator dropped, and one "/" before the file name.

#include <string>
#include <vector>

namespace GameLogic
{
namespace PalaceBuild
{

// Appends the matching files of folder to out. Throws std::invalid_argument
// "Path must be exists directory" when folder is not an existing directory,
// "Vector must be empty" when out is not empty (out is then untouched);
// a bad pattern throws boost::regex_error, a folder that cannot be listed
// Boost's filesystem_error.
void listPictures(const std::string& folder, std::vector<std::string>& out,
                  const std::string& pattern);

// The same, but every matching entry, sub-folders and entries that cannot
// be looked at included: for a caller that reports each one it cannot use.
void listEntries(const std::string& folder, std::vector<std::string>& out,
                 const std::string& pattern);

// The same, sorted into three lists by the first character of each file
// name: "1" to the first, "2" to the second, "3" to the third. The pattern
// must ensure that character; any other first character throws
// std::out_of_range.
void listPicturesByRow(const std::string& folder, std::vector<std::vector<std::string>>& out,
                       const std::string& pattern);

} // namespace PalaceBuild
} // namespace GameLogic
