#include "options/saving_page.h"
#include "resource.h"
#include "text/fill_marker.h"
#include <string>

namespace qv {

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

std::string ChangeCountText(const platform::IStringResources& strings, int count) {
    if (count == 1)
        return strings.Load(IDS_ONE_CHANGE);
    return FillMarker(strings.Load(IDS_CHANGE_COUNT), std::to_string(count));
}

void CSavingPage::Init() {
    auto& list = Window().ComboBox(IDC_SAVING_CHANGE_LIMIT);
    for (int n = 1; n <= kMostChanges; ++n)
        list.AddString(std::to_string(n));
    // A stored limit the list does not offer leaves it without a selection.
    const int index = context_.values.changeLimit - 1;
    list.SetCurSel(index >= 0 && index < kMostChanges ? index : -1);
    ShowChangeCount();
}

void CSavingPage::Read() {
    context_.values.changeLimit = Window().ComboBox(IDC_SAVING_CHANGE_LIMIT).GetCurSel() + 1;
}

void CSavingPage::ShowChangeCount() {
    Window()
        .Label(IDC_SAVING_CHANGES)
        .SetText(ChangeCountText(context_.strings, context_.host.ChangeCount()));
}

void CSavingPage::OnCommand(int id, int notifyCode) {
    if (notifyCode != platform::kButtonClicked)
        return;
    if (id == IDC_SAVING_SAVE)
        SaveNow();
    else if (id == IDC_SAVING_LOAD)
        LoadNow();
}

void CSavingPage::SaveNow() {
    if (context_.host.SaveDataFile())
        Done(IDS_FINISHED_WRITING);
}

void CSavingPage::LoadNow() {
    if (context_.host.ChangeCount() > 0 &&
        Window().MessageBox(context_.strings.Load(IDS_NEW_ITEMS_LOST), context_.programName,
                            MsgButtons::YesNo, MsgIcon::Question) == MsgResult::No)
        return;
    // A failed read has said so itself (and opened a further Options sheet over this one).
    if (context_.host.LoadDataFile())
        Done(IDS_FINISHED_READING);
}

void CSavingPage::Done(int messageId) {
    ShowChangeCount();
    Window().CancelToClose();
    Window().MessageBox(context_.strings.Load(messageId), context_.programName, MsgButtons::Ok,
                        MsgIcon::Information);
}

} // namespace qv
