#include "window/status_texts.h"
#include "resource.h"

namespace qv {

std::string CStatusTexts::CountText(long long n, int oneId, int manyId) const {
    if (n < 0)
        return std::string();
    if (n == 1)
        return strings_.Load(oneId);
    return FormatCount(static_cast<int>(n), format_) + strings_.Load(manyId);
}

void CStatusTexts::ShowCharCount() {
    window_.Label(IDC_CHAR_COUNT)
        .SetText(CountText(window_.RichEdit(IDC_CONTENTS).GetTextLength(), IDS_ONE_CHARACTER,
                           IDS_CHARACTERS));
}

void CStatusTexts::ShowSelectedCount() {
    window_.Label(IDC_SELECTED_COUNT)
        .SetText(CountText(window_.ListBox(IDC_HISTORY).GetSelCount(), IDS_ONE_SELECTED_ITEM,
                           IDS_SELECTED_ITEMS));
}

void CStatusTexts::ShowItemCount() {
    window_.Label(IDC_ITEM_COUNT)
        .SetText(CountText(window_.ListBox(IDC_HISTORY).GetCount(), IDS_ONE_ITEM, IDS_ITEMS));
}

} // namespace qv
