#include "window/navigation_labels.h"
#include "resource.h"
#include "text/fill_marker.h"
#include <algorithm>

namespace qv {

namespace {
bool IsBreak(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
} // namespace

std::string PreviewCut(const std::string& text, int budget) {
    const std::size_t m = static_cast<std::size_t>(budget);
    const std::size_t length = text.size();
    std::string preview;
    if (length > m + 2 && IsBreak(text[m + 1]))
        preview = text.substr(0, m + 1) + "...";
    else if (length > m + 1)
        preview = text.substr(0, IsBreak(text[m]) ? m : m - 1) + "...";
    else
        preview = text;
    std::replace(preview.begin(), preview.end(), '\t', ' ');
    return preview;
}

std::string NavigationLabel(const platform::IStringResources& strings, bool previous,
                            const std::string& neighbourText) {
    if (neighbourText.empty())
        return strings.Load(previous ? IDS_PREVIOUS_ITEM : IDS_NEXT_ITEM);
    return FillMarker(
        strings.Load(previous ? IDS_PREVIOUS_ITEM_PREVIEW : IDS_NEXT_ITEM_PREVIEW),
        PreviewCut(neighbourText, previous ? kPreviousPreviewBudget : kNextPreviewBudget));
}

} // namespace qv
