#include "headless_dialog.h"
#include "headless_platform.h"
#include <algorithm>
#include <stdexcept>

namespace qv::platform::headless {

HeadlessSystemMenu::HeadlessSystemMenu() {
    // The platform's standard entries of a window with a minimize box.
    for (const char* text : {"&Restore", "&Move", "&Size", "Mi&nimize", "Ma&ximize"})
        entries.push_back(MenuEntry{0, text, false, false, false});
    entries.push_back(MenuEntry{0, "", true, false, false});
    entries.push_back(MenuEntry{0, "&Close\tAlt+F4", false, false, false});
}

void HeadlessSystemMenu::EnableByPosition(int position, bool enable) {
    if (position >= 0 && position < int(entries.size()))
        entries[std::size_t(position)].greyed = !enable;
}

void HeadlessSystemMenu::RemoveByPosition(int position) {
    if (position >= 0 && position < int(entries.size()))
        entries.erase(entries.begin() + position);
}

void HeadlessSystemMenu::AppendSeparator() {
    entries.push_back(MenuEntry{0, "", true, false, false});
}

void HeadlessSystemMenu::AppendItem(unsigned command, const std::string& text, MenuState state) {
    entries.push_back(
        MenuEntry{command, text, false, state == MenuState::Greyed, state == MenuState::Checked});
}

void HeadlessSystemMenu::Enable(unsigned command, bool enable) {
    for (auto& e : entries)
        if (e.command == command && !e.separator)
            e.greyed = !enable;
}

void HeadlessSystemMenu::Check(unsigned command, bool check) {
    for (auto& e : entries)
        if (e.command == command && !e.separator)
            e.checked = check;
}

void HeadlessSystemMenu::SetItemText(unsigned command, const std::string& text) {
    for (auto& e : entries)
        if (e.command == command && !e.separator)
            e.text = text;
}

const MenuEntry* HeadlessSystemMenu::Find(unsigned command) const {
    for (const auto& e : entries)
        if (e.command == command && !e.separator)
            return &e;
    return nullptr;
}

MsgResult MessageBoxScript::Show(const std::string& text, const std::string& caption,
                                 MsgButtons buttons, MsgIcon icon) {
    const RecordedMessage message{text, caption, buttons, icon};
    MsgResult result = buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::Ok;
    {
        std::lock_guard<std::mutex> guard(lock_);
        shown.push_back(message);
        if (!answers.empty()) {
            result = answers.front();
            answers.pop_front();
        }
    }
    if (whileShown)
        whileShown(message);
    return result;
}

namespace {

// The kinds that the platform makes tab stops; statics, frames and links are passed over.
bool TakesFocus(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
    case ControlKind::Icon:
    case ControlKind::Link:
    case ControlKind::GroupBox:
        return false;
    default:
        return true;
    }
}

std::unique_ptr<IControl> MakeControl(ControlKind kind, HeadlessClipboard& clipboard) {
    switch (kind) {
    case ControlKind::RichEdit:
        return std::make_unique<HeadlessRichEdit>(clipboard);
    case ControlKind::Edit:
    case ControlKind::ReadOnlyEdit:
    case ControlKind::ReadOnlyText:
        return std::make_unique<HeadlessEdit>(clipboard, kind != ControlKind::Edit);
    case ControlKind::Button:
    case ControlKind::DefButton:
    case ControlKind::CheckBox:
    case ControlKind::Radio:
        return std::make_unique<HeadlessButton>();
    case ControlKind::ListBox:
        return std::make_unique<HeadlessListBox>(false);
    case ControlKind::SingleListBox:
        return std::make_unique<HeadlessListBox>(true);
    case ControlKind::Combo:
    case ControlKind::DropList:
        return std::make_unique<HeadlessComboBox>();
    case ControlKind::Link:
        return std::make_unique<HeadlessLink>();
    case ControlKind::TrackBar:
        return std::make_unique<HeadlessTrackBar>();
    case ControlKind::ListView:
        return std::make_unique<HeadlessListView>();
    case ControlKind::Label:
    case ControlKind::Icon:
    case ControlKind::GroupBox:
        return std::make_unique<HeadlessLabel>();
    }
    return std::make_unique<HeadlessLabel>();
}

} // namespace

