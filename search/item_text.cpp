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
    // Same pieces as JoinPlainText: the marker goes.
    const MarkerPlace marker = FindMarker(list);
    view.Append(list.substr(0, marker.keep));
    if (marker.resume < list.size())
        view.Append(list.substr(marker.resume));
    view.Append(overflowText);
    return view;
}

} // namespace qv
