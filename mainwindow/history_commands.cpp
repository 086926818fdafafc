#include "mainwindow/history_commands.h"
#include "resource.h"

namespace qv {

namespace {
// A second press closer than this to the first is the end of a double click.
constexpr std::int64_t kDeleteGuardSeconds = 2;
} // namespace

void CHistoryCommands::Delete() {
    search_.Commit();
    const std::int64_t now = clock_.CalendarSeconds();
    const std::int64_t since = now - lastDelete_;
    lastDelete_ = now; // so that every press of a quick run is ignored
    if (since < kDeleteGuardSeconds)
        return;
    window_.Label(IDC_CLIP_TIME).SetText(std::string());
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
    ShowCounts();
    navigation_.Refresh();
    lists_.ClearMark();
    window_.Button(IDC_RECALL).Enable(false);
    if (lists_.UndoValid())
        SetCanUndo(!lists_.UndoEmpty());
    store_.CountChange();
}

void CHistoryCommands::DeleteOne(int line) {
    search_.Commit();
    lists_.ClearUndo();
    lists_.DeleteIntoUndo(line, false); // the Mini-Window took its row out itself
    ShowCounts();
    navigation_.Refresh();
    lists_.ClearMark();
    if (lists_.UndoValid())
        SetCanUndo(true);
}

void CHistoryCommands::UndoDelete() {
    if (canUndo_)
        PutBackKept();
}

void CHistoryCommands::PutBackKept() {
    bool all = true;
    {
        const platform::RedrawPause frozen(lists_.List());
        all = lists_.ReplayUndo();
    }
    lists_.Followers().ListReplaced();
    ShowCounts();
    navigation_.Refresh();
    // What the list box refused stays kept, and Undo Delete can bring it later.
    SetCanUndo(!all);
    if (!all)
        messages_.ShowOutOfMemory();
    store_.CountChange();
}

void CHistoryCommands::ChangeList() {
    search_.Commit();
    auto& list = lists_.List();
    bool swapped = false;
    {
        const platform::RedrawPause frozen(list);
        swapped = lists_.SwapShownAndParked();
    }
    if (!swapped) {
        // The shown lines are back, but the selection and the windows that follow them changed.
        lists_.Followers().ListReplaced();
        ShowCounts();
        navigation_.Refresh();
        messages_.ShowCaptioned(IDS_CANNOT_CHANGE_LIST, IDS_CAPTION_CHANGE_LIST,
                                platform::MsgIcon::None);
        return;
    }
    window_.Label(IDC_LIST_NAME)
        .SetText(messages_.Text(lists_.MainListShown() ? IDS_MAIN_LIST : IDS_RETAIN_LIST));
    // The copies of the lines that were selected go to the end of the list now shown.
    PutBackKept();
    list.SetCaretIndex(list.GetCount() - 1);
    lists_.ApplyHistoryLimit();
    ShowCounts();
    search_.Reset();
    navigation_.Refresh();
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

    navigation_.Refresh();
}

void CHistoryCommands::SetCanUndo(bool on) {
    canUndo_ = on;
    if (platform::ISystemMenu* menu = window_.SystemMenu())
        menu->Enable(IDM_UNDO_DELETE, on);
}

void CHistoryCommands::ShowCounts() {
    status_.ShowSelectedCount();
    status_.ShowItemCount();
}

} // namespace qv
