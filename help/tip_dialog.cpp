#include "help/tip_dialog.h"
#include "help/tip_text.h"
#include "help/topic_dialog.h"
#include "resource.h"
#include "resources/resource_tables.h"
#include "text/fill_marker.h"
#include <new>

namespace qv {

namespace {
constexpr int kFirstTipString = IDS_TIP_COUNT + 1;
}

int CTipDialog::Run(platform::WindowRef owner) {
    return platform_.RunModal(ProgramDialog(IDD_TIP), *this, owner);
}

bool CTipDialog::OnInitDialog(platform::IDialogWindow& window) {
    window_ = &window;
    window.Button(IDC_TIP_STARTUP).SetChecked(showAtStartup_ != 0);
    bool read = false;
    try {
        read = ReadCountAndFill();
    } catch (const std::bad_alloc&) {
        read = false;
    }
    if (!read) {
        Fail(IDS_TIP_INFO_ERROR, true);
        return true;
    }
    if (ShowTip())
        UpdateTipControls();
    return true;
}

bool CTipDialog::ReadCountAndFill() {
    count_ = ParseTipCount(platform_.Strings().Load(IDS_TIP_COUNT));
    if (index_ >= count_ || index_ < 0)
        index_ = 0;
    if (count_ <= 0)
        return false;
    platform::IComboBox& numbers = window_->ComboBox(IDC_TIP_NUMBER);
    for (int n = 1; n <= count_; ++n)
        numbers.AddString(std::to_string(n));
    numbers.SetCurSel(index_);
    window_->Label(IDC_TIP_OF_COUNT)
        .SetText(FillMarker(platform_.Strings().Load(IDS_TIP_OF_COUNT), std::to_string(count_)));
    return true;
}

bool CTipDialog::ShowTip() {
    TipParts parts;
    try {
        std::string tip = platform_.Strings().Load(kFirstTipString + index_);
        if (tip.empty()) {
            Fail(IDS_TIP_INFO_ERROR, true);
            return false;
        }
        if (index_ == 0)
            tip = CentreFirstLine(tip);
        parts = SplitTip(tip);
    } catch (const std::bad_alloc&) {
        Fail(IDS_TIP_INFO_ERROR, true);
        return false;
    }
    window_->Edit(IDC_TIP_TEXT).SetText(parts.text);
    window_->Label(IDC_TIP_TOPIC).SetText(parts.topic);
    return true;
}

std::string CTipDialog::CentreFirstLine(const std::string& tip) const {
    const std::size_t lineEnd = tip.find('\r');
    if (lineEnd == std::string::npos)
        return tip;
    const platform::IEdit& field = window_->Edit(IDC_TIP_TEXT);
    int lineWidth = 0, spaceWidth = 0;
    if (!field.MeasureText(tip.substr(0, lineEnd), lineWidth) ||
        !field.MeasureText(" ", spaceWidth))
        return tip;
    const int spaces = CentringSpaces(lineWidth, spaceWidth, field.GetClientWidth());
    return std::string(std::size_t(spaces), ' ') + tip;
}

void CTipDialog::UpdateTipControls() {
    const bool before = index_ > 0;
    const bool after = index_ + 1 < count_;
    window_->Button(IDC_TIP_FIRST).Enable(before);
    window_->Button(IDC_TIP_PREVIOUS).Enable(before);
    window_->Button(IDC_TIP_NEXT).Enable(after);
    window_->Button(IDC_TIP_LAST).Enable(after);
    window_->ComboBox(IDC_TIP_NUMBER).SetCurSel(index_);
}

void CTipDialog::GoTo(int index) {
    index_ = index;
    if (ShowTip())
        UpdateTipControls();
}

void CTipDialog::OnCommand(int id, int notifyCode) {
    if (!window_)
        return;
    switch (id) {
    case IDC_TIP_FIRST:
        GoTo(0);
        break;
    case IDC_TIP_PREVIOUS:
        if (index_ > 0)
            GoTo(index_ - 1);
        break;
    case IDC_TIP_NEXT:
        if (index_ + 1 < count_)
            GoTo(index_ + 1);
        break;
    case IDC_TIP_LAST:
        GoTo(count_ - 1);
        break;
    case IDC_TIP_NUMBER:
        if (notifyCode == platform::kComboSelChange) {
            const int chosen = window_->ComboBox(IDC_TIP_NUMBER).GetCurSel();
            if (chosen >= 0)
                GoTo(chosen);
        }
        break;
    case IDC_TIP_TOPIC_BUTTON:
        ChooseTopic();
        break;
    default:
        break;
    }
}

void CTipDialog::ChooseTopic() {
    if (!CollectTopics()) {
        Fail(IDS_TOPICS_ERROR, false);
        return;
    }
    CTopicDialog chooser(platform_, topics_);
    chooser.SetSelection(index_);
    if (chooser.Run(window_->Handle()) == IDOK && chooser.Selection() != -1 && window_)
        GoTo(chooser.Selection());
}

bool CTipDialog::CollectTopics() {
    try {
        const std::string noTopic = platform_.Strings().Load(IDS_NO_TOPIC);
        for (int i = static_cast<int>(topics_.size()); i < count_; ++i) {
            const std::string tip = platform_.Strings().Load(kFirstTipString + i);
            if (tip.empty())
                return false;
            topics_.push_back(TopicOfTip(tip, noTopic));
        }
        return true;
    } catch (const std::bad_alloc&) {
        return false; // the topics collected so far stay; the next press goes on after them
    }
}

void CTipDialog::OnClose() {
    // The close box counts as OK: the check box is taken.
    if (!window_)
        return;
    showAtStartup_ = window_->Button(IDC_TIP_STARTUP).IsChecked() ? 1 : 0;
    window_->EndDialog(IDOK);
}

void CTipDialog::OnCancel() {
    if (window_)
        window_->EndDialog(IDCANCEL);
}

void CTipDialog::Fail(int messageId, bool close) {
    window_->MessageBox(platform_.Strings().Load(messageId),
                        platform_.Strings().Load(IDS_APP_TITLE), platform::MsgButtons::Ok,
                        platform::MsgIcon::Exclamation);
    if (close)
        window_->EndDialog(IDCANCEL);
}

} // namespace qv
