#include "win32_dialog.h"
#include "win32_link.h"
#include "win32_list_view.h"
#include "win32_message_box.h"
#include "win32_modal_loop.h"
#include <commctrl.h>
#include <prsht.h>

namespace qv::platform::win32 {

namespace {

HICON LoadDialogIcon(HINSTANCE instance, int iconId, int widthMetric, int heightMetric) {
    if (iconId == 0)
        return nullptr;
    // Shared icons belong to the system; they are never destroyed by the program.
    return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric),
                                         GetSystemMetrics(heightMetric), LR_SHARED));
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

// Messages the program posts or sends to its own windows: above the dialog manager's DM_*
// messages and the property sheet's PSM_* messages, and the WM_APP range.
bool IsProgramMessage(UINT message) {
    return (message >= WM_USER + 0x100 && message < WM_APP + 0x4000);
}

// The platform's own note, posted to a dialog whose DPI changed: below the program's messages and
// above the property sheet's.
constexpr UINT kDpiSettled = WM_USER + 0xF0;

std::unique_ptr<IControl> MakeView(ControlKind kind, HWND control) {
    switch (kind) {
    case ControlKind::Button:
    case ControlKind::DefButton:
    case ControlKind::CheckBox:
    case ControlKind::Radio:
        return std::make_unique<ButtonView>(control);
    case ControlKind::ListBox:
        return std::make_unique<ListBoxView>(control, false);
    case ControlKind::SingleListBox:
        return std::make_unique<ListBoxView>(control, true);
    case ControlKind::Combo:
    case ControlKind::DropList:
        return std::make_unique<ComboBoxView>(control);
    case ControlKind::RichEdit:
        return std::make_unique<RichEditView>(control, true);
    case ControlKind::Edit:
    case ControlKind::ReadOnlyEdit:
    case ControlKind::ReadOnlyText:
        return std::make_unique<EditView>(control);
    case ControlKind::Link:
        return std::make_unique<LinkView>(control);
    case ControlKind::TrackBar:
        return std::make_unique<TrackBarView>(control);
    case ControlKind::ListView:
        return std::make_unique<ListViewView>(control);
    case ControlKind::Label:
    case ControlKind::Icon:
    case ControlKind::GroupBox:
        return std::make_unique<LabelView>(control);
    }
    return std::make_unique<LabelView>(control);
}

} // namespace

Win32Dialog::Win32Dialog(HINSTANCE instance, const DialogTemplate& dialog, IDialogEvents& events,
                         ModalLoop& loop)
    : template_(dialog), events_(events), mainEvents_(dynamic_cast<IMainWindowEvents*>(&events)),
      pageEvents_(dynamic_cast<IPageEvents*>(&events)), loop_(loop),
      // Resource tables are freed with the program; they need no DestroyAcceleratorTable.
      accelerators_(dialog.accelerators
                        ? LoadAcceleratorsA(instance, MAKEINTRESOURCEA(dialog.accelerators))
                        : nullptr),
      bigIcon_(LoadDialogIcon(instance, dialog.icon, SM_CXICON, SM_CYICON)),
      smallIcon_(LoadDialogIcon(instance, dialog.icon, SM_CXSMICON, SM_CYSMICON)) {}

Win32Dialog::Win32Dialog(HINSTANCE instance, const DialogTemplate& dialog, IPageEvents& events,
                         ModalLoop& loop, SheetProgress& sheet, int pageIndex)
    : Win32Dialog(instance, dialog, events, loop) {
    sheet_ = &sheet;
    pageIndex_ = pageIndex;
}

