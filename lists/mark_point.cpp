#include "lists/mark_point.h"
#include "resource.h"
#include "window/navigation.h"
#include "window/user_messages.h"

namespace qv {

CMarkPoint::CMarkPoint(const CWindowContext& context) : context_(context), lists_(context.lists) {
    lists_.Followers().Add(this);
}

bool CMarkPoint::Toggle() {
    if (lists_.MarkSet())
        return Return();
    Set();
    return false;
}

void CMarkPoint::Set() {
    const int line = lists_.SingleSelection();
    if (line < 0) {
        context_.messages.Show(lists_.List().GetCount() == 0 ? IDS_NO_ITEMS_FOR_MARK
                                                             : IDS_SELECT_SINGLE_FOR_MARK,
                               platform::MsgButtons::Ok, platform::MsgIcon::Information);
        return;
    }
    lists_.SetMark(line);
    context_.navigation.Refresh();
}

bool CMarkPoint::Return() {
    const int line = lists_.TakeMark();
    if (line < 0) {
        context_.messages.Show(IDS_MARK_DELETED, platform::MsgButtons::Ok,
                               platform::MsgIcon::Information);
        context_.navigation.Refresh();
        return false;
    }
    // A mark past the end of a shorter list selects nothing, and Recall says so.
    lists_.SelectOnly(line);
    context_.navigation.Refresh();
    return true;
}

void CMarkPoint::MarkChanged(bool set) {
    platform::IDialogWindow& window = context_.window;
    window.Button(IDC_SET_MARK)
        .SetText(context_.messages.Text(set ? IDS_RETURN_MARK_BUTTON : IDS_SET_MARK_BUTTON));
    if (platform::ISystemMenu* menu = window.SystemMenu())
        menu->SetItemText(IDM_MARK,
                          context_.messages.Text(set ? IDS_RETURN_MARK_MENU : IDS_SET_MARK_MENU));
}

} // namespace qv