HeadlessDialog::HeadlessDialog(HeadlessPlatform& platform, const DialogTemplate& dialog,
                               WindowRef handle, IDialogEvents& events, WindowRef owner)
    : platform_(platform), template_(dialog), handle_(handle), owner_(owner), events_(events),
      mainEvents_(dynamic_cast<IMainWindowEvents*>(&events)), title_(dialog.caption) {
    for (const ControlTemplate& t : template_.controls) {
        std::unique_ptr<IControl> control = MakeControl(t.kind, platform_.clipboard);
        if (auto* pane = dynamic_cast<HeadlessRichEdit*>(control.get())) {
            // Text changes reach the window as the platform's change notification.
            pane->onChange = [this, id = t.id] {
                if (!destroyed)
                    events_.OnCommand(id, kEditChange);
            };
        }
        control->SetText(t.text);
        control->Enable((t.flags & kFlagDisabled) == 0);
        if (auto* hooks = dynamic_cast<FocusHooks*>(control.get()); hooks && t.id > 0) {
            hooks->focused = [this, id = t.id] { focused_ = id; };
            // The real dialog manager would leave the focus on a disabled control, where no key
            // reaches anything: the platform passes it on first.
            hooks->beforeDisabled = [this, id = t.id] {
                if (focused_ == id)
                    FocusNextAfter(id);
            };
        }
        if (t.id >= 0)
            controls_[t.id] = std::move(control);
    }
    if (!mainEvents_)
        return;
    platform_.clipboard.RegisterWindow(
        handle_, HeadlessClipboard::Viewer{[this](const ClipboardNotice& notice) {
                                               if (!destroyed)
                                                   mainEvents_->OnDrawClipboard(notice);
                                           },
                                           [this](WindowRef removed, WindowRef after) {
                                               if (!destroyed)
                                                   mainEvents_->OnChangeCbChain(removed, after);
                                           }});
}

HeadlessDialog::~HeadlessDialog() {
    if (mainEvents_)
        platform_.clipboard.UnregisterWindow(handle_);
}

IControl& HeadlessDialog::Control(int id) {
    auto it = controls_.find(id);
    if (it == controls_.end())
        throw ControlError("no control " + std::to_string(id) + " in dialog " +
                           std::to_string(template_.id));
    return *it->second;
}

void HeadlessDialog::Click(int id) {
    const ControlTemplate* row = template_.Find(id);
    if (!row)
        throw ControlError("no control " + std::to_string(id) + " to click");
    if (!Control(id).IsEnabled() || !inputEnabled)
        return; // a disabled control, or one in a window a modal one blocks, takes no clicks
    if (TakesFocus(row->kind))
        focused_ = id;
    if (row->kind == ControlKind::CheckBox) {
        Btn(id).SetChecked(!Btn(id).IsChecked());
    } else if (row->kind == ControlKind::Radio) {
        // The other buttons of the group go out, as the platform's automatic radio buttons do.
        const auto self = std::find_if(template_.controls.begin(), template_.controls.end(),
                                       [id](const ControlTemplate& c) { return c.id == id; });
        auto first = self;
        while (first != template_.controls.begin() && !(first->flags & kFlagGroup))
            --first;
        for (auto it = first; it != template_.controls.end(); ++it) {
            if (it != first && (it->flags & kFlagGroup))
                break;
            if (it->kind == ControlKind::Radio)
                Btn(it->id).SetChecked(it->id == id);
        }
    }
    if (row->kind == ControlKind::Link) {
        events_.OnCommand(id, kLinkClicked);
        return;
    }
    constexpr int kCancelId = 2; // the platform's Cancel button is the Cancel command
    if (id == kCancelId) {
        events_.OnCancel();
        return;
    }
    events_.OnCommand(id, kButtonClicked);
    // As the real dialog procedure records its answer in the dialog after the handler.
    ++commandsHandled;
}

void HeadlessDialog::FocusNextAfter(int id) {
    const auto& rows = template_.controls;
    const auto self = std::find_if(rows.begin(), rows.end(),
                                   [id](const ControlTemplate& c) { return c.id == id; });
    if (self == rows.end())
        return;
    const std::size_t from = std::size_t(self - rows.begin());
    for (std::size_t step = 1; step < rows.size(); ++step) {
        const ControlTemplate& row = rows[(from + step) % rows.size()];
        if (row.id > 0 && TakesFocus(row.kind) && Control(row.id).IsEnabled()) {
            focused_ = row.id;
            return;
        }
    }
}

bool HeadlessDialog::ChooseMenuEntry(unsigned command) {
    const MenuEntry* entry = menu.Find(command);
    if (!entry || entry->greyed || !mainEvents_)
        return false;
    mainEvents_->OnSysCommand(command);
    return true;
}

