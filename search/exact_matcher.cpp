#include "search/exact_matcher.h"
#include "search/match_chars.h"
#include "search/text_scan.h"
#include <cstring>

namespace qv {

namespace {

// Whether the whole pattern is consumed from text position s.
template <class Text>
bool MatchesAt(const Text& text, std::size_t s, const unsigned char* pattern) {
    std::size_t i = s;
    std::size_t j = 0;
    for (;;) {
        const unsigned char c = text.At(i);
        const unsigned char p = pattern[j];
        if (c == 0 || p == 0)
            break;
        if (p == ' ') {
            while (match::IsBlank(text.At(i)))
                ++i;
            ++j;
        } else if (match::Same(c, p)) {
            ++i;
            ++j;
        } else {
            break;
        }
    }
    return pattern[j] == 0;
}

// Tries the start positions the filter accepts, in increasing order.
template <class Filter>
bool Search(const TextView& text, const unsigned char* pattern, const Filter& filter) {
    const auto test = [pattern](const auto& t, std::size_t s) { return MatchesAt(t, s, pattern); };
    match::StartScanner<Filter> starts(text, filter);
    for (std::size_t s = 0; starts.Next(s);)
        if (match::AtStart(text, s, test))
            return true;
    return false;
}

// How rare a byte is in everyday text, higher for rarer: letters by their frequency in English,
// then digits and punctuation, then bytes from 0x80 up.
struct RarityTable {
    RarityTable() {
        for (int c = 0; c < 256; ++c)
            rank[c] = static_cast<unsigned char>(c >= 0x80 ? 30 : c >= '0' && c <= '9' ? 15 : 20);
        const char kLettersByFrequency[] = "etaoinshrdlcumwfgypbvkjxqz";
        for (int k = 0; k < 26; ++k) {
            const unsigned char lower = static_cast<unsigned char>(kLettersByFrequency[k]);
            rank[lower] = rank[lower - ('a' - 'A')] = static_cast<unsigned char>(k);
        }
    }
    unsigned char rank[256];
};

int Rarity(unsigned char c) {
    static const RarityTable table;
    return table.rank[c];
}

// The length of the pattern's first word, counting at most its first `limit` characters.
std::size_t FirstWordLength(const unsigned char* pattern, std::size_t limit) {
    std::size_t length = 0;
    while (length < limit && pattern[length] != 0 && pattern[length] != ' ')
        ++length;
    return length;
}

// Up to its first space the pattern matches byte for byte, so a match from s holds the
// pattern's first word at s. The search looks only where the rarest two of that word's first
// sixteen characters stand at their offsets, or the rarest three when those two are common.
match::BytesScanParams RareBytesOfWord(const unsigned char* pattern, std::size_t length) {
    constexpr std::size_t kLookAhead = match::BytesScanParams::kMaxOffset + 1;
    constexpr int kRareEnough = 16; // two letters rarer on average than 'h' and 'r'
    unsigned char bytes[match::BytesScanParams::kMaxBytes] = {};
    std::size_t offsets[match::BytesScanParams::kMaxBytes] = {};
    bool chosen[kLookAhead] = {};
    std::size_t count = 0;
    int rarity = 0;
    for (; count < match::BytesScanParams::kMaxBytes && count < length &&
           !(count == 2 && rarity >= kRareEnough);
         ++count) {
        std::size_t best = kLookAhead;
        for (std::size_t i = 0; i < length; ++i)
            if (!chosen[i] && (best == kLookAhead || Rarity(pattern[i]) > Rarity(pattern[best])))
                best = i;
        chosen[best] = true;
        bytes[count] = pattern[best];
        offsets[count] = best;
        rarity += Rarity(pattern[best]);
    }
    return match::MakeBytesScanParams(bytes, offsets, static_cast<int>(count));
}

} // namespace

bool CExactMatcher::Match(const char* text, const char* pattern) {
    if (text == nullptr || pattern == nullptr)
        return false;
    return MatchView(TextView(std::string_view(text, std::strlen(text))), pattern);
}

bool CExactMatcher::MatchView(const TextView& text, const char* patternChars) {
    if (const std::optional<bool> decided = DecidedBeforeMatching(text, patternChars))
        return *decided;
    const auto* pattern = reinterpret_cast<const unsigned char*>(patternChars);
    // A leading space matches at every position; nothing narrows the start positions.
    if (pattern[0] == ' ')
        return Search(text, pattern, match::AnyStart());
    return Search(text, pattern, match::OffsetBytesFilter(WordFilter(pattern)));
}

const match::BytesScanParams& CExactMatcher::WordFilter(const unsigned char* pattern) {
    const std::size_t length = FirstWordLength(pattern, kLookAhead);
    bool same = length == wordLength_;
    for (std::size_t i = 0; same && i < length; ++i)
        same = pattern[i] == word_[i];
    if (!same) {
        wordFilter_ = RareBytesOfWord(pattern, length);
        std::memcpy(word_, pattern, length);
        wordLength_ = length;
    }
    return wordFilter_;
}

} // namespace qv
