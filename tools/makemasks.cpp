// Build-time tool: writes the ".mask" file beside every toolbar picture of a
// game folder, so that an installed game finds them up to date and never
// writes beside its pictures.
// Usage: makemasks <game folder>
// Every mask ends strictly newer than its picture in whole seconds (the game
// compares seconds and rewrites a mask whose time equals its picture's).
// Exits 1 with a message when a folder cannot be listed or a mask cannot be
// written or dated.

#include "content/PictureListing.hpp"
#include "play/Toolbar.hpp"
#include "video/MaskFile.hpp"

#include <boost/filesystem.hpp>
#include <ctime>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace
{

namespace fs = boost::filesystem;

// The toolbar's three picture folders.
const char* const pictureFolders[] = {"BMP/palace/", "BMP/decoration/", "BMP/person/"};

// Moves the mask's write time past its picture's when a fast write left them
// in the same second. Throws filesystem_error when the mask is missing.
void dateAfterPicture(const std::string& picture)
{
    const std::string mask = picture + ".mask";
    const std::time_t pictureTime = fs::last_write_time(picture);
    if (fs::last_write_time(mask) <= pictureTime)
        fs::last_write_time(mask, pictureTime + 1);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: makemasks <game folder>\n";
        return 2;
    }
    const std::string gameDir = argv[1];
    try
    {
        std::size_t count = 0;
        for (const char* folder : pictureFolders)
        {
            std::vector<std::vector<std::string>> rows;
            GameLogic::PalaceBuild::listPicturesByRow(
                gameDir + "/" + folder, rows, GameLogic::PalaceBuild::Toolbar::picturePattern);
            for (const std::vector<std::string>& row : rows)
            {
                VideoEngine::OpenGL::prepareMasks(row);
                for (const std::string& picture : row)
                    dateAfterPicture(picture);
                count += row.size();
            }
        }
        std::cout << "makemasks: " << count << " masks up to date in " << gameDir << "\n";
    }
    catch (const std::exception& failure)
    {
        std::cerr << "makemasks: " << failure.what() << "\n";
        return 1;
    }
    return 0;
}
