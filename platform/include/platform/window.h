// A dialog window as the program's logic sees it, and the events it receives.
#pragma once
#include "platform/controls.h"
#include "platform/dialog_template.h"
#include "platform/types.h"
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace qv::platform {

enum class MenuState { Enabled, Checked, Greyed };

// The window's system menu, by command or by position.
class ISystemMenu {
  public:
    virtual ~ISystemMenu() = default;
    virtual void EnableByPosition(int position, bool enable) = 0;
    virtual void RemoveByPosition(int position) = 0;
    virtual void AppendSeparator() = 0;
    virtual void AppendItem(unsigned command, const std::string& text, MenuState state) = 0;
    virtual void Enable(unsigned command, bool enable) = 0;
    virtual void Check(unsigned command, bool check) = 0;
    virtual void SetItemText(unsigned command, const std::string& text) = 0;
};

class IDialogWindow;

struct ScreenMetrics {
    int screenWidth = 0, screenHeight = 0, iconWidth = 0, iconHeight = 0;
    int scrollThumbWidth = 0; // of a horizontal scroll bar
};

enum class SizeKind { Restored, Minimized, Other };

// Notification codes passed with OnCommand (the platform's values).
enum NotifyCode : int {
    kButtonClicked = 0,
    kLinkClicked = 0,
    kListSelChange = 1,
    kListDoubleClick = 2,
    kComboSelChange = 1,
    kComboEditChange = 5,
    kComboDropDown = 7,
    kEditChange = 0x300,
};

// What a control reported through the platform's notification message, decoded once.
enum class NotifyKind { ColumnClick, DoubleClick, SelectionChanged, Other };
struct NotifyEvent {
    int controlId = 0;
    NotifyKind kind = NotifyKind::Other;
    int item = -1;   // the row, where the notification names one
    int column = -1; // the column, where it names one
};

// Handlers that every dialog's logic provides; the back end calls them on the window thread.
class IDialogEvents {
  public:
    virtual ~IDialogEvents() = default;
    // False when the handler placed the focus itself.
    virtual bool OnInitDialog(IDialogWindow& window) = 0;
    virtual void OnCommand(int id, int notifyCode) = 0;
    virtual void OnNotify(const NotifyEvent& /*event*/) {}
    // A message posted to the window with PostToWindow, possibly from another thread.
    virtual void OnPosted(unsigned /*message*/, std::uintptr_t /*wParam*/,
                          std::intptr_t /*lParam*/) {}
    virtual void OnTimer(unsigned /*timerId*/) {}
    // The close box, the system menu's Close and Alt+F4.
    virtual void OnClose() = 0;
    // Esc, or a push button of the Cancel id (2). Most dialogs take it as the close box.
    virtual void OnCancel() { OnClose(); }
    virtual void OnDestroy() = 0;
};

// The main window alone also takes part in the clipboard viewer chain and the session.
class IMainWindowEvents : public IDialogEvents {
  public:
    // False lets the platform's default handling run.
    virtual bool OnSysCommand(unsigned command) = 0;
    virtual void OnDrawClipboard(const ClipboardNotice& notice) = 0;
    virtual void OnChangeCbChain(WindowRef removed, WindowRef after) = 0;
    virtual void OnActivate(bool active) = 0;
    virtual void OnSize(SizeKind kind) = 0;
    virtual bool OnQueryEndSession() = 0;
    virtual void OnEndSession(bool ending) = 0;
    virtual void OnFontChange() = 0;
    // The dialog's default button; the program answers with its own id.
    virtual int OnGetDefaultButton() = 0;
};

// A page of a property sheet.
class IPageEvents : public IDialogEvents {
  public:
    // The page became the shown one.
    virtual void OnSetActive() {}
    // Apply or OK: the page takes its values; false keeps the sheet open on this page.
    virtual bool OnApply() = 0;
};

// Asked for a control that the dialog does not have, or as a kind that it is not. Both back
// ends fail the same way.
class ControlError : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

class IDialogWindow {
  public:
    virtual ~IDialogWindow() = default;
    virtual WindowRef Handle() const = 0;
    virtual void SetTitle(const std::string& title) = 0;
    virtual std::string GetTitle() const = 0;

    // The one checked accessor: the control of the id, as the view its row's kind gives.
    virtual IControl& Control(int id) = 0;
    template <class View> View& Get(int id) {
        auto* view = dynamic_cast<View*>(&Control(id));
        if (!view)
            throw ControlError("control " + std::to_string(id) + " is of another kind");
        return *view;
    }
    IButton& Button(int id) { return Get<IButton>(id); }
    ILabel& Label(int id) { return Control(id); }
    IListBox& ListBox(int id) { return Get<IListBox>(id); }
    IComboBox& ComboBox(int id) { return Get<IComboBox>(id); }
    IRichEdit& RichEdit(int id) { return Get<IRichEdit>(id); }
    IEdit& Edit(int id) { return Get<IEdit>(id); }
    ILink& Link(int id) { return Get<ILink>(id); }
    ITrackBar& TrackBar(int id) { return Get<ITrackBar>(id); }
    IListView& ListView(int id) { return Get<IListView>(id); }

    // A hidden multi-line rich-text control of the window, destroyed with the returned object.
    virtual std::unique_ptr<IRichEdit> CreateHiddenRichEdit() = 0;
    // Copies text[start, end) (all of it when start == end) to the clipboard as plain text only,
    // through a hidden multi-line plain edit control.
    virtual bool CopyPlainText(const std::string& text, long start, long end) = 0;

    virtual ISystemMenu* SystemMenu() = 0; // none when the platform gives no menu
    // Shows the icon of the dialog's header row in the caption and the taskbar.
    virtual void SetIcon() = 0;

    virtual MsgResult MessageBox(const std::string& text, const std::string& caption,
                                 MsgButtons buttons, MsgIcon icon) = 0;

    // Ends a modal run with the result; a modeless window is destroyed by its owner instead.
    virtual void EndDialog(int result) = 0;
    virtual void PostQuit(int exitCode) = 0;

    virtual bool GetPlacement(Placement& placement) const = 0;
    virtual bool SetPlacement(const Placement& placement) = 0;
    virtual void CenterOnScreen() = 0;
    virtual void Show(int showCmd) = 0;
    virtual bool IsMinimized() const = 0;
    // Keeps the window above every window that is not topmost, without moving it.
    virtual void SetTopmost() = 0;
    // Makes the window the active one, with the keyboard focus in it.
    virtual void Activate() = 0;
    // Size of the primary screen and of an icon, in pixels; false when unknown.
    virtual bool GetScreenMetrics(ScreenMetrics& metrics) const = 0;

    // A timer of the window; OnTimer receives its id until it is killed.
    virtual bool SetTimer(unsigned timerId, unsigned milliseconds) = 0;
    virtual void KillTimer(unsigned timerId) = 0;

    // Pages of a property sheet only: marks the page changed (Apply becomes available) and
    // turns the sheet's Cancel into Close. Other windows ignore both.
    virtual void SetModified(bool modified) = 0;
    virtual void CancelToClose() = 0;
};

// A modeless dialog, destroyed with this object.
class IModelessWindow {
  public:
    virtual ~IModelessWindow() = default;
    virtual IDialogWindow& Window() = 0;
};

} // namespace qv::platform
