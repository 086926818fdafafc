#include "launch/launch_text.h"
#include "history/plain_text.h"

namespace qv {

namespace {

bool StartsWithWww(const std::string& text) {
    static const char kPrefix[] = "www.";
    for (std::size_t i = 0; i < 4; ++i) {
        const char c = text[i];
        const char wanted = kPrefix[i];
        if (c != wanted && !(wanted == 'w' && c == 'W'))
            return false;
    }
    return true;
}

} // namespace

std::size_t CharactersPrefix(std::string_view text, std::size_t characters) {
    std::size_t end = 0;
    for (std::size_t taken = 0; end < text.size(); ++taken) {
        if (taken == characters)
            return end;
        // A character is its lead byte and the continuation bytes after it.
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
    }
    return end;
}

LaunchTextProblem CheckLaunchText(const std::string& trimmed) {
    if (trimmed.empty())
        return LaunchTextProblem::Empty;
    if (CharactersPrefix(trimmed, kLaunchTextLimit) < trimmed.size())
        return LaunchTextProblem::TooLong;
    if (trimmed.find_first_of("\r\n") != std::string::npos)
        return LaunchTextProblem::MultipleLines;
    return LaunchTextProblem::None;
}

std::string LaunchTarget(const std::string& text) {
    std::string target = TrimWhiteSpace(text);
    if (target.size() > 4 && StartsWithWww(target))
        target.insert(0, "http://");
    return target;
}

} // namespace qv
