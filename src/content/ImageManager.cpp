#include "content/ImageManager.hpp"

#include "content/PictureListing.hpp"
#include "video/FastTextureData.hpp"
#include "video/FrameTextureData.hpp"
#include "video/Texture.hpp"

#include <algorithm>
#include <stdexcept>

namespace GameLogic
{
namespace PalaceBuild
{

template <class T> ImageManager<T>::ImageManager(const std::string& folder)
{
    listPictures(folder, files, "(.*)\\.(png|bmp|jpg)$");
    if (files.empty())
        throw std::logic_error("Unable to find backround images");
    current.load(files[index]);
}

template <class T> void ImageManager<T>::next()
{
    index = index + 1 < files.size() ? index + 1 : 0;
    current.load(files[index]);
}

template <class T> void ImageManager<T>::previous()
{
    index = index == 0 ? static_cast<unsigned>(files.size() - 1) : index - 1;
    current.load(files[index]);
}

template <class T> const std::string& ImageManager<T>::currentFile() const
{
    if (index >= files.size())
        throw std::out_of_range("invalid vector<T> subscript");
    return files[index];
}

template <class T> void ImageManager<T>::select(const std::string& fileName)
{
    if (files.empty())
        return;
    const auto found = std::find(files.begin(), files.end(), fileName);
    const unsigned chosen = found == files.end() ? 0 : static_cast<unsigned>(found - files.begin());
    // The picture shown already is not read again.
    if (!(chosen == index && current.data && current.data->fileName == files[chosen]))
        current.load(files[chosen]);
    index = chosen;
}

template class ImageManager<VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FastTextureData>>;
template class ImageManager<VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FrameTextureData>>;

} // namespace PalaceBuild
} // namespace GameLogic
