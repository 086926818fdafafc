#include "mainwindow/mark_point.h"
#include "resource.h"

namespace qv {

CMarkPoint::CMarkPoint(platform::IDialogWindow& window, CHistoryLists& lists,
                       CIncrementalSearch& search, CNavigation& navigation,
                       CClipboardCapture& capture, CUserMessages& messages)
    : window_(window), lists_(lists), search_(search), navigation_(navigation), capture_(capture),
      messages_(messages) {
    lists_.Followers().Add(this);
}

void CMarkPoint::Toggle() {
    search_.Commit();
    if (lists_.MarkSet())
        Return();
    else
        Set();
}

void CMarkPoint::Set() {
    const int line = lists_.SingleSelection();
    if (line < 0) {
        messages_.Show(lists_.List().GetCount() == 0 ? IDS_NO_ITEMS_FOR_MARK
                                                     : IDS_SELECT_SINGLE_FOR_MARK,
                       platform::MsgButtons::Ok, platform::MsgIcon::Information);
        return;
    }
    lists_.SetMark(line);
    navigation_.Refresh();
}

void CMarkPoint::Return() {
    const int line = lists_.TakeMark();
    if (line >= 0) {
        // A mark past the end of a shorter list selects nothing, and Recall says so.
        lists_.SelectOnly(line);
        capture_.Recall(false);
    } else {
        messages_.Show(IDS_MARK_DELETED, platform::MsgButtons::Ok, platform::MsgIcon::Information);
    }
    navigation_.Refresh();
}

void CMarkPoint::MarkChanged(bool set) {
    window_.Button(IDC_SET_MARK)
        .SetText(messages_.Text(set ? IDS_RETURN_MARK_BUTTON : IDS_SET_MARK_BUTTON));
    if (platform::ISystemMenu* menu = window_.SystemMenu())
        menu->SetItemText(IDM_MARK, messages_.Text(set ? IDS_RETURN_MARK_MENU : IDS_SET_MARK_MENU));
}

} // namespace qv