std::unique_ptr<Win32Dialog> Win32Dialog::Create(HINSTANCE instance, const DialogTemplate& dialog,
                                                 HWND owner, IDialogEvents& events,
                                                 ModalLoop& loop) {
    std::unique_ptr<Win32Dialog> made(new Win32Dialog(instance, dialog, events, loop));
    // The procedure takes the object's address at WM_INITDIALOG; the object outlives the window.
    if (!CreateDialogParamA(instance, MAKEINTRESOURCEA(dialog.id), owner, &Win32Dialog::Procedure,
                            reinterpret_cast<LPARAM>(made.get())))
        return nullptr;
    return made;
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

INT_PTR CALLBACK Win32Dialog::PageProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_INITDIALOG)
        lParam = reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam;
    return Procedure(window, message, wParam, lParam);
}

INT_PTR Win32Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (mainEvents_) {
        bool handled = false;
        const INT_PTR answer = HandleMainWindowMessage(message, wParam, lParam, handled);
        if (handled)
            return answer;
    }
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_CTLCOLORSTATIC:
        return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CLOSE:
        // Answered here, so that the dialog manager does not turn it into IDCANCEL (Esc).
        events_.OnClose();
        return Answer(0);
    case WM_TIMER:
        events_.OnTimer(static_cast<unsigned>(wParam));
        return Answer(0);
    case WM_DESTROY:
        events_.OnDestroy();
        return Answer(0);
    case WM_DPICHANGED:
        return OnDpiChanged(*reinterpret_cast<const RECT*>(lParam));
    case kDpiSettled:
        AfterDpiChange();
        return Answer(0);
    default:
        if (IsProgramMessage(message)) {
            events_.OnPosted(message, wParam, lParam);
            return Answer(0);
        }
        return FALSE;
    }
}

INT_PTR Win32Dialog::HandleMainWindowMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                             bool& handled) {
    handled = true;
    switch (message) {
    case WM_SYSCOMMAND:
        // The platform keeps the low four bits of a system command for itself.
        return mainEvents_->OnSysCommand(static_cast<unsigned>(wParam & 0xFFF0)) ? Answer(0)
                                                                                 : FALSE;
    case WM_DRAWCLIPBOARD:
        mainEvents_->OnDrawClipboard(ClipboardNotice{static_cast<std::uintptr_t>(wParam),
                                                     static_cast<std::intptr_t>(lParam)});
        return Answer(0);
    case WM_CHANGECBCHAIN:
        mainEvents_->OnChangeCbChain(static_cast<WindowRef>(wParam),
                                     static_cast<WindowRef>(lParam));
        return Answer(0);
    case WM_ACTIVATE:
        mainEvents_->OnActivate(LOWORD(wParam) != WA_INACTIVE);
        return FALSE; // the dialog manager still restores the focus
    case WM_SIZE:
        return OnSize(wParam);
    case WM_QUERYENDSESSION:
        return Answer(mainEvents_->OnQueryEndSession() ? TRUE : FALSE);
    case WM_ENDSESSION:
        mainEvents_->OnEndSession(wParam != FALSE);
        return Answer(0);
    case WM_FONTCHANGE:
        mainEvents_->OnFontChange();
        return Answer(0);
    case DM_GETDEFID:
        return Answer(MAKELONG(mainEvents_->OnGetDefaultButton(), DC_HASDEFID));
    case WM_PAINT:
        return OnPaint();
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(bigIcon_); // answered directly, not through DWLP_MSGRESULT
    default:
        handled = false;
        return FALSE;
    }
}

INT_PTR Win32Dialog::OnDpiChanged(const RECT& suggested) {
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // A per-monitor v2 dialog manager scales the fonts and the controls after this handler, in
    // its own processing of the message: what depends on the fonts is redone once it is done.
    PostMessageA(window_, kDpiSettled, 0, 0);
    return FALSE;
}

void Win32Dialog::AfterDpiChange() {
    // A link whose font the dialog manager replaced makes its underlined copy anew as it paints.
    for (const auto& link : links_)
        InvalidateRect(link.first, nullptr, TRUE);
    // The History list's lines are measured again in its new font, for its horizontal extent.
    if (mainEvents_)
        mainEvents_->OnFontChange();
}

INT_PTR Win32Dialog::Answer(LRESULT result) {
    SetWindowLongPtrA(window_, DWLP_MSGRESULT, result);
    return TRUE;
}

