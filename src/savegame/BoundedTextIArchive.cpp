#include "savegame/BoundedTextIArchive.hpp"

// The library's archive templates, made for this archive class.
#include <boost/archive/impl/archive_serializer_map.ipp>
#include <boost/archive/impl/basic_text_iarchive.ipp>
#include <boost/archive/impl/text_iarchive_impl.ipp>

#include <stdexcept>

namespace boost
{
namespace archive
{
template class basic_text_iarchive<SaveGame::BoundedTextIArchive>;
template class text_iarchive_impl<SaveGame::BoundedTextIArchive>;
namespace detail
{
template class archive_serializer_map<SaveGame::BoundedTextIArchive>;
} // namespace detail
} // namespace archive
} // namespace boost

namespace SaveGame
{

BoundedTextIArchive::BoundedTextIArchive(std::istream& input, std::uint64_t inputSize)
    : Base(input, 0)
{
    const std::istream::pos_type start = input.tellg();
    end = (start < 0 ? 0 : static_cast<std::uint64_t>(start)) + inputSize;
    init();
    // The game has only ever written archives of version 18 (Boost 1.74);
    // older framing takes paths of the library the game never uses.
    if (get_library_version() < boost::archive::library_version_type(18))
        throw boost::archive::archive_exception(
            boost::archive::archive_exception::unsupported_version);
}

std::uint64_t BoundedTextIArchive::bytesLeft()
{
    const std::istream::pos_type here = is.tellg();
    if (here < 0)
        return 0;
    const auto position = static_cast<std::uint64_t>(here);
    return position < end ? end - position : 0;
}

void BoundedTextIArchive::load(std::string& text)
{
    std::size_t length = 0;
    Base::load(length);
    // The single space between the length and the characters.
    is.get();
    if (length > bytesLeft())
        throw std::length_error("Damaged saved game: a text longer than the file");
    text.resize(length);
    if (length > 0)
        is.read(&text[0], static_cast<std::streamsize>(length));
    if (!is)
        throw boost::archive::archive_exception(
            boost::archive::archive_exception::input_stream_error);
}

void BoundedTextIArchive::load(boost::serialization::collection_size_type& count)
{
    Base::load(count);
    if (count > bytesLeft())
        throw std::length_error("Damaged saved game: more elements than the file can hold");
}

void BoundedTextIArchive::load(boost::archive::tracking_type& tracking)
{
    Base::load(tracking);
    if (tracking && !newPointerClass)
        throw std::length_error("Damaged saved game: a tracked value");
    newPointerClass = false;
    ++classesMet;
}

void BoundedTextIArchive::load(boost::archive::class_id_type& classId)
{
    Base::load(classId);
    // -1 stands for a null pointer. The saved game holds one class behind
    // pointers (the brick): its first pointer introduces it as the next new
    // class, every later pointer names it again.
    const int id = classId;
    newPointerClass = !pointerClass && id == classesMet;
    if (newPointerClass)
        pointerClass = id;
    else if (id != -1 && pointerClass != id)
        throw std::length_error("Damaged saved game: an unknown class behind a pointer");
}

} // namespace SaveGame
