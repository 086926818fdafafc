#include "lists/merge_split.h"
#include "history/plain_text.h"
#include "lists/merge_dialog.h"
#include "resource.h"
#include "text/white_space.h"
#include "window/user_messages.h"
#include <new>

namespace qv {

void CMergeSplit::Merge() {
    auto& list = lists_.List();
    if (list.GetSelCount() < 2) {
        Warn(IDS_SELECT_TWO_TO_MERGE);
        return;
    }
    std::string separator;
    CMergeDialog dialog(context_.platform);
    if (!dialog.Run(context_.window.Handle(), separator))
        return;
    // Nothing should have changed the selection while the dialog was open; if anything did,
    // the merge is not made from what happens to be selected now.
    if (list.GetSelCount() < 2) {
        Warn(IDS_SELECT_TWO_TO_MERGE);
        return;
    }
    int line = -1;
    try {
        std::string merged, text;
        bool first = true;
        for (int selected : list.GetSelItems()) {
            if (!FullText(selected, text)) {
                Warn(IDS_CANNOT_RETRIEVE_AN_ITEM);
                return;
            }
            if (!first)
                merged += separator;
            merged += text;
            first = false;
        }
        line = AddItem(std::move(merged));
    } catch (const std::bad_alloc&) {
        Warn(IDS_CANNOT_MERGE);
        return;
    }
    if (line >= 0)
        lists_.SelectOnly(line);
    // Previous and Next follow the caret, which is on the newest item now.
    context_.ListsChanged(ListChange::Added);
}

void CMergeSplit::Split() {
    const int selected = lists_.SingleSelection();
    if (selected < 0) {
        Warn(IDS_SELECT_SINGLE_TO_SPLIT);
        return;
    }
    std::vector<std::string> lines;
    try {
        std::string text;
        if (!FullText(selected, text)) {
            Warn(IDS_CANNOT_RETRIEVE);
            return;
        }
        lines = NonBlankLines(text);
    } catch (const std::bad_alloc&) {
        Warn(IDS_CANNOT_SPLIT);
        return;
    }
    if (lines.size() < 2) {
        Warn(IDS_NOT_MULTIPLE_LINES);
        return;
    }
    auto& list = lists_.List();
    list.SetSel(-1, false);
    int last = -1;
    try {
        for (std::string& line : lines) {
            const int added = AddItem(std::move(line));
            if (added >= 0) {
                list.SetSel(added, true);
                last = added;
            }
        }
    } catch (const std::bad_alloc&) {
        // The lines added so far stay.
        Warn(IDS_CANNOT_SPLIT);
    }
    if (last >= 0)
        list.SetCaretIndex(last);
    // Previous and Next follow the caret, which is on the newest item now.
    context_.ListsChanged(ListChange::Added);
}

bool CMergeSplit::FullText(int line, std::string& text) const {
    const CHistoryItem* item = lists_.Item(line);
    if (!item)
        return false;
    text = TrimWhiteSpace(JoinPlainText(lists_.LineText(line), item->overflowText));
    return true;
}

int CMergeSplit::AddItem(std::string text) {
    SplitText parts = SplitPlainText(std::move(text));
    auto item = std::make_unique<CHistoryItem>(std::string(), std::move(parts.overflowText));
    const int line = lists_.Append(parts.listText, std::move(item));
    if (line < 0)
        return -1;
    const int dropped = lists_.ApplyHistoryLimit();
    return line >= dropped ? line - dropped : -1;
}

void CMergeSplit::Warn(int textId) {
    context_.messages.Show(textId, platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
}

} // namespace qv
