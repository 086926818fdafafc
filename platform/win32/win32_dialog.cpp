#include "win32_dialog.h"
#include "resource.h"
#include "win32_message_box.h"
#include "win32_modal_loop.h"

namespace qv::platform::win32 {

namespace {

HICON LoadProgramIcon(HINSTANCE instance, int widthMetric, int heightMetric) {
    // Shared icons belong to the system; they are never destroyed by the program.
    return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric),
                                         GetSystemMetrics(heightMetric), LR_SHARED));
}

BOOL CALLBACK RaiseRichEditLimit(HWND child, LPARAM) {
    char className[32] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "RICHEDIT") == 0)
        RaiseTextLimit(child);
    return TRUE;
}

SizeKind ToSizeKind(WPARAM kind) {
    switch (kind) {
    case SIZE_MINIMIZED:
        return SizeKind::Minimized;
    case SIZE_RESTORED:
        return SizeKind::Restored;
    default:
        return SizeKind::Other;
    }
}

} // namespace

Win32Dialog::Win32Dialog(HINSTANCE instance, IDialogEvents& events, ModalLoop& loop)
    : events_(events), loop_(loop), bigIcon_(LoadProgramIcon(instance, SM_CXICON, SM_CYICON)),
      smallIcon_(LoadProgramIcon(instance, SM_CXSMICON, SM_CYSMICON)) {}

std::unique_ptr<Win32Dialog> Win32Dialog::Create(HINSTANCE instance, int templateId, HWND owner,
                                                 IDialogEvents& events, ModalLoop& loop) {
    std::unique_ptr<Win32Dialog> dialog(new Win32Dialog(instance, events, loop));
    // The procedure takes the object's address at WM_INITDIALOG; the object outlives the window.
    if (!CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId), owner, &Win32Dialog::Procedure,
                            reinterpret_cast<LPARAM>(dialog.get())))
        return nullptr;
    return dialog;
}

Win32Dialog::~Win32Dialog() {
    if (window_)
        DestroyWindow(window_);
}

INT_PTR CALLBACK Win32Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Win32Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Win32Dialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        self->window_ = window;
    } else {
        self = reinterpret_cast<Win32Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
    }
    if (!self)
        return FALSE; // messages before WM_INITDIALOG, such as WM_SETFONT
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        self->window_ = nullptr;
        return FALSE;
    }
    // Nothing may unwind through the platform's code: a handler's exception ends here.
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

INT_PTR Win32Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_SYSCOMMAND:
        // The platform keeps the low four bits of a system command for itself.
        return events_.OnSysCommand(static_cast<unsigned>(wParam & 0xFFF0)) ? Answer(0) : FALSE;
    case WM_DRAWCLIPBOARD:
        events_.OnDrawClipboard();
        return Answer(0);
    case WM_CHANGECBCHAIN:
        events_.OnChangeCbChain(static_cast<WindowRef>(wParam), static_cast<WindowRef>(lParam));
        return Answer(0);
    case WM_ACTIVATE:
        events_.OnActivate(LOWORD(wParam) != WA_INACTIVE);
        return FALSE; // the dialog manager still restores the focus
    case WM_SIZE:
        return OnSize(wParam);
    case WM_QUERYENDSESSION:
        return Answer(events_.OnQueryEndSession() ? TRUE : FALSE);
    case WM_ENDSESSION:
        events_.OnEndSession(wParam != FALSE);
        return Answer(0);
    case WM_FONTCHANGE:
        events_.OnFontChange();
        return Answer(0);
    case DM_GETDEFID:
        return Answer(MAKELONG(events_.OnGetDefaultButton(), DC_HASDEFID));
    case WM_PAINT:
        return OnPaint();
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(bigIcon_); // answered directly, not through DWLP_MSGRESULT
    case WM_DESTROY:
        events_.OnDestroy();
        return Answer(0);
    default:
        return FALSE;
    }
}

