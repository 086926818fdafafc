#include "win32_rich_edit.h"
#include "win32_clipboard.h"
#include "win32_rtf_ascii.h"
#include "win32_rtf_code_page.h"
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

// Hands UTF-16 text to a text import in whole code units, so that no chunk ends between a
// carriage return and its line feed (under Wine the control has been seen to read such a split
// pair as two line breaks) nor between the two halves of a surrogate pair.
class WideTextSource {
  public:
    explicit WideTextSource(const std::wstring& text) : text_(text) {}
    long operator()(char* buffer, long capacity) {
        std::size_t units = std::min(text_.size() - offset_, std::size_t(capacity) / 2);
        if (units > 1 && offset_ + units < text_.size()) {
            const wchar_t last = text_[offset_ + units - 1];
            if (last == L'\r' || (last >= 0xD800 && last <= 0xDBFF))
                --units; // goes out with the next chunk, beside its partner
        }
        std::memcpy(buffer, text_.data() + offset_, units * sizeof(wchar_t));
        offset_ += units;
        return static_cast<long>(units * sizeof(wchar_t));
    }

  private:
    const std::wstring& text_;
    std::size_t offset_ = 0;
};

// Imports text as UTF-16: the control's own reading of 8-bit text is not bound to the process's
// UTF-8 and may split a sequence at a chunk's end.
bool StreamWideTextIn(HWND window, const std::wstring& text, WPARAM extraFlags) {
    WideTextSource source(text);
    const IRichEdit::ChunkSource adapter = [&source](char* buffer, long capacity) {
        return source(buffer, capacity);
    };
    return Stream(window, EM_STREAMIN, StreamFormat::Text, adapter, ImportChunk,
                  SF_UNICODE | extraFlags);
}

// Imports RTF into the selection in one piece.
bool StreamRtfIn(HWND window, const std::string& rtf) {
    std::size_t offset = 0;
    const IRichEdit::ChunkSource source = [&rtf, &offset](char* buffer, long capacity) {
        const std::size_t n = std::min(rtf.size() - offset, std::size_t(capacity));
        std::memcpy(buffer, rtf.data() + offset, n);
        offset += n;
        return static_cast<long>(n);
    };
    return Stream(window, EM_STREAMIN, StreamFormat::Rtf, source, ImportChunk, SFF_SELECTION);
}

