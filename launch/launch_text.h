// What a History item's text must be to be launched, and what the shell is asked to open for it.
#pragma once
#include <string>
#include <string_view>

namespace qv {

// The longest text that can be launched, in characters: the limit of a path.
constexpr std::size_t kLaunchTextLimit = 259;

enum class LaunchTextProblem { None, Empty, TooLong, MultipleLines };

// The problem of a text already trimmed of white space, checked in this order.
LaunchTextProblem CheckLaunchText(const std::string& trimmed);

// The text trimmed, with "http://" in front of an address that begins with "www." in any case
// and goes on after it; every other text (other schemes, paths, bare names) unchanged.
std::string LaunchTarget(const std::string& text);

} // namespace qv
