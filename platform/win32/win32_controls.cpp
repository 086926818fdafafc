#include "win32_controls.h"
#include "win32_handles.h"
#include <algorithm>
#include <climits>
#include <commctrl.h>
#include <new>

namespace qv::platform::win32 {

namespace {

LPARAM TextParam(const std::string& text) {
    return reinterpret_cast<LPARAM>(text.c_str());
}

} // namespace

void SetControlRedraw(HWND control, bool on) {
    SendMessageA(control, WM_SETREDRAW, on ? TRUE : FALSE, 0);
    if (on)
        RedrawWindow(control, nullptr, nullptr,
                     RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void EditView::SetSel(long start, long end) {
    Send(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

void EditView::GetSel(long& start, long& end) const {
    DWORD from = 0, to = 0;
    Send(EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    start = static_cast<long>(from);
    end = static_cast<long>(to);
}

namespace {

constexpr ATOM kDialogClass = 0x8002; // the system's dialog class, "#32770"

// The dialog whose manager moves the focus among the control's neighbours: a property sheet's
// page hands it on within its sheet, as Tab does there.
HWND DialogOf(HWND control) {
    HWND dialog = GetParent(control);
    while (dialog && (GetWindowLongA(dialog, GWL_STYLE) & WS_CHILD)) {
        const HWND outer = GetParent(dialog);
        if (!outer || GetClassLongPtrA(outer, GCW_ATOM) != kDialogClass)
            break;
        dialog = outer;
    }
    return dialog;
}

} // namespace

void PassFocusOn(HWND control) {
    const HWND focus = GetFocus();
    if (!focus || (focus != control && !IsChild(control, focus)))
        return;
    if (const HWND dialog = DialogOf(control))
        SendMessageA(dialog, WM_NEXTDLGCTL, 0, FALSE);
}

bool EditView::Copy() {
    // The control says nothing of its copy; the clipboard's sequence number moves only when it
    // was written, which it is not while another program holds it open.
    const DWORD before = GetClipboardSequenceNumber();
    Send(WM_COPY);
    return GetClipboardSequenceNumber() != before;
}

void EditView::SetLimitText(int characters) {
    Send(EM_LIMITTEXT, static_cast<WPARAM>(characters));
}

bool EditView::IsReadOnly() const {
    return (GetWindowLongA(Window(), GWL_STYLE) & ES_READONLY) != 0;
}

bool EditView::MeasureText(const std::string& text, int& width) const {
    return MeasureInControlFont(Window(), text, width);
}

int EditView::GetClientWidth() const {
    return ClientWidth(Window());
}

void TrackBarView::SetStepSizes(int line, int page) {
    Send(TBM_SETLINESIZE, 0, line);
    Send(TBM_SETPAGESIZE, 0, page);
}

void TrackBarView::SetRange(int minimum, int maximum) {
    Send(TBM_SETRANGEMIN, FALSE, minimum);
    Send(TBM_SETRANGEMAX, TRUE, maximum);
}

int TrackBarView::GetPos() const {
    return static_cast<int>(Send(TBM_GETPOS));
}

void TrackBarView::SetPos(int position) {
    Send(TBM_SETPOS, TRUE, position);
}

bool ButtonView::IsChecked() const {
    return Send(BM_GETCHECK) == BST_CHECKED;
}

void ButtonView::SetChecked(bool on) {
    Send(BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED);
}

int ListBoxView::AddString(const std::string& text) {
    return static_cast<int>(Send(LB_ADDSTRING, 0, TextParam(text)));
}

int ListBoxView::InsertString(int index, const std::string& text) {
    return static_cast<int>(Send(LB_INSERTSTRING, static_cast<WPARAM>(index), TextParam(text)));
}

int ListBoxView::DeleteString(int index) {
    return static_cast<int>(Send(LB_DELETESTRING, static_cast<WPARAM>(index)));
}

void ListBoxView::ResetContent() {
    Send(LB_RESETCONTENT);
}

int ListBoxView::GetCount() const {
    return static_cast<int>(Send(LB_GETCOUNT));
}

int ListBoxView::GetTextLen(int index) const {
    return static_cast<int>(Send(LB_GETTEXTLEN, static_cast<WPARAM>(index)));
}

bool ListBoxView::GetLineText(int index, std::string& out) const {
    const int length = GetTextLen(index);
    if (length < 0)
        return false;
    std::string text(std::size_t(length) + 1, '\0');
    const int copied = static_cast<int>(
        Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data())));
    if (copied < 0)
        return false;
    text.resize(std::min(std::size_t(copied), std::size_t(length)));
    out.swap(text);
    return true;
}

bool ListBoxView::SetItemData(int index, void* data) {
    return Send(LB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(data)) !=
           LB_ERR;
}

bool ListBoxView::GetItemData(int index, void*& data) const {
    const LRESULT value = Send(LB_GETITEMDATA, static_cast<WPARAM>(index));
    if (value == LB_ERR)
        return false;
    data = reinterpret_cast<void*>(value);
    return true;
}

void ListBoxView::InitStorage(int lines, std::size_t bytes) {
    Send(LB_INITSTORAGE, static_cast<WPARAM>(lines), static_cast<LPARAM>(bytes));
}

int ListBoxView::GetSelCount() const {
    if (single_)
        return Send(LB_GETCURSEL) == LB_ERR ? 0 : 1;
    return static_cast<int>(Send(LB_GETSELCOUNT));
}

std::vector<int> ListBoxView::GetSelItems() const {
    if (single_) {
        const LRESULT current = Send(LB_GETCURSEL);
        return current == LB_ERR ? std::vector<int>{} : std::vector<int>{int(current)};
    }
    const int count = GetSelCount();
    if (count <= 0)
        return {};
    std::vector<int> items(std::size_t(count), 0);
    const int got = static_cast<int>(
        Send(LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(items.data())));
    items.resize(got > 0 ? std::size_t(got) : 0);
    return items;
}

bool ListBoxView::IsSelected(int index) const {
    return Send(LB_GETSEL, static_cast<WPARAM>(index)) > 0;
}

bool ListBoxView::SetSel(int index, bool select) {
    if (single_) {
        // A single-selection list selects with its own message, and -1 deselects.
        if (select && index < 0)
            return false;
        if (!select && index >= 0 && !IsSelected(index))
            return true;
        return Send(LB_SETCURSEL, select ? static_cast<WPARAM>(index) : WPARAM(-1)) != LB_ERR ||
               !select;
    }
    return Send(LB_SETSEL, select ? TRUE : FALSE, static_cast<LPARAM>(index)) != LB_ERR;
}

bool ListBoxView::SetSelRange(int first, int last, bool select) {
    if (single_ || first > last)
        return false;
    if (first == last) // the range message tells selecting from deselecting by the order alone
        return SetSel(first, select);
    const auto low = static_cast<WPARAM>(first), high = static_cast<WPARAM>(last);
    return Send(LB_SELITEMRANGEEX, select ? low : high, static_cast<LPARAM>(select ? high : low)) !=
           LB_ERR;
}

int ListBoxView::GetCaretIndex() const {
    return static_cast<int>(Send(LB_GETCARETINDEX));
}

bool ListBoxView::SetCaretIndex(int index) {
    return Send(LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE) != LB_ERR;
}

int ListBoxView::GetTopIndex() const {
    return static_cast<int>(Send(LB_GETTOPINDEX));
}

void ListBoxView::SetHorizontalExtent(int width) {
    Send(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(width));
}

int ListBoxView::GetHorizontalExtent() const {
    return static_cast<int>(Send(LB_GETHORIZONTALEXTENT));
}

namespace {
// Width of text in the font selected into dc, in device pixels.
bool MeasureInDC(HDC dc, const std::string& text, int& width) {
    SIZE size{};
    // GDI's ANSI calls read the system code page even in a UTF-8 process.
    const std::wstring wide = ToWide(text);
    const int count = static_cast<int>(std::min<std::size_t>(wide.size(), INT_MAX));
    if (!GetTextExtentPoint32W(dc, wide.data(), count, &size))
        return false;
    POINT ends[2] = {{0, 0}, {size.cx, size.cy}};
    if (!LPtoDP(dc, ends, 2))
        return false;
    width = ends[1].x - ends[0].x;
    return true;
}

HGDIOBJ FontOf(HWND control) {
    return reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
}
} // namespace

bool MeasureInControlFont(HWND control, const std::string& text, int& width) {
    const WindowDC dc(control);
    if (!dc.get())
        return false;
    // Measured in the control's own font, which the drawing context does not have by itself.
    const SelectedObject font(dc.get(), FontOf(control));
    return MeasureInDC(dc.get(), text, width);
}

int ClientWidth(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    return client.right - client.left;
}

// A drawing context with the list's font selected, held while its redraw is frozen, and the
// advance widths of the ASCII characters in that font: a line of ASCII text is as wide as the sum
// of its characters' advances, so a bulk fill measures it without a call into the system.
struct ListBoxView::HeldMeasuring {
    explicit HeldMeasuring(HWND control)
        : dc(control), font(FontOf(control)), selected(dc.get(), font) {
        asciiWidths = dc.get() && GetCharWidth32W(dc.get(), 0, kAscii - 1, widths) != FALSE;
    }

    // False for text the table does not cover (any byte of a multi-byte character).
    bool MeasureAscii(const std::string& text, int& width) const {
        if (!asciiWidths)
            return false;
        long long sum = 0;
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= kAscii)
                return false;
            sum += widths[byte];
        }
        POINT ends[2] = {{0, 0}, {static_cast<LONG>(std::min<long long>(sum, INT_MAX)), 0}};
        if (!LPtoDP(dc.get(), ends, 2))
            return false;
        width = ends[1].x - ends[0].x;
        return true;
    }

    static constexpr unsigned kAscii = 128;
    WindowDC dc;
    HGDIOBJ font;
    SelectedObject selected;
    bool asciiWidths = false;
    INT widths[kAscii] = {};
};

ListBoxView::ListBoxView(HWND control, bool single) : ControlView(control), single_(single) {}
ListBoxView::~ListBoxView() = default;

void ListBoxView::SetRedraw(bool on) {
    SetControlRedraw(Window(), on);
    held_.reset();
    // A frozen list is being filled or emptied in bulk: one drawing context serves every line
    // measured meanwhile, instead of one fetched and released for each.
    if (!on) {
        try {
            held_ = std::make_unique<HeldMeasuring>(Window());
        } catch (const std::bad_alloc&) {
            // Each line then fetches its own drawing context.
        }
    }
}

bool ListBoxView::MeasureText(const std::string& text, int& width) const {
    if (held_ && held_->dc.get() && held_->font == FontOf(Window()))
        return held_->MeasureAscii(text, width) || MeasureInDC(held_->dc.get(), text, width);
    return MeasureInControlFont(Window(), text, width);
}

int ComboBoxView::AddString(const std::string& text) {
    return static_cast<int>(Send(CB_ADDSTRING, 0, TextParam(text)));
}

int ComboBoxView::DeleteString(int index) {
    return static_cast<int>(Send(CB_DELETESTRING, static_cast<WPARAM>(index)));
}

void ComboBoxView::ResetContent() {
    Send(CB_RESETCONTENT);
}

int ComboBoxView::GetCount() const {
    return static_cast<int>(Send(CB_GETCOUNT));
}

bool ComboBoxView::GetLBText(int index, std::string& out) const {
    const int length = static_cast<int>(Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
    if (length < 0)
        return false;
    std::string text(std::size_t(length) + 1, '\0');
    const int copied = static_cast<int>(
        Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data())));
    if (copied < 0)
        return false;
    text.resize(std::min(std::size_t(copied), std::size_t(length)));
    out.swap(text);
    return true;
}

int ComboBoxView::GetCurSel() const {
    return static_cast<int>(Send(CB_GETCURSEL));
}

void ComboBoxView::SetCurSel(int index) {
    Send(CB_SETCURSEL, static_cast<WPARAM>(index));
}

} // namespace qv::platform::win32
