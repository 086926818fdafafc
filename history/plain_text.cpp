#include "history/plain_text.h"
#include <algorithm>

namespace qv {

namespace {

constexpr std::size_t kMarkerLength = sizeof(kOverflowMarker) - 1;

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

bool EndsWithMarker(std::string_view text) {
    return text.size() >= kMarkerLength &&
           text.compare(text.size() - kMarkerLength, kMarkerLength, kOverflowMarker) == 0;
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

SplitText SplitPlainText(const std::string& text) {
    SplitText result;
    if (text.size() <= kListTextLimit) {
        result.listText = text;
        return result;
    }
    const std::size_t cut = CharacterBoundary(text, kListTextLimit);
    result.listText.reserve(cut + kMarkerLength);
    result.listText.assign(text, 0, cut);
    result.listText += kOverflowMarker;
    result.overflowText.assign(text, cut, std::string::npos);
    return result;
}

SplitText SplitPlainText(std::string&& text) {
    if (text.size() <= kListTextLimit)
        return SplitText{std::move(text), std::string()};
    const std::size_t cut = CharacterBoundary(text, kListTextLimit);
    SplitText result;
    result.listText.reserve(cut + kMarkerLength);
    result.listText.assign(text, 0, cut);
    result.listText += kOverflowMarker;
    text.erase(0, cut);
    result.overflowText = std::move(text);
    return result;
}

MarkerPlace FindMarker(std::string_view listText) {
    if (listText.size() < kListTextLimit + kMarkerLength && EndsWithMarker(listText))
        return {listText.size() - kMarkerLength, listText.size()};
    const std::size_t keep = std::min(kListTextLimit, listText.size());
    return {keep, std::min(listText.size(), keep + kMarkerLength)};
}

std::string JoinPlainText(const std::string& listText, const std::string& overflowText) {
    if (overflowText.empty())
        return listText;
    const auto [keep, resume] = FindMarker(listText);
    std::string text;
    text.reserve(keep + (listText.size() - resume) + overflowText.size());
    text.assign(listText, 0, keep);
    text.append(listText, resume, std::string::npos);
    text += overflowText;
    return text;
}

namespace {
constexpr const char kWhiteSpace[] = " \t\n\v\f\r";
} // namespace

std::string TrimWhiteSpace(const std::string& text) {
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string::npos)
        return std::string();
    const std::size_t last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last + 1 - first);
}

std::vector<std::string> NonBlankLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = text.find_first_not_of(kWhiteSpace);
    while (at != std::string::npos) {
        const std::size_t end = text.find_first_of("\r\n", at);
        const std::size_t last =
            text.find_last_not_of(kWhiteSpace, end == std::string::npos ? std::string::npos : end);
        lines.push_back(text.substr(at, last + 1 - at));
        // The break and the white space after it go: blank lines, the next line's indentation.
        at = end == std::string::npos ? end : text.find_first_not_of(kWhiteSpace, end);
    }
    return lines;
}

} // namespace qv
