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

} // namespace qv
