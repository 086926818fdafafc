// Where UTF-8 text may be cut without leaving half a character: limits stay byte counts or
// character counts, and a cut keeps every character whole.
#pragma once
#include <cstddef>
#include <string_view>

namespace qv {

// The longest prefix of text[0, limit) that ends on a character boundary: a cut there never
// leaves half a multi-byte sequence behind. Counting stays in bytes; text that is not UTF-8 is
// cut at the limit.
std::size_t CharacterBoundary(std::string_view text, std::size_t limit);

// The bytes of the first `characters` characters, all of the text when it is shorter.
std::size_t CharactersPrefix(std::string_view text, std::size_t characters);

} // namespace qv