void HeadlessDialog::PressClose() {
    events_.OnClose();
}

void HeadlessDialog::PressEscape() {
    events_.OnCancel();
}

void HeadlessDialog::PressEnter() {
    int id = 0;
    if (mainEvents_) {
        id = mainEvents_->OnGetDefaultButton();
    } else {
        for (const ControlTemplate& row : template_.controls)
            if (row.kind == ControlKind::DefButton)
                id = row.id;
    }
    if (id > 0)
        Click(id);
}

void HeadlessDialog::ClickColumnHeader(int id, int column) {
    Get<HeadlessListView>(id);
    events_.OnNotify(NotifyEvent{id, NotifyKind::ColumnClick, -1, column});
}

void HeadlessDialog::ClickRow(int id, int row) {
    HeadlessListView& list = Get<HeadlessListView>(id);
    if (row < 0 || row >= list.GetRowCount() || list.GetSelectedRow() == row)
        return;
    list.SelectRow(row);
    events_.OnNotify(NotifyEvent{id, NotifyKind::SelectionChanged, row, -1});
}

void HeadlessDialog::DoubleClickRow(int id, int row) {
    ClickRow(id, row);
    events_.OnNotify(NotifyEvent{id, NotifyKind::DoubleClick, row, 0});
}

void HeadlessDialog::PickEntry(int id, int index) {
    Combo(id).SetCurSel(index);
    events_.OnCommand(id, kComboSelChange);
}

void HeadlessDialog::Type(int id, const std::string& text) {
    // A user cannot type past an edit's limit.
    const auto* edit = dynamic_cast<const HeadlessEdit*>(&Control(id));
    Control(id).SetText(edit && edit->limit >= 0 ? text.substr(0, std::size_t(edit->limit)) : text);
    const ControlTemplate* row = template_.Find(id);
    events_.OnCommand(id, row && row->kind == ControlKind::Combo ? kComboEditChange : kEditChange);
}

bool HeadlessDialog::SetTimer(unsigned timerId, unsigned milliseconds) {
    timers[timerId] = milliseconds;
    return true;
}

bool HeadlessDialog::FireTimer(unsigned timerId) {
    if (!timers.count(timerId))
        return false;
    events_.OnTimer(timerId);
    return true;
}

std::unique_ptr<IRichEdit> HeadlessDialog::CreateHiddenRichEdit() {
    if (hiddenRichEditFails)
        return nullptr;
    return std::make_unique<HeadlessRichEdit>(platform_.clipboard);
}

bool HeadlessDialog::CopyPlainText(const std::string& text, long start, long end) {
    if (start == end) {
        start = 0;
        end = long(text.size());
    }
    // Like the edit control that copies on Windows: an empty selection copies nothing.
    if (end <= start)
        return true;
    if (!platform_.clipboard.Open(handle_))
        return false;
    platform_.clipboard.Empty();
    platform_.clipboard.SetText(
        text.substr(std::size_t(start), std::size_t(std::max(0L, end - start))), std::string());
    platform_.clipboard.Close();
    return true;
}

MsgResult HeadlessDialog::MessageBox(const std::string& text, const std::string& caption,
                                     MsgButtons buttons, MsgIcon icon) {
    const HeadlessPlatform::OthersBlocked others(platform_, handle_);
    return platform_.messages.Show(text, caption, buttons, icon);
}

void HeadlessDialog::EndDialog(int result) {
    ended = true;
    endResult = result;
}

void HeadlessDialog::PostQuit(int exitCode) {
    platform_.quitCode = exitCode;
    platform_.quitRequested = true;
}

bool HeadlessDialog::GetPlacement(Placement& out) const {
    out = placement;
    out.showCmd = minimized ? kShowMinimized : kShowNormal;
    return true;
}

bool HeadlessDialog::SetPlacement(const Placement& p) {
    const bool first = lastShowCmd == 0 && p.showCmd != 0;
    placement = p;
    if (first && platform_.onFirstShow)
        platform_.onFirstShow(*this);
    minimized = p.showCmd == kShowMinimize || p.showCmd == kShowMinimized;
    lastShowCmd = p.showCmd;
    return true;
}

void HeadlessDialog::Show(int showCmd) {
    if (lastShowCmd == 0 && showCmd != 0 && platform_.onFirstShow)
        platform_.onFirstShow(*this);
    lastShowCmd = showCmd;
    minimized = showCmd == kShowMinimize || showCmd == kShowMinimized;
}

} // namespace qv::platform::headless
