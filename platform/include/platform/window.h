// The dialog window as the program's logic sees it, and the events it receives.
#pragma once
#include "platform/controls.h"
#include "platform/types.h"
#include <memory>
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
};

enum class SizeKind { Restored, Minimized, Other };

// Handlers a dialog's logic provides; the back end calls them on the window thread.
class IDialogEvents {
  public:
    virtual ~IDialogEvents() = default;
    virtual bool OnInitDialog(IDialogWindow& window) = 0;
    virtual void OnCommand(int id, int notifyCode) = 0;
    // False lets the platform's default handling run.
    virtual bool OnSysCommand(unsigned command) = 0;
    virtual void OnClose() = 0;
    virtual void OnDestroy() = 0;
    virtual void OnDrawClipboard() {}
    virtual void OnChangeCbChain(WindowRef /*removed*/, WindowRef /*after*/) {}
    virtual void OnActivate(bool /*active*/) {}
    virtual void OnSize(SizeKind /*kind*/) {}
    virtual bool OnQueryEndSession() { return true; }
    virtual void OnEndSession(bool /*ending*/) {}
    virtual void OnFontChange() {}
    // The dialog's default button; the program answers with its own id.
    virtual int OnGetDefaultButton() { return 0; }
};

// Notification codes passed with OnCommand (the platform's values).
enum NotifyCode : int {
    kButtonClicked = 0,
    kListSelChange = 1,
    kListDoubleClick = 2,
    kComboSelChange = 1,
    kComboEditChange = 5,
    kComboDropDown = 7,
    kEditChange = 0x300,
};

class IDialogWindow {
  public:
    virtual ~IDialogWindow() = default;
    virtual WindowRef Handle() const = 0;
    virtual void SetTitle(const std::string& title) = 0;
    virtual std::string GetTitle() const = 0;

    virtual IButton& Button(int id) = 0;
    virtual ILabel& Label(int id) = 0;
    virtual IListBox& ListBox(int id) = 0;
    virtual IComboBox& ComboBox(int id) = 0;
    virtual IRichEdit& RichEdit(int id) = 0;

    // A hidden multi-line rich-text control of the window, destroyed with the returned object.
    virtual std::unique_ptr<IRichEdit> CreateHiddenRichEdit() = 0;
    // Copies text[start, end) (all of it when start == end) to the clipboard as plain text only,
    // through a hidden multi-line plain edit control.
    virtual bool CopyPlainText(const std::string& text, long start, long end) = 0;

    virtual ISystemMenu* SystemMenu() = 0; // none when the platform gives no menu
    virtual void SetIcon() = 0;

    virtual MsgResult MessageBox(const std::string& text, const std::string& caption,
                                 MsgButtons buttons, MsgIcon icon) = 0;

    virtual void EndDialog(int result) = 0;
    virtual void PostQuit(int exitCode) = 0;

    virtual bool GetPlacement(Placement& placement) const = 0;
    virtual bool SetPlacement(const Placement& placement) = 0;
    virtual void CenterOnScreen() = 0;
    virtual void Show(int showCmd) = 0;
    virtual bool IsMinimized() const = 0;
    // Size of the primary screen and of an icon, in pixels; false when unknown.
    virtual bool GetScreenMetrics(ScreenMetrics& /*metrics*/) const { return false; }
};

} // namespace qv::platform
