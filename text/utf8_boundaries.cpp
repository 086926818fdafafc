#include "text/utf8_boundaries.h"
#include <algorithm>

namespace qv {

namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The bytes a sequence takes by its lead byte; 1 for ASCII and for what cannot lead one.
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF7)
        return 4;
    if (lead >= 0xE0)
        return lead <= 0xEF ? 3 : 1;
    return lead >= 0xC0 ? 2 : 1;
}

} // namespace

std::size_t CharacterBoundary(std::string_view text, std::size_t limit) {
    const std::size_t end = std::min(limit, text.size());
    // A sequence is at most four bytes: its lead stands at most three places back.
    for (std::size_t back = 1; back <= 4 && back <= end; ++back) {
        const auto byte = static_cast<unsigned char>(text[end - back]);
        if (IsContinuation(byte))
            continue;
        return SequenceLength(byte) > back ? end - back : end;
    }
    return end; // not UTF-8 here: any byte boundary will do
}

std::size_t CharactersPrefix(std::string_view text, std::size_t characters) {
    std::size_t end = 0;
    for (std::size_t taken = 0; end < text.size(); ++taken) {
        if (taken == characters)
            return end;
        // A character is its lead byte and the continuation bytes after it.
        ++end;
        while (end < text.size() && IsContinuation(static_cast<unsigned char>(text[end])))
            ++end;
    }
    return end;
}

} // namespace qv