INT_PTR Win32Dialog::Answer(LRESULT result) {
    SetWindowLongPtrA(window_, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR Win32Dialog::OnInitDialog() {
    EnumChildWindows(window_, &RaiseRichEditLimit, 0);
    return events_.OnInitDialog(*this) ? TRUE : FALSE;
}

INT_PTR Win32Dialog::OnCommand(int id, int notifyCode) {
    // The Close command (title-bar button, system menu, Alt+F4) arrives as IDCANCEL.
    if (id == IDCANCEL)
        events_.OnClose();
    else
        events_.OnCommand(id, notifyCode);
    return Answer(0);
}

INT_PTR Win32Dialog::OnSize(WPARAM kind) {
    events_.OnSize(ToSizeKind(kind));
    return FALSE;
}

INT_PTR Win32Dialog::OnPaint() {
    if (!IsIconic(window_))
        return FALSE;
    const PaintScope paint(window_);
    SendMessageA(window_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.get()), 0);
    RECT client{};
    GetClientRect(window_, &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(paint.get(), x, y, bigIcon_);
    return TRUE;
}

template <class View>
View& Win32Dialog::ViewOf(std::map<int, std::unique_ptr<View>>& views, int id) {
    std::unique_ptr<View>& view = views[id];
    if (!view)
        view = std::make_unique<View>(GetDlgItem(window_, id));
    return *view;
}

void Win32Dialog::SetTitle(const std::string& title) {
    SetWindowTextA(window_, title.c_str());
}

std::string Win32Dialog::GetTitle() const {
    return WindowText(window_);
}

IButton& Win32Dialog::Button(int id) {
    return ViewOf(buttons_, id);
}
ILabel& Win32Dialog::Label(int id) {
    return ViewOf(labels_, id);
}
IListBox& Win32Dialog::ListBox(int id) {
    return ViewOf(lists_, id);
}
IComboBox& Win32Dialog::ComboBox(int id) {
    return ViewOf(combos_, id);
}
IRichEdit& Win32Dialog::RichEdit(int id) {
    return ViewOf(richEdits_, id);
}

std::unique_ptr<IRichEdit> Win32Dialog::CreateHiddenRichEdit() {
    return win32::CreateHiddenRichEdit(window_);
}

bool Win32Dialog::CopyPlainText(const std::string& text, long start, long end) {
    return win32::CopyPlainText(window_, text, start, end);
}

ISystemMenu* Win32Dialog::SystemMenu() {
    const HMENU menu = GetSystemMenu(window_, FALSE);
    if (!menu)
        return nullptr;
    menu_.Attach(menu);
    return &menu_;
}

void Win32Dialog::SetIcon() {
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

MsgResult Win32Dialog::MessageBox(const std::string& text, const std::string& caption,
                                  MsgButtons buttons, MsgIcon icon) {
    return ShowMessageBox(window_, text, caption, buttons, icon);
}

void Win32Dialog::EndDialog(int result) {
    ended_ = true;
    result_ = result;
    // Wakes the loop, which may be waiting in GetMessage.
    PostMessageA(window_, WM_NULL, 0, 0);
}

void Win32Dialog::PostQuit(int exitCode) {
    loop_.RequestQuit(exitCode);
}

bool Win32Dialog::GetPlacement(Placement& placement) const {
    WINDOWPLACEMENT native{};
    native.length = sizeof native;
    if (!GetWindowPlacement(window_, &native))
        return false;
    placement.flags = static_cast<int>(native.flags);
    placement.showCmd = static_cast<int>(native.showCmd);
    placement.normal = Rect{native.rcNormalPosition.left, native.rcNormalPosition.top,
                            native.rcNormalPosition.right, native.rcNormalPosition.bottom};
    return true;
}

bool Win32Dialog::SetPlacement(const Placement& placement) {
    WINDOWPLACEMENT native{};
    native.length = sizeof native;
    // Keeps the minimized and maximized positions that the program does not store.
    if (!GetWindowPlacement(window_, &native))
        return false;
    native.flags = static_cast<UINT>(placement.flags);
    native.showCmd = static_cast<UINT>(placement.showCmd);
    native.rcNormalPosition = RECT{placement.normal.left, placement.normal.top,
                                   placement.normal.right, placement.normal.bottom};
    return SetWindowPlacement(window_, &native) != FALSE;
}

void Win32Dialog::CenterOnScreen() {
    RECT window{};
    RECT area{};
    if (!GetWindowRect(window_, &window) || !SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
        return;
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    SetWindowPos(window_, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Dialog::Show(int showCmd) {
    ShowWindow(window_, showCmd);
}

bool Win32Dialog::IsMinimized() const {
    return IsIconic(window_) != FALSE;
}

} // namespace qv::platform::win32
