// A dialog of the headless back end: controls built from the same resource tables as the real
// template, a system menu in memory, recorded message boxes with scripted answers.
#pragma once
#include "headless_controls.h"
#include "platform/window.h"
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace qv::platform::headless {

class HeadlessPlatform;

enum class ControlKind { Label, RichEdit, Button, CheckBox, ListBox, Combo };

// One row of a dialog template as the resource tables give it.
struct ControlTemplate {
    ControlKind kind;
    int id;
    const char* text;
    int x, y, width, height;
    unsigned flags;
};
enum ControlFlags : unsigned {
    kFlagDisabled = 1,
    kFlagRight = 2,
    kFlagCenter = 4,
    kFlagSunken = 8
};

const std::vector<ControlTemplate>& DialogTemplate(int templateId);

struct MenuEntry {
    unsigned command = 0; // 0 for a separator or a platform entry
    std::string text;
    bool separator = false;
    bool greyed = false;
    bool checked = false;
};

class HeadlessSystemMenu : public ISystemMenu {
  public:
    HeadlessSystemMenu();
    void EnableByPosition(int position, bool enable) override;
    void RemoveByPosition(int position) override;
    void AppendSeparator() override;
    void AppendItem(unsigned command, const std::string& text, MenuState state) override;
    void Enable(unsigned command, bool enable) override;
    void Check(unsigned command, bool check) override;
    void SetItemText(unsigned command, const std::string& text) override;
    const MenuEntry* Find(unsigned command) const;
    std::vector<MenuEntry> entries;
};

struct RecordedMessage {
    std::string text;
    std::string caption;
    MsgButtons buttons;
    MsgIcon icon;
};

// Scripted answers for message boxes; every box shown is recorded.
class MessageBoxScript {
  public:
    MsgResult Show(const std::string& text, const std::string& caption, MsgButtons buttons,
                   MsgIcon icon);
    void Answer(MsgResult result) { answers.push_back(result); }
    std::deque<MsgResult> answers;
    std::vector<RecordedMessage> shown;
};

class HeadlessDialog : public IDialogWindow {
  public:
    HeadlessDialog(HeadlessPlatform& platform, int templateId, WindowRef handle);
    ~HeadlessDialog() override;

    WindowRef Handle() const override { return handle_; }
    void SetTitle(const std::string& title) override { title_ = title; }
    std::string GetTitle() const override { return title_; }
    IButton& Button(int id) override;
    ILabel& Label(int id) override;
    IListBox& ListBox(int id) override;
    IComboBox& ComboBox(int id) override;
    IRichEdit& RichEdit(int id) override;
    std::unique_ptr<IRichEdit> CreateHiddenRichEdit() override;
    bool CopyPlainText(const std::string& text, long start, long end) override;
    ISystemMenu* SystemMenu() override { return hasSystemMenu ? &menu : nullptr; }
    void SetIcon() override { iconSet = true; }
    MsgResult MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                         MsgIcon icon) override;
    void EndDialog(int result) override;
    void PostQuit(int exitCode) override;
    bool GetPlacement(Placement& placement) const override;
    bool SetPlacement(const Placement& placement) override;
    void CenterOnScreen() override { centred = true; }
    void Show(int showCmd) override;
    bool IsMinimized() const override { return minimized; }
    bool GetScreenMetrics(ScreenMetrics& metrics) const override {
        metrics = screen;
        return true;
    }

    HeadlessListBox& List(int id) { return static_cast<HeadlessListBox&>(ListBox(id)); }
    HeadlessRichEdit& Pane(int id) { return static_cast<HeadlessRichEdit&>(RichEdit(id)); }
    HeadlessComboBox& Combo(int id) { return static_cast<HeadlessComboBox&>(ComboBox(id)); }
    HeadlessButton& Btn(int id) { return static_cast<HeadlessButton&>(Button(id)); }
    const std::vector<ControlTemplate>& Template() const { return *template_; }

    // Dispatches events as the real window would.
    IDialogEvents* events = nullptr;

    HeadlessSystemMenu menu;
    bool hasSystemMenu = true;
    // The platform cannot make the hidden rich-text control.
    bool hiddenRichEditFails = false;
    bool iconSet = false;
    bool centred = false;
    bool minimized = false;
    bool ended = false;
    int endResult = 0;
    int lastShowCmd = 0;
    Placement placement;
    ScreenMetrics screen{1280, 1024, 32, 32};

  private:
    IControl& Control(int id);
    HeadlessPlatform& platform_;
    WindowRef handle_;
    std::string title_;
    const std::vector<ControlTemplate>* template_;
    std::map<int, std::unique_ptr<IControl>> controls_;
};

} // namespace qv::platform::headless