namespace {

// The dialog manager of an ANSI dialog makes ANSI controls, which get a typed character in the
// keyboard's code page ("?" beyond it). Setting the control's own procedure through the wide
// call makes it a Unicode window; the program's ANSI calls still reach it in UTF-8.
void TakeTypedCharactersWhole(HWND field) {
    SetWindowLongPtrW(field, GWLP_WNDPROC, GetWindowLongPtrW(field, GWLP_WNDPROC));
}

} // namespace

void Win32Dialog::MakeViews() {
    // The dialog manager creates the controls in the order of the template's rows.
    HWND child = GetWindow(window_, GW_CHILD);
    for (const ControlTemplate& row : template_.controls) {
        if (!child)
            break;
        switch (row.kind) {
        case ControlKind::RichEdit:
            RaiseTextLimit(child);
            break;
        case ControlKind::Edit:
            TakeTypedCharactersWhole(child);
            break;
        case ControlKind::Combo:
            if (const HWND field = GetWindow(child, GW_CHILD))
                TakeTypedCharactersWhole(field);
            break;
        case ControlKind::ReadOnlyEdit:
        case ControlKind::ReadOnlyText:
            // Read-only whatever the template says; drawn black on white below.
            SendMessageA(child, EM_SETREADONLY, TRUE, 0);
            readOnlyEdits_.insert(child);
            break;
        case ControlKind::Icon:
            if (bigIcon_)
                SendMessageA(child, STM_SETICON, reinterpret_cast<WPARAM>(bigIcon_), 0);
            break;
        default:
            break;
        }
        std::unique_ptr<IControl> view = MakeView(row.kind, child);
        if (row.kind == ControlKind::Link)
            links_[child] = static_cast<LinkView*>(view.get());
        if (row.id != -1)
            controls_[row.id] = std::move(view);
        else
            unaddressed_.push_back(std::move(view)); // a link without an id still behaves
        child = GetWindow(child, GW_HWNDNEXT);
    }
}

INT_PTR Win32Dialog::OnInitDialog() {
    if (sheet_)
        sheet_->pageMade = true;
    MakeViews();
    return events_.OnInitDialog(*this) ? TRUE : FALSE;
}

INT_PTR Win32Dialog::OnCommand(int id, int notifyCode) {
    // Esc and a Cancel button arrive as IDCANCEL; the close box comes as WM_CLOSE.
    if (id == IDCANCEL)
        events_.OnCancel();
    else
        events_.OnCommand(id, notifyCode);
    return Answer(0);
}

INT_PTR Win32Dialog::OnNotify(NMHDR& header) {
    NotifyEvent event;
    event.controlId = static_cast<int>(header.idFrom);
    switch (header.code) {
    case LVN_COLUMNCLICK: {
        const auto& list = reinterpret_cast<const NMLISTVIEW&>(header);
        event.kind = NotifyKind::ColumnClick;
        event.column = list.iSubItem;
        break;
    }
    case LVN_ITEMCHANGED: {
        const auto& list = reinterpret_cast<const NMLISTVIEW&>(header);
        if (!(list.uChanged & LVIF_STATE) || !((list.uNewState ^ list.uOldState) & LVIS_SELECTED))
            return FALSE;
        event.kind = NotifyKind::SelectionChanged;
        event.item = list.iItem;
        break;
    }
    case NM_DBLCLK: {
        const auto& item = reinterpret_cast<const NMITEMACTIVATE&>(header);
        event.kind = NotifyKind::DoubleClick;
        event.item = item.iItem;
        event.column = item.iSubItem;
        break;
    }
    case LVN_GETDISPINFOA: {
        const auto view = controls_.find(event.controlId);
        if (view != controls_.end())
            if (auto* list = dynamic_cast<ListViewView*>(view->second.get()))
                list->AnswerDisplayInfo(reinterpret_cast<NMLVDISPINFOA&>(header));
        return Answer(0);
    }
    case PSN_SETACTIVE:
        if (sheet_)
            sheet_->activePage = pageIndex_;
        if (pageEvents_)
            pageEvents_->OnSetActive();
        return Answer(0);
    case PSN_APPLY:
        return OnPageApply();
    case PSN_RESET:
        // Cancel, Esc or the close box ends the sheet: the sheet's own answer can't tell that
        // once an earlier Apply saved changes.
        if (sheet_)
            sheet_->cancelled = true;
        return Answer(0);
    default:
        return FALSE;
    }
    events_.OnNotify(event);
    return Answer(0);
}

