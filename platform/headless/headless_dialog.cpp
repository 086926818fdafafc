#include "headless_dialog.h"
#include "headless_platform.h"
#include "resource.h"
#include <algorithm>
#include <stdexcept>

namespace qv::platform::headless {

namespace {

constexpr ControlKind QVK_LABEL = ControlKind::Label;
constexpr ControlKind QVK_RICHEDIT = ControlKind::RichEdit;
constexpr ControlKind QVK_BUTTON = ControlKind::Button;
constexpr ControlKind QVK_CHECKBOX = ControlKind::CheckBox;
constexpr ControlKind QVK_LISTBOX = ControlKind::ListBox;
constexpr ControlKind QVK_COMBO = ControlKind::Combo;
constexpr unsigned QVF_NONE = 0;
constexpr unsigned QVF_DISABLED = kFlagDisabled;
constexpr unsigned QVF_RIGHT = kFlagRight;
constexpr unsigned QVF_CENTER = kFlagCenter;
constexpr unsigned QVF_SUNKEN = kFlagSunken;

#define QV_CONTROL(kind, id, text, x, y, w, h, flags) {QVK_##kind, id, text, x, y, w, h, flags},
const std::vector<ControlTemplate> kMainDialog = {
#include "main_dialog.def"
};
#undef QV_CONTROL

} // namespace

const std::vector<ControlTemplate>& DialogTemplate(int templateId) {
    switch (templateId) {
    case IDD_MAIN:
        return kMainDialog;
    default:
        throw std::invalid_argument("no such dialog template");
    }
}

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
    shown.push_back(RecordedMessage{text, caption, buttons, icon});
    if (!answers.empty()) {
        const MsgResult r = answers.front();
        answers.pop_front();
        return r;
    }
    return buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::Ok;
}

HeadlessDialog::HeadlessDialog(HeadlessPlatform& platform, int templateId, WindowRef handle)
    : platform_(platform), handle_(handle), template_(&DialogTemplate(templateId)) {
    for (const ControlTemplate& t : *template_) {
        std::unique_ptr<IControl> control;
        switch (t.kind) {
        case ControlKind::Label:
            control = std::make_unique<HeadlessLabel>();
            break;
        case ControlKind::RichEdit: {
            auto pane = std::make_unique<HeadlessRichEdit>(platform_.clipboard);
            // Text changes reach the window as the platform's change notification.
            pane->onChange = [this, id = t.id] {
                if (events)
                    events->OnCommand(id, kEditChange);
            };
            control = std::move(pane);
            break;
        }
        case ControlKind::Button:
        case ControlKind::CheckBox:
            control = std::make_unique<HeadlessButton>();
            break;
        case ControlKind::ListBox:
            control = std::make_unique<HeadlessListBox>();
            break;
        case ControlKind::Combo:
            control = std::make_unique<HeadlessComboBox>();
            break;
        }
        control->SetText(t.text);
        control->Enable((t.flags & kFlagDisabled) == 0);
        if (t.id >= 0)
            controls_[t.id] = std::move(control);
    }
    platform_.clipboard.RegisterWindow(
        handle_, HeadlessClipboard::Viewer{[this] {
                                               if (events)
                                                   events->OnDrawClipboard();
                                           },
                                           [this](WindowRef removed, WindowRef after) {
                                               if (events)
                                                   events->OnChangeCbChain(removed, after);
                                           }});
}

HeadlessDialog::~HeadlessDialog() {
    platform_.clipboard.UnregisterWindow(handle_);
}

IControl& HeadlessDialog::Control(int id) {
    auto it = controls_.find(id);
    if (it == controls_.end())
        throw std::invalid_argument("no control " + std::to_string(id));
    return *it->second;
}

IButton& HeadlessDialog::Button(int id) {
    return dynamic_cast<IButton&>(Control(id));
}
ILabel& HeadlessDialog::Label(int id) {
    return Control(id);
}
IListBox& HeadlessDialog::ListBox(int id) {
    return dynamic_cast<IListBox&>(Control(id));
}
IComboBox& HeadlessDialog::ComboBox(int id) {
    return dynamic_cast<IComboBox&>(Control(id));
}
IRichEdit& HeadlessDialog::RichEdit(int id) {
    return dynamic_cast<IRichEdit&>(Control(id));
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
    placement = p;
    minimized = p.showCmd == kShowMinimize || p.showCmd == kShowMinimized;
    lastShowCmd = p.showCmd;
    return true;
}

void HeadlessDialog::Show(int showCmd) {
    lastShowCmd = showCmd;
    minimized = showCmd == kShowMinimize || showCmd == kShowMinimized;
}

} // namespace qv::platform::headless
