#include "text/fill_marker.h"

namespace qv {

std::string FillMarker(std::string format, std::string_view text) {
    static constexpr std::string_view kMarker = "%s";
    const std::size_t at = format.find(kMarker);
    if (at != std::string::npos)
        format.replace(at, kMarker.size(), text);
    return format;
}

} // namespace qv