INT_PTR Win32Dialog::OnPageApply() {
    if (!pageEvents_)
        return Answer(PSNRET_NOERROR);
    bool accepted = false;
    // A page whose values could not be taken has not applied them.
    try {
        accepted = pageEvents_->OnApply();
    } catch (...) {
        accepted = false;
    }
    if (accepted)
        return Answer(PSNRET_NOERROR);
    // The refusing page is shown. PSNRET_INVALID would ask the sheet for that, but Wine's sheet
    // then shows the page without PSN_SETACTIVE; selecting it sends the notifications everywhere.
    const HWND sheet = GetParent(window_);
    if (reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)) != window_ &&
        pageIndex_ >= 0)
        SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(pageIndex_), 0);
    return Answer(PSNRET_INVALID_NOCHANGEPAGE);
}

INT_PTR Win32Dialog::OnControlColour(HDC dc, HWND control) {
    // Colour answers go back directly, not through DWLP_MSGRESULT.
    if (readOnlyEdits_.count(control)) {
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
    }
    const auto link = links_.find(control);
    if (link != links_.end())
        return reinterpret_cast<INT_PTR>(link->second->PaintColours(dc));
    return FALSE;
}

INT_PTR Win32Dialog::OnSize(WPARAM kind) {
    mainEvents_->OnSize(ToSizeKind(kind));
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

IControl& Win32Dialog::Control(int id) {
    const auto it = controls_.find(id);
    if (id == -1 || it == controls_.end())
        throw ControlError("no control " + std::to_string(id) + " in dialog " +
                           std::to_string(template_.id));
    return *it->second;
}

void Win32Dialog::SetTitle(const std::string& title) {
    SetWindowTextA(window_, title.c_str());
}

std::string Win32Dialog::GetTitle() const {
    return WindowText(window_);
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

void Win32Dialog::SetTopmost() {
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Dialog::Activate() {
    SetActiveWindow(window_);
    SetFocus(window_);
}

bool Win32Dialog::IsMinimized() const {
    return IsIconic(window_) != FALSE;
}

bool Win32Dialog::GetScreenMetrics(ScreenMetrics& metrics) const {
    metrics.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    metrics.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    metrics.iconWidth = GetSystemMetrics(SM_CXICON);
    metrics.iconHeight = GetSystemMetrics(SM_CYICON);
    metrics.scrollThumbWidth = GetSystemMetrics(SM_CXHTHUMB);
    return metrics.screenWidth > 0 && metrics.screenHeight > 0;
}

bool Win32Dialog::SetTimer(unsigned timerId, unsigned milliseconds) {
    return ::SetTimer(window_, timerId, milliseconds, nullptr) != 0;
}

void Win32Dialog::KillTimer(unsigned timerId) {
    ::KillTimer(window_, timerId);
}

void Win32Dialog::SetModified(bool modified) {
    if (template_.style != DialogStyle::Page)
        return;
    SendMessageA(GetParent(window_), modified ? PSM_CHANGED : PSM_UNCHANGED,
                 reinterpret_cast<WPARAM>(window_), 0);
}

void Win32Dialog::CancelToClose() {
    if (template_.style == DialogStyle::Page)
        SendMessageA(GetParent(window_), PSM_CANCELTOCLOSE, 0, 0);
}

} // namespace qv::platform::win32
