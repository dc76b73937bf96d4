#pragma once
// The text input archive of the saved game, hardened against damaged files.
// The library trusts the file's framing; this archive does not:
// - a string length or an element count larger than the bytes left in the
//   input is refused, so no file makes the loader allocate much more than
//   its own size;
// - a pointer's class identifier may only name the one class the saved game
//   keeps behind pointers, the brick (the library would index past its class
//   table, or use a class that cannot be read through a pointer);
// - only a class first met behind a pointer (a brick) may be tracked, so an
//   object identifier can only ever refer back to a brick (the library would
//   hand out the address of any tracked object as a brick);
// - archives older than version 18, the first the game wrote, are refused.
// Everything else is the library's text archive, reading the same files.

#include <boost/archive/basic_archive.hpp>
#include <boost/archive/text_iarchive.hpp>
#include <boost/serialization/collection_size_type.hpp>

#include <cstdint>
#include <istream>
#include <optional>
#include <string>

namespace SaveGame
{

class BoundedTextIArchive : public boost::archive::text_iarchive_impl<BoundedTextIArchive>
{
public:
    // Reads and checks the archive header from the stream, which holds
    // inputSize bytes from its current position on. Throws
    // boost::archive::archive_exception for a bad header.
    BoundedTextIArchive(std::istream& input, std::uint64_t inputSize);

private:
    using Base = boost::archive::text_iarchive_impl<BoundedTextIArchive>;
    friend class boost::archive::detail::interface_iarchive<BoundedTextIArchive>;
    friend class boost::archive::basic_text_iarchive<BoundedTextIArchive>;
    friend class boost::archive::load_access;

    template <class T> void load(T& value) { Base::load(value); }
    // Throw std::length_error when the length or count exceeds bytesLeft().
    void load(std::string& text);
    void load(boost::serialization::collection_size_type& count);
    // Every class's information (tracking, then version) is read once, when
    // the class first appears; for a class behind a pointer its identifier
    // comes just before. Both throw std::length_error for what the game
    // never writes.
    void load(boost::archive::tracking_type& tracking);
    void load(boost::archive::class_id_type& classId);

    std::uint64_t bytesLeft();

    std::uint64_t end;
    int classesMet = 0;
    bool newPointerClass = false;
    std::optional<int> pointerClass;
};

} // namespace SaveGame

BOOST_SERIALIZATION_REGISTER_ARCHIVE(SaveGame::BoundedTextIArchive)
