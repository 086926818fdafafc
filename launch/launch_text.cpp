#include "launch/launch_text.h"
#include "text/utf8_boundaries.h"
#include "text/white_space.h"

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
