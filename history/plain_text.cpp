#include "history/plain_text.h"
#include "text/utf8_boundaries.h"
#include <algorithm>

namespace qv {

namespace {

constexpr std::size_t kMarkerLength = sizeof(kOverflowMarker) - 1;

bool EndsWithMarker(std::string_view text) {
    return text.size() >= kMarkerLength &&
           text.compare(text.size() - kMarkerLength, kMarkerLength, kOverflowMarker) == 0;
}

} // namespace

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

} // namespace qv
