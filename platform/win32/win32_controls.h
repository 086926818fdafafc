// Non-owning views of a dialog's child controls: a window handle and the messages that the
// control understands.
#pragma once
#include "platform/controls.h"
#include "win32_text.h"
#include <memory>

namespace qv::platform::win32 {

// Stops or resumes a control's drawing; resuming repaints it at once.
void SetControlRedraw(HWND control, bool on);
// Width of text in the control's font in device pixels; false without a drawing context.
bool MeasureInControlFont(HWND control, const std::string& text, int& width);
// Width of the control's client area in pixels.
int ClientWidth(HWND control);
// When the control (or a window inside it) has the keyboard focus, hands it to the dialog's next
// tab stop, as the Tab key would.
void PassFocusOn(HWND control);

template <class Interface> class ControlView : public Interface {
  public:
    explicit ControlView(HWND window) : window_(window) {}
    void Enable(bool on) override {
        // A disabled control keeps a focus it had, and then no key reaches anything.
        if (!on)
            PassFocusOn(window_);
        EnableWindow(window_, on ? TRUE : FALSE);
    }
    bool IsEnabled() const override { return IsWindowEnabled(window_) != FALSE; }
    void SetText(const std::string& text) override { SetWindowTextA(window_, text.c_str()); }
    std::string GetText() const override { return WindowText(window_); }
    void SetFocus() override { ::SetFocus(window_); }
    void SetVisible(bool visible) override { ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE); }
    void SetRedraw(bool on) override { SetControlRedraw(window_, on); }
    HWND Window() const { return window_; }

  protected:
    void Rebind(HWND window) { window_ = window; }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(window_, message, wParam, lParam);
    }

  private:
    HWND window_;
};

using LabelView = ControlView<IControl>;

class ButtonView : public ControlView<IButton> {
  public:
    using ControlView::ControlView;
    bool IsChecked() const override;
    void SetChecked(bool on) override;
};

// Results are the list box's own: LB_ERR (-1) and LB_ERRSPACE (-2) match kError and kNoRoom.
class ListBoxView : public ControlView<IListBox> {
  public:
    ListBoxView(HWND control, bool single);
    ~ListBoxView() override;
    void SetRedraw(bool on) override;
    void InitStorage(int lines, std::size_t bytes) override;
    int AddString(const std::string& text) override;
    int InsertString(int index, const std::string& text) override;
    int DeleteString(int index) override;
    void ResetContent() override;
    int GetCount() const override;
    int GetTextLen(int index) const override;
    bool GetLineText(int index, std::string& out) const override;
    bool SetItemData(int index, void* data) override;
    bool GetItemData(int index, void*& data) const override;
    int GetSelCount() const override;
    std::vector<int> GetSelItems() const override;
    bool IsSelected(int index) const override;
    bool SetSel(int index, bool select) override;
    bool SetSelRange(int first, int last, bool select) override;
    int GetCaretIndex() const override;
    bool SetCaretIndex(int index) override;
    int GetTopIndex() const override;
    void SetHorizontalExtent(int width) override;
    int GetHorizontalExtent() const override;
    bool MeasureText(const std::string& text, int& width) const override;

  private:
    struct HeldMeasuring;
    bool single_;
    std::unique_ptr<HeldMeasuring> held_;
};

class EditView : public ControlView<IEdit> {
  public:
    using ControlView::ControlView;
    void SetSel(long start, long end) override;
    void GetSel(long& start, long& end) const override;
    bool Copy() override;
    bool IsReadOnly() const override;
    void SetLimitText(int characters) override;
    bool MeasureText(const std::string& text, int& width) const override;
    int GetClientWidth() const override;
};

class TrackBarView : public ControlView<ITrackBar> {
  public:
    using ControlView::ControlView;
    void SetRange(int minimum, int maximum) override;
    int GetPos() const override;
    void SetPos(int position) override;
    void SetStepSizes(int line, int page) override;
};

class ComboBoxView : public ControlView<IComboBox> {
  public:
    using ControlView::ControlView;
    int AddString(const std::string& text) override;
    int DeleteString(int index) override;
    void ResetContent() override;
    int GetCount() const override;
    bool GetLBText(int index, std::string& out) const override;
    int GetCurSel() const override;
    void SetCurSel(int index) override;
};

} // namespace qv::platform::win32
