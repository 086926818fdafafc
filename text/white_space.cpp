#include "text/white_space.h"

namespace qv {

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
