#include "lists/history_commands.h"
#include "resource.h"
#include "window/user_messages.h"

namespace qv {

namespace {
// A second press closer than this to the first is the end of a double click.
constexpr std::int64_t kDeleteGuardSeconds = 2;
} // namespace

void CHistoryCommands::Delete() {
    const std::int64_t now = context_.platform.Clock().CalendarSeconds();
    const std::int64_t since = now - lastDelete_;
    lastDelete_ = now; // so that every press of a quick run is ignored
    if (since < kDeleteGuardSeconds)
        return;
    context_.window.Label(IDC_CLIP_TIME).SetText(std::string());
    {
        auto& list = lists_.List();
        const platform::RedrawPause frozen(list);
        const BulkRemoval removal(lists_.Box(), true);
        // Even with nothing selected: a second Delete throws the kept items away for good.
        lists_.ClearUndo();
        // Each line is taken out where it stands at that moment, after the removals above it.
        int removed = 0;
        for (int line : list.GetSelItems())
            if (lists_.DeleteIntoUndo(line - removed, true))
                ++removed;
    }
    lists_.ClearMark();
    context_.window.Button(IDC_RECALL).Enable(false);
    if (lists_.UndoValid())
        SetCanUndo(!lists_.UndoEmpty());
    context_.ListsChanged(ListChange::Deleted);
}

void CHistoryCommands::DeleteOne(int line) {
    lists_.ClearUndo();
    lists_.DeleteIntoUndo(line, false); // the Mini-Window took its row out itself
    lists_.ClearMark();
    if (lists_.UndoValid())
        SetCanUndo(true);
    context_.ListsChanged(ListChange::DeletedByMiniWindow);
}

void CHistoryCommands::UndoDelete() {
    if (!canUndo_)
        return;
    const bool all = PutBackKept();
    context_.ListsChanged(ListChange::Restored);
    if (!all)
        context_.messages.ShowOutOfMemory();
}

bool CHistoryCommands::PutBackKept() {
    bool all = true;
    {
        const platform::RedrawPause frozen(lists_.List());
        all = lists_.ReplayUndo();
    }
    lists_.Followers().ListReplaced();
    // What the list box refused stays kept, and Undo Delete can bring it later.
    SetCanUndo(!all);
    return all;
}

void CHistoryCommands::ChangeList() {
    auto& list = lists_.List();
    bool swapped = false;
    {
        const platform::RedrawPause frozen(list);
        swapped = lists_.SwapShownAndParked();
    }
    if (!swapped) {
        // The shown lines are back, but the selection and the windows that follow them changed.
        lists_.Followers().ListReplaced();
        context_.ListsChanged(ListChange::ShownAgain);
        context_.messages.ShowCaptioned(IDS_CANNOT_CHANGE_LIST, IDS_CAPTION_CHANGE_LIST,
                                        platform::MsgIcon::None);
        return;
    }
    context_.window.Label(IDC_LIST_NAME)
        .SetText(context_.messages.Text(lists_.MainListShown() ? IDS_MAIN_LIST : IDS_RETAIN_LIST));
    // The copies of the lines that were selected go to the end of the list now shown.
    const bool all = PutBackKept();
    list.SetCaretIndex(list.GetCount() - 1);
    lists_.ApplyHistoryLimit();
    context_.ListsChanged(ListChange::Swapped);
    if (!all)
        context_.messages.ShowOutOfMemory();
}

void CHistoryCommands::MoveItem(int from, int to) {
    const std::string text = lists_.LineText(from);
    std::unique_ptr<CHistoryItem> item;
    if (!lists_.TakeLine(from, item))
        return;
    int line = lists_.PutBack(to, text, item);
    // Refused at its new place, it goes back where it was, or at worst to the end.
    if (line < 0)
        line = lists_.PutBack(from, text, item);
    if (line < 0)
        line = lists_.PutBack(-1, text, item);
    if (line >= 0)
        lists_.SelectOnly(line);
    if (line != to)
        lists_.Followers().ListReplaced(); // the Mini-Window moved its row already
    context_.ListsChanged(ListChange::MovedByMiniWindow);
}

void CHistoryCommands::SetCanUndo(bool on) {
    canUndo_ = on;
    if (platform::ISystemMenu* menu = context_.window.SystemMenu())
        menu->Enable(IDM_UNDO_DELETE, on);
}

} // namespace qv
