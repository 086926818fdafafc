#include "history/plain_text.h"

namespace qv {

SplitText SplitPlainText(const std::string& text) {
    SplitText result;
    if (text.size() <= kListTextLimit) {
        result.listText = text;
        return result;
    }
    result.listText.reserve(kListTextLimit + sizeof(kOverflowMarker) - 1);
    result.listText.assign(text, 0, kListTextLimit);
    result.listText += kOverflowMarker;
    result.overflowText.assign(text, kListTextLimit, std::string::npos);
    return result;
}

SplitText SplitPlainText(std::string&& text) {
    if (text.size() <= kListTextLimit)
        return SplitText{std::move(text), std::string()};
    SplitText result;
    result.listText.reserve(kListTextLimit + sizeof(kOverflowMarker) - 1);
    result.listText.assign(text, 0, kListTextLimit);
    result.listText += kOverflowMarker;
    text.erase(0, kListTextLimit);
    result.overflowText = std::move(text);
    return result;
}

std::string JoinPlainText(const std::string& listText, const std::string& overflowText) {
    if (overflowText.empty())
        return listText;
    std::string text;
    text.reserve(kListTextLimit + overflowText.size());
    // Drop the marker at positions 501 to 503; a list text shorter than that keeps what it has.
    text.assign(listText, 0, kListTextLimit);
    if (listText.size() > kListTextLimit + sizeof(kOverflowMarker) - 1)
        text.append(listText, kListTextLimit + sizeof(kOverflowMarker) - 1, std::string::npos);
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
