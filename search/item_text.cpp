#include "search/item_text.h"
#include "history/plain_text.h"

namespace qv {

TextView ItemTextView(const std::string& listText, const std::string& overflowText) {
    const std::string_view list(listText);
    TextView view;
    if (overflowText.empty()) {
        view.Append(list);
        return view;
    }
    // Same pieces as JoinPlainText: the marker after the first kListTextLimit characters goes.
    constexpr std::size_t kMarkerEnd = kListTextLimit + sizeof(kOverflowMarker) - 1;
    view.Append(list.substr(0, kListTextLimit));
    if (list.size() > kMarkerEnd)
        view.Append(list.substr(kMarkerEnd));
    view.Append(overflowText);
    return view;
}

} // namespace qv
