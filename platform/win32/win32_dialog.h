// A dialog window made from its resource template and its row of the program's dialog table.
// One registered dialog procedure finds the object and turns the platform's messages into
// typed events.
#pragma once
#include "platform/window.h"
#include "win32_controls.h"
#include "win32_rich_edit.h"
#include "win32_system_menu.h"
#include <map>
#include <memory>
#include <set>
#include <vector>

namespace qv::platform::win32 {

class ModalLoop;
class LinkView;

class Win32Dialog : public IDialogWindow {
  public:
    // Creates the dialog (owned by owner, which may be null) and runs its initialisation; the
    // window stays hidden unless the initialisation shows it. Null when it cannot be created.
    static std::unique_ptr<Win32Dialog> Create(HINSTANCE instance, const DialogTemplate& dialog,
                                               HWND owner, IDialogEvents& events, ModalLoop& loop);
    // Destroys the window if it still exists; the events then receive OnDestroy.
    ~Win32Dialog() override;
    Win32Dialog(const Win32Dialog&) = delete;
    Win32Dialog& operator=(const Win32Dialog&) = delete;

    HWND Window() const { return window_; }
    const DialogTemplate& Template() const { return template_; }
    // The accelerator table of the dialog's header row, loaded once; null when it has none.
    HACCEL Accelerators() const { return accelerators_; }
    bool Ended() const { return ended_; }
    int Result() const { return result_; }

    WindowRef Handle() const override { return reinterpret_cast<WindowRef>(window_); }
    void SetTitle(const std::string& title) override;
    std::string GetTitle() const override;
    // Throws ControlError for an id without a row in the dialog's table.
    IControl& Control(int id) override;
    std::unique_ptr<IRichEdit> CreateHiddenRichEdit() override; // null when it cannot be made
    bool CopyPlainText(const std::string& text, long start, long end) override;
    ISystemMenu* SystemMenu() override;
    void SetIcon() override;
    MsgResult MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                         MsgIcon icon) override;
    // Ends the modal loop that runs this dialog; the loop then destroys the window.
    void EndDialog(int result) override;
    void PostQuit(int exitCode) override;
    bool GetPlacement(Placement& placement) const override;
    bool SetPlacement(const Placement& placement) override;
    void CenterOnScreen() override;
    void Show(int showCmd) override;
    bool IsMinimized() const override;
    void SetTopmost() override;
    void Activate() override;
    bool GetScreenMetrics(ScreenMetrics& metrics) const override;
    bool SetTimer(unsigned timerId, unsigned milliseconds) override;
    void KillTimer(unsigned timerId) override;
    void SetModified(bool modified) override;
    void CancelToClose() override;

    // What a running property sheet learns from its pages: the page shown, whether any page
    // window was made, and whether Cancel, Esc or the close box ended it.
    struct SheetProgress {
        int activePage = 0;
        bool pageMade = false;
        bool cancelled = false;
    };
    // A page of a property sheet: made before the sheet, its window made by the sheet with
    // PageProcedure, whose PROPSHEETPAGE carries the object's address in its lParam.
    Win32Dialog(HINSTANCE instance, const DialogTemplate& dialog, IPageEvents& events,
                ModalLoop& loop, SheetProgress& sheet, int pageIndex);
    static INT_PTR CALLBACK PageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    Win32Dialog(HINSTANCE instance, const DialogTemplate& dialog, IDialogEvents& events,
                ModalLoop& loop);
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMainWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    INT_PTR Answer(LRESULT result);
    INT_PTR OnInitDialog();
    void MakeViews();
    INT_PTR OnCommand(int id, int notifyCode);
    INT_PTR OnNotify(NMHDR& header);
    INT_PTR OnPageApply();
    INT_PTR OnControlColour(HDC dc, HWND control);
    INT_PTR OnSize(WPARAM kind);
    INT_PTR OnPaint();
    INT_PTR OnDpiChanged(const RECT& suggested);
    void AfterDpiChange();

    const DialogTemplate& template_;
    IDialogEvents& events_;
    IMainWindowEvents* mainEvents_;
    IPageEvents* pageEvents_;
    ModalLoop& loop_;
    SheetProgress* sheet_ = nullptr; // pages only
    int pageIndex_ = -1;
    HWND window_ = nullptr;
    HACCEL accelerators_ = nullptr;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    bool ended_ = false;
    int result_ = 0;
    SystemMenuView menu_;
    std::map<int, std::unique_ptr<IControl>> controls_;
    std::vector<std::unique_ptr<IControl>> unaddressed_;
    std::map<HWND, LinkView*> links_;
    std::set<HWND> readOnlyEdits_;
};

} // namespace qv::platform::win32
