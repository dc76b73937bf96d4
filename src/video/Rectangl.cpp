#include "video/Rectangl.hpp"

namespace VideoEngine
{
namespace OpenGL
{

void Rectangl::scale(float factor)
{
    const long double width = static_cast<long double>(right) - left;
    const long double height = static_cast<long double>(bottom) - top;
    right = static_cast<std::int32_t>(width * factor + left);
    bottom = static_cast<std::int32_t>(height * factor + top);
}

} // namespace OpenGL
} // namespace VideoEngine
