#include "win32_rich_edit.h"
#include <algorithm>
#include <cstring>
#include <exception>
#include <richedit.h>

namespace qv::platform::win32 {

namespace {

// Far above any capture the program keeps; the control counts characters in a signed 32 bits.
constexpr LPARAM kTextLimit = 0x7FFFFFFE;

WPARAM StreamFlags(StreamFormat format) {
    return format == StreamFormat::Rtf ? SF_RTF : SF_TEXT;
}

// Carries a callback and any exception it threw across the control's C code.
template <class Callback> struct StreamContext {
    const Callback* callback;
    std::exception_ptr error;
};

DWORD CALLBACK ExportChunk(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
    auto* context = reinterpret_cast<StreamContext<IRichEdit::ChunkSink>*>(cookie);
    try {
        (*context->callback)(reinterpret_cast<const char*>(buffer), size);
        *done = size;
        return 0;
    } catch (...) {
        context->error = std::current_exception();
        *done = 0;
        return 1;
    }
}

DWORD CALLBACK ImportChunk(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
    auto* context = reinterpret_cast<StreamContext<IRichEdit::ChunkSource>*>(cookie);
    try {
        const long got = (*context->callback)(reinterpret_cast<char*>(buffer), size);
        *done = got > 0 ? static_cast<LONG>(std::min<long>(got, size)) : 0;
        return 0;
    } catch (...) {
        context->error = std::current_exception();
        *done = 0;
        return 1;
    }
}

template <class Callback>
bool Stream(HWND window, UINT message, StreamFormat format, const Callback& callback,
            EDITSTREAMCALLBACK chunk, WPARAM extraFlags = 0) {
    StreamContext<Callback> context{&callback, nullptr};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&context);
    stream.pfnCallback = chunk;
    SendMessageA(window, message, StreamFlags(format) | extraFlags,
                 reinterpret_cast<LPARAM>(&stream));
    if (context.error)
        std::rethrow_exception(context.error);
    return stream.dwError == 0;
}

// Hands a text import over so that no chunk ends between a carriage return and its line feed:
// under Wine the control has been seen to read such a split pair as two line breaks.
class LineBreakSafeSource {
  public:
    explicit LineBreakSafeSource(const IRichEdit::ChunkSource& source) : source_(source) {}
    long operator()(char* buffer, long capacity) {
        long n = 0;
        if (carry_ && capacity > 0) {
            buffer[n++] = '\r';
            carry_ = false;
        }
        if (!ended_ && capacity > n) {
            const long got = source_(buffer + n, capacity - n);
            if (got > 0)
                n += std::min(got, capacity - n);
            else
                ended_ = true;
        }
        if (n > 1 && buffer[n - 1] == '\r' && !ended_) {
            carry_ = true; // goes out with the next chunk, beside its line feed
            --n;
        }
        return n;
    }

  private:
    const IRichEdit::ChunkSource& source_;
    bool carry_ = false;
    bool ended_ = false;
};

bool StreamTextIn(HWND window, const IRichEdit::ChunkSource& source, WPARAM extraFlags) {
    LineBreakSafeSource safe(source);
    const IRichEdit::ChunkSource adapter = [&safe](char* buffer, long capacity) {
        return safe(buffer, capacity);
    };
    return Stream(window, EM_STREAMIN, StreamFormat::Text, adapter, ImportChunk, extraFlags);
}

// The clipboard's ANSI text; false when the clipboard cannot be opened or has none.
bool ReadClipboardText(HWND owner, std::string& text) {
    if (!OpenClipboard(owner))
        return false;
    bool ok = false;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text.assign(bytes, strnlen(bytes, GlobalSize(data)));
            GlobalUnlock(data);
            ok = true;
        }
    }
    CloseClipboard();
    return ok;
}

CHARFORMATA ReadFormat(HWND window, WPARAM which) {
    CHARFORMATA format{};
    format.cbSize = sizeof format;
    SendMessageA(window, EM_GETCHARFORMAT, which, reinterpret_cast<LPARAM>(&format));
    return format;
}

