#pragma once
// The text input archive of the saved game, hardened against damaged files:
// a string length or an element count can never be larger than the bytes
// left in the input, so no file can make the loader allocate more than a
// small multiple of its own size. Everything else is the library's text
// archive, reading the same files.

#include <boost/archive/text_iarchive.hpp>
#include <boost/serialization/collection_size_type.hpp>

#include <cstdint>
#include <istream>
#include <string>

namespace GameLogic
{
namespace PalaceBuild
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

    std::uint64_t bytesLeft();

    std::uint64_t end;
};

} // namespace PalaceBuild
} // namespace GameLogic

BOOST_SERIALIZATION_REGISTER_ARCHIVE(GameLogic::PalaceBuild::BoundedTextIArchive)
