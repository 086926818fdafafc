// A dialog of the headless back end: controls built from the same resource tables as the real
// template, a system menu in memory, recorded message boxes with scripted answers.
#pragma once
#include "headless_controls.h"
#include "platform/dialog_template.h"
#include "platform/window.h"
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace qv::platform::headless {

class HeadlessPlatform;

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

// Scripted answers for message boxes; every box shown is recorded. Boxes may be shown from any
// thread; a test reads the records once the threads that show boxes are done or held.
class MessageBoxScript {
  public:
    MsgResult Show(const std::string& text, const std::string& caption, MsgButtons buttons,
                   MsgIcon icon);
    void Answer(MsgResult result) { answers.push_back(result); }
    std::deque<MsgResult> answers;
    std::vector<RecordedMessage> shown;
    // Runs on the showing thread while the box is on screen, after it was recorded: a test can
    // keep it open there as a user who has not answered yet.
    std::function<void(const RecordedMessage&)> whileShown;

  private:
    std::mutex lock_;
};

class HeadlessDialog : public IDialogWindow {
  public:
    // Builds the controls of the dialog's rows; a main window's events make it a clipboard
    // viewer candidate. Call Init to run the dialog's initialisation.
    HeadlessDialog(HeadlessPlatform& platform, const DialogTemplate& dialog, WindowRef handle,
                   IDialogEvents& events, WindowRef owner);
    ~HeadlessDialog() override;
    HeadlessDialog(const HeadlessDialog&) = delete;
    HeadlessDialog& operator=(const HeadlessDialog&) = delete;

    WindowRef Handle() const override { return handle_; }
    void SetTitle(const std::string& title) override { title_ = title; }
    std::string GetTitle() const override { return title_; }
    // Throws ControlError for an id without a row in the dialog's table.
    IControl& Control(int id) override;
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
    void SetTopmost() override { topmost = true; }
    void Activate() override { ++activations; }
    bool GetScreenMetrics(ScreenMetrics& metrics) const override {
        metrics = screen;
        return true;
    }
    bool SetTimer(unsigned timerId, unsigned milliseconds) override;
    void KillTimer(unsigned timerId) override { timers.erase(timerId); }
    void SetModified(bool on) override { modified = on; }
    void CancelToClose() override { cancelIsClose = true; }

    // The control with the keyboard focus; 0 when none has it.
    int Focused() const { return focused_; }

    // What a user does, delivered as the real window would deliver it.
    // A click on a button (a check box toggles, a radio button checks) or a link. A button takes
    // the focus with the click, as it does from the mouse or from Space.
    void Click(int id);
    // Chooses an entry of the system menu; false when the entry is greyed or missing.
    bool ChooseMenuEntry(unsigned command);
    // The close box.
    void PressClose();
    // Esc and Enter as the dialog manager takes them (a window's accelerators are not modelled):
    // Esc cancels; Enter clicks the default button, the template's or the main window's answer.
    void PressEscape();
    void PressEnter();
    // A list view: a click on a column's title, a click on a row (which selects it, as the user's
    // click does and with the same notice), a double click on a row.
    void ClickColumnHeader(int id, int column);
    void ClickRow(int id, int row);
    void DoubleClickRow(int id, int row);
    // Picks an entry of a combo box or drop-down list, with the notice of the change.
    void PickEntry(int id, int index);
    // Types text into a combo box's edit field (as one change) or an edit.
    void Type(int id, const std::string& text);
    // Fires a timer that is set; false when none of that id is.
    bool FireTimer(unsigned timerId);

    HeadlessListBox& List(int id) { return Get<HeadlessListBox>(id); }
    HeadlessRichEdit& Pane(int id) { return Get<HeadlessRichEdit>(id); }
    HeadlessComboBox& Combo(int id) { return Get<HeadlessComboBox>(id); }
    HeadlessButton& Btn(int id) { return Get<HeadlessButton>(id); }
    const DialogTemplate& Template() const { return template_; }
    IDialogEvents& Events() const { return events_; }
    WindowRef Owner() const { return owner_; }
    // Null unless the dialog is a main window.
    IMainWindowEvents* MainEvents() const { return mainEvents_; }

    HeadlessSystemMenu menu;
    bool hasSystemMenu = true;
    // The platform cannot make the hidden rich-text control.
    bool hiddenRichEditFails = false;
    bool iconSet = false;
    bool centred = false;
    bool minimized = false;
    bool topmost = false;
    // False while a modal window of another window is open.
    bool inputEnabled = true;
    // Clicks on buttons whose handler has returned.
    int commandsHandled = 0;
    int activations = 0;
    bool ended = false;
    bool destroyed = false;
    int endResult = 0;
    int lastShowCmd = 0;
    bool modified = false;
    bool cancelIsClose = false;
    std::map<unsigned, unsigned> timers; // id -> milliseconds
    Placement placement;
    ScreenMetrics screen{1280, 1024, 32, 32, 16};

  private:
    // Gives the focus to the next row after id, in tab order and round to the start, that takes
    // it and is enabled, as the Tab key would; the focus stays where no other row takes it.
    void FocusNextAfter(int id);

    HeadlessPlatform& platform_;
    const DialogTemplate& template_;
    WindowRef handle_;
    WindowRef owner_;
    IDialogEvents& events_;
    IMainWindowEvents* mainEvents_;
    std::string title_;
    std::map<int, std::unique_ptr<IControl>> controls_;
    int focused_ = 0;
};

} // namespace qv::platform::headless
