#pragma once
// A catalogue of the pictures of one folder (backgrounds or frames): the
// listed files, the position of the current one and the current picture.
// Invariant after construction: files is not empty and index < files.size().
// Only the current picture is loaded at any time.

#include <string>
#include <vector>

namespace GameLogic
{
namespace PalaceBuild
{

// T is Texture<FastTextureData> or Texture<FrameTextureData>.
template <class T> class ImageManager
{
public:
    // Lists the folder's ".png", ".bmp" and ".jpg" files (sorted by name) and
    // loads the first. Throws std::logic_error "Unable to find backround
    // images" when there is none; listing and loading errors pass on.
    explicit ImageManager(const std::string& folder);

    // Step to the following picture (wrapping to the first) or the preceding
    // one (wrapping to the last) and load it. On a loading error the index
    // has moved and the error passes on.
    void next();
    void previous();

    // Makes the first listed file equal to fileName (exact comparison)
    // current, or the first file when none is; loads it unless it shows
    // already. The saved game uses this to restore the picture in use.
    void select(const std::string& fileName);

    // The current picture's file. Throws std::out_of_range
    // "invalid vector<T> subscript" when there is none.
    const std::string& currentFile() const;

    T current;

private:
    std::vector<std::string> files;
    unsigned index = 0;
};

} // namespace PalaceBuild
} // namespace GameLogic