// The clipboard, open while the object lives.
class OpenedClipboard {
  public:
    explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenedClipboard() {
        if (open_)
            CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    explicit operator bool() const { return open_; }

  private:
    bool open_;
};

// Global memory, locked while the object lives.
class LockedGlobal {
  public:
    explicit LockedGlobal(HANDLE memory) : memory_(memory), data_(GlobalLock(memory)) {}
    ~LockedGlobal() {
        if (data_)
            GlobalUnlock(memory_);
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;
    const void* Data() const { return data_; }
    std::size_t Size() const { return GlobalSize(memory_); }

  private:
    HANDLE memory_;
    void* data_;
};

// One clipboard format's text up to its terminating zero, never beyond its memory; false when
// the clipboard cannot be opened or has no such format.
template <class Char> bool ReadClipboard(HWND owner, UINT format, std::basic_string<Char>& text) {
    const OpenedClipboard clipboard(owner);
    if (!clipboard)
        return false;
    const HANDLE data = GetClipboardData(format);
    if (!data)
        return false;
    const LockedGlobal locked(data);
    const auto* first = static_cast<const Char*>(locked.Data());
    if (!first)
        return false;
    const Char* last = first + locked.Size() / sizeof(Char);
    text.assign(first, std::find(first, last, Char(0)));
    return true;
}

// Exports the control's contents (or selection) whole into bytes.
bool StreamOutAll(HWND window, StreamFormat format, WPARAM extraFlags, std::string& bytes) {
    const IRichEdit::ChunkSink collect = [&bytes](const char* data, long length) {
        if (length > 0)
            bytes.append(data, std::size_t(length));
    };
    return Stream(window, EM_STREAMOUT, format, collect, ExportChunk, extraFlags);
}

// The control's RTF, made readable by every reader (AsciiRtf). Asked for another code page the
// control has been seen to lose characters: it writes the code page's best fit ("u" for u-umlaut
// in US-ASCII) or \'hh that the control in a UTF-8 process reads back wrong.
bool StreamOutRtf(HWND window, WPARAM extraFlags, std::string& rtf) {
    std::string raw;
    if (!StreamOutAll(window, StreamFormat::Rtf, extraFlags, raw))
        return false;
    rtf = AsciiRtf(raw);
    return true;
}

// The control's text (or selection) as UTF-16.
bool StreamOutWide(HWND window, WPARAM extraFlags, std::wstring& wide) {
    std::string units;
    if (!StreamOutAll(window, StreamFormat::Text, SF_UNICODE | extraFlags, units))
        return false;
    wide.assign(units.size() / sizeof(wchar_t), L'\0');
    std::memcpy(wide.data(), units.data(), wide.size() * sizeof(wchar_t));
    return true;
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

RichEditView::RichEditView(HWND window, bool renewable)
    : ControlView(window), origin_(OriginOf(window)), renewable_(renewable) {}

void RichEditView::DropLongText() {
    if (!renewable_ || !HoldsLongText(Window(), GetTextLength()))
        return;
    if (const HWND made = RenewRichEdit(Window(), origin_))
        Rebind(made);
}

void RichEditView::SetText(const std::string& text) {
    DropLongText();
    // The control reads a WM_SETTEXT that begins with "{\rtf" as a document; streaming it in as
    // text keeps it the plain text it is.
    StreamWideTextIn(Window(), ToWide(text), 0);
}

bool RichEditView::Paste() {
    // Rich text is read here and streamed into the selection with its code-page bytes made
    // Unicode escapes: the control's own paste reads \'hh wrongly in a UTF-8 process (the euro
    // sign of 1252 became U+FFFD). Plain text is taken in its Unicode form (the system makes the
    // ANSI form in the clipboard locale's code page, not in UTF-8) and imported into the
    // selection: the control's own paste of plain text has been seen to double line breaks.
    const UINT rtfFormat = RegisterClipboardFormatA(CF_RTF);
    if (IsClipboardFormatAvailable(rtfFormat)) {
        std::string rtf;
        if (ReadClipboard(Window(), rtfFormat, rtf) && !rtf.empty())
            return StreamRtfIn(Window(), RtfWithUnicodeEscapes(rtf));
    } else {
        std::wstring text;
        if (IsClipboardFormatAvailable(CF_UNICODETEXT) &&
            ReadClipboard(Window(), CF_UNICODETEXT, text))
            return StreamWideTextIn(Window(), text, SFF_SELECTION);
    }
    Send(WM_PASTE);
    return IsWindow(Window()) != FALSE;
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
    // The control's own copy would put its UTF-8 RTF on the clipboard (see StreamOutRtf): the
    // selection goes there as RTF and as Unicode text by the program's hand.
    std::string rtf;
    std::wstring text;
    if (!StreamOutRtf(Window(), SFF_SELECTION, rtf) ||
        !StreamOutWide(Window(), SFF_SELECTION, text))
        return false;
    const OpenedClipboard clipboard(Window());
    return clipboard && EmptyClipboard() &&
           SetClipboardBytes(RegisterClipboardFormatA(CF_RTF), rtf.c_str(), rtf.size() + 1) &&
           SetClipboardBytes(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

long RichEditView::GetTextLength() const {
    if (!IsWindow(Window()))
        return -1;
    // In the control's own positions (UTF-16 units), not in bytes of the process code page.
    GETTEXTLENGTHEX query{GTL_NUMCHARS | GTL_PRECISE, 1200};
    return static_cast<long>(Send(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query)));
}

std::string RichEditView::GetPlainText() const {
    // The control's own Unicode export: under Wine the wide window-text calls read nothing from
    // this ANSI window class in a UTF-8 process.
    std::wstring wide;
    return StreamOutWide(Window(), 0, wide) ? FromWide(wide) : std::string();
}

std::string RichEditView::GetFirstChars(long n) const {
    if (n <= 0)
        return std::string();
    // n characters give at least n bytes; the caller finds the character boundary itself.
    std::wstring wide(std::size_t(n) + 1, L'\0');
    GETTEXTEX request{};
    request.cb = DWORD((std::size_t(n) + 1) * sizeof(wchar_t));
    request.flags = GT_DEFAULT;
    request.codepage = 1200; // UTF-16
    const LRESULT copied = Send(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                reinterpret_cast<LPARAM>(wide.data()));
    std::string text =
        FromWide(wide.data(), copied > 0 ? std::min(std::size_t(copied), std::size_t(n)) : 0);
    if (text.size() > std::size_t(n))
        text.resize(std::size_t(n));
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
    if (format == StreamFormat::Rtf) {
        std::string rtf;
        if (!StreamOutRtf(Window(), 0, rtf))
            return false;
        if (!rtf.empty())
            sink(rtf.data(), static_cast<long>(rtf.size()));
        return true;
    }
    // Text leaves as UTF-16 and reaches the sink in the program's code page, in one piece, so
    // that no character is split between chunks.
    std::wstring wide;
    if (!StreamOutWide(Window(), 0, wide))
        return false;
    const std::string text = FromWide(wide);
    if (!text.empty())
        sink(text.data(), static_cast<long>(text.size()));
    return true;
}

bool RichEditView::StreamIn(StreamFormat format, const ChunkSource& source) {
    DropLongText();
    if (format == StreamFormat::Rtf)
        return Stream(Window(), EM_STREAMIN, format, source, ImportChunk);
    std::string text;
    std::string chunk(4096, '\0');
    for (long got; (got = source(chunk.data(), static_cast<long>(chunk.size()))) > 0;)
        text.append(chunk.data(), std::size_t(std::min<long>(got, long(chunk.size()))));
    return StreamWideTextIn(Window(), ToWide(text), 0);
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
    // Wide, so that the copy is Unicode text and positions count the pane's characters.
    if (!SetWindowTextW(edit.get(), ToWide(text).c_str()))
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
