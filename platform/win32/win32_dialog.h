// A dialog window made from a resource template. One registered dialog procedure finds the
// object and turns the platform's messages into IDialogEvents calls.
#pragma once
#include "platform/window.h"
#include "win32_controls.h"
#include "win32_rich_edit.h"
#include "win32_system_menu.h"
#include <map>
#include <memory>

namespace qv::platform::win32 {

class ModalLoop;

class Win32Dialog : public IDialogWindow {
  public:
    // Creates the dialog (owned by owner, which may be null) and runs its initialisation; the
    // window stays hidden unless the initialisation shows it. Null when it cannot be created.
    static std::unique_ptr<Win32Dialog> Create(HINSTANCE instance, int templateId, HWND owner,
                                               IDialogEvents& events, ModalLoop& loop);
    // Destroys the window if it still exists; the events then receive OnDestroy.
    ~Win32Dialog() override;
    Win32Dialog(const Win32Dialog&) = delete;
    Win32Dialog& operator=(const Win32Dialog&) = delete;

    HWND Window() const { return window_; }
    bool Ended() const { return ended_; }
    int Result() const { return result_; }

    WindowRef Handle() const override { return reinterpret_cast<WindowRef>(window_); }
    void SetTitle(const std::string& title) override;
    std::string GetTitle() const override;
    IButton& Button(int id) override;
    ILabel& Label(int id) override;
    IListBox& ListBox(int id) override;
    IComboBox& ComboBox(int id) override;
    IRichEdit& RichEdit(int id) override;
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

  private:
    Win32Dialog(HINSTANCE instance, IDialogEvents& events, ModalLoop& loop);
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Answer(LRESULT result);
    INT_PTR OnInitDialog();
    INT_PTR OnCommand(int id, int notifyCode);
    INT_PTR OnSize(WPARAM kind);
    INT_PTR OnPaint();
    template <class View> View& ViewOf(std::map<int, std::unique_ptr<View>>& views, int id);

    IDialogEvents& events_;
    ModalLoop& loop_;
    HWND window_ = nullptr;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    bool ended_ = false;
    int result_ = 0;
    SystemMenuView menu_;
    std::map<int, std::unique_ptr<ButtonView>> buttons_;
    std::map<int, std::unique_ptr<LabelView>> labels_;
    std::map<int, std::unique_ptr<ListBoxView>> lists_;
    std::map<int, std::unique_ptr<ComboBoxView>> combos_;
    std::map<int, std::unique_ptr<RichEditView>> richEdits_;
};

} // namespace qv::platform::win32