CharFormat FromNative(const CHARFORMATA& native) {
    CharFormat format;
    format.face.assign(native.szFaceName, strnlen(native.szFaceName, sizeof native.szFaceName));
    format.heightTwips = native.yHeight;
    format.color = native.crTextColor;
    format.effects = native.dwEffects;
    format.mask = native.dwMask;
    format.charSet = native.bCharSet;
    format.pitchAndFamily = native.bPitchAndFamily;
    return format;
}

void WriteFormat(HWND window, WPARAM which, const CharFormat& format) {
    // The offset is not carried: it keeps the control's value.
    CHARFORMATA native = ReadFormat(window, which);
    std::memset(native.szFaceName, 0, sizeof native.szFaceName);
    std::memcpy(native.szFaceName, format.face.data(),
                std::min(format.face.size(), sizeof native.szFaceName - 1));
    native.yHeight = format.heightTwips;
    native.crTextColor = format.color;
    native.dwEffects = format.effects;
    native.dwMask = format.mask;
    native.bCharSet = format.charSet;
    native.bPitchAndFamily = format.pitchAndFamily;
    SendMessageA(window, EM_SETCHARFORMAT, which, reinterpret_cast<LPARAM>(&native));
}

} // namespace

void RichEditView::SetText(const std::string& text) {
    // The control reads a WM_SETTEXT that begins with "{\rtf" as a document; streaming it in as
    // text keeps it the plain text it is.
    std::size_t offset = 0;
    StreamIn(StreamFormat::Text, [&](char* buffer, long capacity) -> long {
        const std::size_t n = std::min(text.size() - offset, std::size_t(capacity));
        std::memcpy(buffer, text.data() + offset, n);
        offset += n;
        return static_cast<long>(n);
    });
}

bool RichEditView::Paste() {
    // Rich text pastes as the control reads it. Plain text is taken in its ANSI form, the form
    // the program keeps, and imported into the selection: the platform's conversion of ANSI
    // clipboard text for the control's own paste has been seen to double line breaks.
    std::string text;
    if (IsClipboardFormatAvailable(RegisterClipboardFormatA(CF_RTF)) ||
        !IsClipboardFormatAvailable(CF_TEXT) || !ReadClipboardText(Window(), text)) {
        Send(WM_PASTE);
        return IsWindow(Window()) != FALSE;
    }
    std::size_t offset = 0;
    return StreamTextIn(
        Window(),
        [&](char* buffer, long capacity) -> long {
            const std::size_t n = std::min(text.size() - offset, std::size_t(capacity));
            std::memcpy(buffer, text.data() + offset, n);
            offset += n;
            return static_cast<long>(n);
        },
        SFF_SELECTION);
}

bool RichEditView::Copy() {
    CHARRANGE native{};
    Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&native));
    long start = 0, end = 0;
    GetSel(start, end);
    if (start == end)
        return false;
    // A selection over the end-of-document mark would copy a paragraph break that the text
    // does not have; the copy takes the text alone.
    if (native.cpMin != start || native.cpMax != end)
        SetSel(start, end);
    Send(WM_COPY);
    return true;
}

long RichEditView::GetTextLength() const {
    if (!IsWindow(Window()))
        return -1;
    return static_cast<long>(Send(WM_GETTEXTLENGTH));
}

std::string RichEditView::GetPlainText() const {
    return WindowText(Window());
}

std::string RichEditView::GetFirstChars(long n) const {
    if (n <= 0)
        return std::string();
    std::string text(std::size_t(n) + 1, '\0');
    const LRESULT copied =
        Send(WM_GETTEXT, static_cast<WPARAM>(n) + 1, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? std::min(std::size_t(copied), std::size_t(n)) : 0);
    return text;
}

void RichEditView::GetSel(long& start, long& end) const {
    CHARRANGE range{};
    Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    const long length = std::max(GetTextLength(), 0L);
    start = std::clamp(range.cpMin, 0L, length);
    end = std::clamp(range.cpMax, start, length);
}

void RichEditView::SetSel(long start, long end) {
    // The control counts a final end-of-document mark that is not part of the text (selecting
    // "all" takes it too); positions stay within the text.
    const long length = std::max(GetTextLength(), 0L);
    if (end < 0 || end > length)
        end = length;
    start = std::clamp(start, 0L, length);
    CHARRANGE range{start, end};
    Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

bool RichEditView::StreamOut(StreamFormat format, const ChunkSink& sink) {
    return Stream(Window(), EM_STREAMOUT, format, sink, ExportChunk);
}

bool RichEditView::StreamIn(StreamFormat format, const ChunkSource& source) {
    if (format == StreamFormat::Text)
        return StreamTextIn(Window(), source, 0);
    return Stream(Window(), EM_STREAMIN, format, source, ImportChunk);
}

CharFormat RichEditView::GetDefaultCharFormat() const {
    return FromNative(ReadFormat(Window(), SCF_DEFAULT));
}

void RichEditView::SetDefaultCharFormat(const CharFormat& format) {
    WriteFormat(Window(), SCF_DEFAULT, format);
}

CharFormat RichEditView::GetSelectionCharFormat() const {
    return FromNative(ReadFormat(Window(), SCF_SELECTION));
}

void RichEditView::SetSelectionCharFormat(const CharFormat& format) {
    WriteFormat(Window(), SCF_SELECTION, format);
}

void RichEditView::Repaint() {
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void RichEditView::EnableChangeNotifications() {
    const LRESULT mask = Send(EM_GETEVENTMASK);
    Send(EM_SETEVENTMASK, 0, mask | ENM_CHANGE);
}

void RaiseTextLimit(HWND richEdit) {
    SendMessageA(richEdit, EM_EXLIMITTEXT, 0, kTextLimit);
}

namespace {

// A rich edit that owns its window.
class OwnedRichEdit : public RichEditView {
  public:
    explicit OwnedRichEdit(UniqueWindow window)
        : RichEditView(window.get()), window_(std::move(window)) {}

  private:
    UniqueWindow window_;
};

HWND CreateHiddenChild(HWND parent, const char* className, DWORD style) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    // A real size keeps line layout cheap; the control is never shown.
    return CreateWindowExA(0, className, "", WS_CHILD | style, 0, 0, 200, 100, parent, nullptr,
                           instance, nullptr);
}

} // namespace

std::unique_ptr<IRichEdit> CreateHiddenRichEdit(HWND parent) {
    // No word wrap (horizontal scrolling), as in the contents pane: wrapping one long line is slow.
    UniqueWindow window(CreateHiddenChild(parent, "RICHEDIT",
                                          WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                              ES_AUTOHSCROLL));
    if (!window)
        return nullptr;
    // Without a font of its own the control would write the bold System font into its RTF.
    SendMessageA(window.get(), WM_SETFONT,
                 static_cast<WPARAM>(SendMessageA(parent, WM_GETFONT, 0, 0)), FALSE);
    RaiseTextLimit(window.get());
    return std::make_unique<OwnedRichEdit>(std::move(window));
}

bool CopyPlainText(HWND parent, const std::string& text, long start, long end) {
    const UniqueWindow edit(
        CreateHiddenChild(parent, "EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL));
    if (!edit)
        return false;
    SendMessageA(edit.get(), EM_SETLIMITTEXT, 0, 0); // 0: the largest limit there is
    if (!SetWindowTextA(edit.get(), text.c_str()))
        return false;
    if (start == end) {
        start = 0;
        end = -1;
    }
    SendMessageA(edit.get(), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    SendMessageA(edit.get(), WM_COPY, 0, 0);
    return true;
}

} // namespace qv::platform::win32
