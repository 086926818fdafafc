// The contents pane (Rich Edit 1.0): formatted text through the clipboard, byte-exact plain text,
// large texts, selections, character formats and change notices.
#include "win32/win32_clipboard.h"
#include "win32/win32_rtf_ascii.h"
#include "win32_fixture.h"
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <new>
#include <richedit.h>

namespace qv::win32test {
namespace {

const char kFormattedRtf[] = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
                             "{\\colortbl;\\red255\\green0\\blue0;}"
                             "\\f0\\fs20 plain \\b bold\\b0  \\cf1 red\\cf0 .\\par}";

std::string StreamOutAll(platform::IRichEdit& pane, platform::StreamFormat format) {
    std::string out;
    EXPECT_TRUE(pane.StreamOut(format, [&](const char* data, long length) {
        if (length > 0)
            out.append(data, std::size_t(length));
    }));
    return out;
}

bool StreamInAll(platform::IRichEdit& pane, platform::StreamFormat format,
                 const std::string& data) {
    std::size_t offset = 0;
    return pane.StreamIn(format, [&](char* buffer, long capacity) -> long {
        const std::size_t n = std::min(data.size() - offset, std::size_t(capacity));
        std::copy_n(data.data() + offset, n, buffer);
        offset += n;
        return static_cast<long>(n);
    });
}

bool ClipboardHasRtf() {
    return IsClipboardFormatAvailable(RegisterClipboardFormatA("Rich Text Format")) != FALSE;
}

// Lines of text with line breaks, as large captures are in practice.
std::string LargeText(std::size_t size) {
    std::string text;
    text.reserve(size + 100);
    for (int line = 0; text.size() < size; ++line)
        text += "Line " + std::to_string(line) + " of a large clipboard capture, with words.\r\n";
    text.resize(size);
    return text;
}

class RichEdit : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog_ = OpenDialog(events_);
        ASSERT_TRUE(dialog_);
    }
    platform::IRichEdit& Pane() { return dialog_->RichEdit(IDC_CONTENTS); }
    RecordingEvents events_;
    std::unique_ptr<pw::Win32Dialog> dialog_;
};

TEST_F(RichEdit, BoldAndColouredTextSurviveCopyAndPasteIntoAnotherPane) {
    ASSERT_TRUE(StreamInAll(Pane(), platform::StreamFormat::Rtf, kFormattedRtf));
    EXPECT_EQ(Pane().GetPlainText(), "plain bold red.");

    Pane().SetSel(0, -1);
    ASSERT_TRUE(Pane().Copy());
    EXPECT_TRUE(ClipboardHasRtf());
    EXPECT_EQ(ClipboardText(), "plain bold red.");

    auto other = dialog_->CreateHiddenRichEdit();
    ASSERT_TRUE(other);
    ASSERT_TRUE(other->Paste());
    EXPECT_EQ(other->GetPlainText(), "plain bold red.");
    const std::string rtf = StreamOutAll(*other, platform::StreamFormat::Rtf);
    EXPECT_NE(rtf.find("\\b bold"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\red255\\green0\\blue0"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("Arial"), std::string::npos) << rtf;
}

// Latin, CJK, a symbol and an emoji: 14 UTF-16 units, 26 bytes of UTF-8.
const char kUnicode[] = "Gr\xC3\xBC\xC3\x9F"
                        "e \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xE2\x9C\x93 \xF0\x9F\x98\x80";
const wchar_t kUnicodeWide[] = L"Gr\u00FC\u00DFe \u65E5\u672C\u8A9E \u2713 \U0001F600";

TEST_F(RichEdit, PlainTextKeepsEveryCharacter) {
    ASSERT_EQ(GetACP(), static_cast<UINT>(CP_UTF8)) << "the manifest's UTF-8 code page";
    const std::string text = std::string(kUnicode) + "\r\nand a second line";
    ASSERT_TRUE(StreamInAll(Pane(), platform::StreamFormat::Text, text));
    EXPECT_EQ(Pane().GetTextLength(), 14 + 2 + 17) << "the control counts UTF-16 units";
    EXPECT_EQ(Pane().GetPlainText(), text);
    EXPECT_EQ(StreamOutAll(Pane(), platform::StreamFormat::Text), text);
    // At most n bytes; the caller cuts a character the limit split.
    EXPECT_EQ(Pane().GetFirstChars(9), text.substr(0, 9));
    EXPECT_EQ(Pane().GetFirstChars(28), text.substr(0, 28));
    Pane().SetText(kUnicode);
    EXPECT_EQ(Pane().GetPlainText(), kUnicode);
}

TEST_F(RichEdit, UnicodeOnlyClipboardTextPastesWholeAndStaysWholeInItsRtf) {
    ASSERT_TRUE(PutClipboardUnicode(nullptr, std::wstring(kUnicodeWide) + L"\r\nline two"));
    ASSERT_TRUE(Pane().Paste());
    const std::string expected = std::string(kUnicode) + "\r\nline two";
    EXPECT_EQ(Pane().GetPlainText(), expected);
    const std::string rtf = StreamOutAll(Pane(), platform::StreamFormat::Rtf);
    auto other = dialog_->CreateHiddenRichEdit();
    ASSERT_TRUE(other);
    ASSERT_TRUE(StreamInAll(*other, platform::StreamFormat::Rtf, rtf));
    EXPECT_EQ(other->GetPlainText(), expected) << rtf;
    // What the control writes for characters beyond ASCII: \uN with a "?" fallback.
    std::printf("[ measured ] RTF for the Unicode sample: %s\n", rtf.c_str());
    EXPECT_NE(rtf.find("\\u26085?"), std::string::npos);
    EXPECT_EQ(rtf.find("{\\urtf"), std::string::npos);

    // Copied back formatted and plain, the clipboard's Unicode text is whole.
    Pane().SetSel(0, -1);
    ASSERT_TRUE(Pane().Copy());
    EXPECT_EQ(ClipboardText(), expected);
    ASSERT_TRUE(dialog_->CopyPlainText(expected, 0, 0));
    EXPECT_EQ(ClipboardText(), expected);
    EXPECT_FALSE(ClipboardHasRtf());
    ASSERT_TRUE(dialog_->CopyPlainText(expected, 6, 9)); // positions count UTF-16 units
    EXPECT_EQ(ClipboardText(), "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E");
}

TEST(AsciiRtf, UnicodeRtfBecomesRtfEveryReaderTakes) {
    const struct {
        std::string raw, ascii;
    } cases[] = {
        {"{\\rtf1\\ansi plain}", "{\\rtf1\\ansi plain}"},
        {"{\\urtf\\deff0 caf\xC3\xA9}", "{\\rtf1\\ansi\\uc1\\deff0 caf\\u233?}"},
        {"{\\urtf1 \xE6\x97\xA5\\par}", "{\\rtf1\\ansi\\uc1 \\u26085?\\par}"},
        {"{\\urtf \xF0\x9F\x98\x80}", "{\\rtf1\\ansi\\uc1 \\u-10179?\\u-8704?}"},
        {"{\\rtf1 \xE9 \xC3}", "{\\rtf1 \\'e9 \\'c3}"}, // no UTF-8: kept as escapes
    };
    for (const auto& c : cases)
        EXPECT_EQ(pw::AsciiRtf(c.raw), c.ascii) << c.raw;
}

TEST_F(RichEdit, RtfOfALegacyCodePageIsReadAsTheControlReadsIt) {
    // What another program's RTF holds for e-acute: a byte of its code page, or \uN.
    const struct {
        const char* rtf;
        const char* text;
    } cases[] = {
        {"{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\\f0 caf\\'e9}",
         "caf\xC3\xA9"},
        {"{\\rtf1\\ansi\\uc1 caf\\u233?}", "caf\xC3\xA9"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(StreamInAll(Pane(), platform::StreamFormat::Rtf, c.rtf));
        std::printf("[ measured ] %s reads as %s\n", c.rtf, Pane().GetPlainText().c_str());
        EXPECT_EQ(Pane().GetPlainText(), c.text) << c.rtf;
    }
}

// Rich text as another program copies it: "Rich Text Format" and the same text as Unicode.
bool PutClipboardRtf(const std::string& rtf, const std::wstring& text) {
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    const bool ok =
        pw::SetClipboardBytes(RegisterClipboardFormatA("Rich Text Format"), rtf.c_str(),
                              rtf.size() + 1) &&
        pw::SetClipboardBytes(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    CloseClipboard();
    return ok;
}

// The pane's text through the control's wide call.
std::wstring WideText(platform::IRichEdit& pane) {
    const HWND window = static_cast<pw::RichEditView&>(pane).Window();
    GETTEXTLENGTHEX query{GTL_NUMCHARS | GTL_PRECISE, 1200};
    const auto length =
        SendMessageW(window, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0);
    std::wstring text(std::size_t(std::max<LRESULT>(length, 0)) + 1, L'\0');
    GETTEXTEX request{};
    request.cb = DWORD(text.size() * sizeof(wchar_t));
    request.flags = GT_DEFAULT;
    request.codepage = 1200;
    const auto copied = SendMessageW(window, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::size_t(std::max<LRESULT>(copied, 0)));
    return text;
}

TEST_F(RichEdit, RichTextFromOtherProgramsPastesEveryCharacter) {
    // Each names its code page and writes that code page's characters as \'hh escapes, which the
    // control in a UTF-8 process reads wrongly on its own.
    const struct {
        const char* what;
        std::string rtf;
        std::wstring text;
        const char* kept; // formatting the pane's RTF must still show
    } cases[] = {
        {"WordPad: 1252, the euro sign as an escape, CJK as \\u",
         "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\\f0\\fs20 "
         "plain {\\b bold} \\'80 and \\u20013?\\u25991?\\par}",
         L"plain bold \u20AC and \u4E2D\u6587", "\\b bold"},
        {"WordPad under Wine: its font names no character set (the default set is left out)",
         "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 "
         "plain {\\b bold} \\'80 caf\\'e9 and \\u20013?\\u25991?\\par}",
         L"plain bold \u20AC caf\u00E9 and \u4E2D\u6587", "\\b bold"},
        {"Cyrillic in the header's 1251",
         "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs20 "
         "{\\b \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2}\\par}",
         L"\u041F\u0440\u0438\u0432\u0435\u0442", "\\b"},
        {"Japanese in a Shift-JIS font, two escapes a character",
         "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset128 MS "
         "Gothic;}}\\f0\\fs20 "
         "{\\b \\'93\\'fa\\'96\\'7b}\\par}",
         L"\u65E5\u672C", "\\b"},
    };
    Pane().EnableChangeNotifications();
    for (const auto& c : cases) {
        // What the control makes of the RTF by itself, for the record.
        auto raw = dialog_->CreateHiddenRichEdit();
        ASSERT_TRUE(raw);
        ASSERT_TRUE(StreamInAll(*raw, platform::StreamFormat::Rtf, c.rtf));
        std::printf("[ measured ] %s, read by the control alone: %s\n", c.what,
                    raw->GetPlainText().c_str());

        Pane().SetText("<>");
        Pane().SetSel(1, 1);
        ASSERT_TRUE(PutClipboardRtf(c.rtf, c.text)) << c.what;
        events_.Take();
        ASSERT_TRUE(Pane().Paste()) << c.what;
        const std::wstring text = WideText(Pane());
        EXPECT_EQ(text, L"<" + c.text + L"\r\n>") << c.what;
        long start = -1, end = -1;
        Pane().GetSel(start, end);
        EXPECT_EQ(start, static_cast<long>(text.size()) - 1) << c.what << ": after the paste";
        EXPECT_EQ(end, start) << c.what;
        EXPECT_TRUE(events_.Saw("command 1000 768")) << c.what << ": the change is told";
        const std::string rtf = StreamOutAll(Pane(), platform::StreamFormat::Rtf);
        EXPECT_NE(rtf.find(c.kept), std::string::npos) << c.what << ": " << rtf;
    }
}

TEST_F(RichEdit, TextThatLooksLikeRtfStaysText) {
    const std::string text = "{\\rtf1 this is what the user copied}";
    // The control's own WM_SETTEXT would read it as a document.
    SetWindowTextA(static_cast<pw::RichEditView&>(Pane()).Window(), text.c_str());
    EXPECT_NE(Pane().GetPlainText(), text);
    Pane().SetText(text);
    EXPECT_EQ(Pane().GetPlainText(), text);
    Pane().SetText("");
    EXPECT_EQ(Pane().GetTextLength(), 0);
}

TEST_F(RichEdit, LargeTextsAreNotCutAtTheDefaultLimit) {
    const std::string big = LargeText(100000);
    ASSERT_TRUE(StreamInAll(Pane(), platform::StreamFormat::Text, big));
    EXPECT_EQ(Pane().GetTextLength(), static_cast<long>(big.size()));

    // Through the clipboard as plain text, into the pane and into a hidden pane.
    ASSERT_TRUE(dialog_->CopyPlainText(big, 0, 0));
    EXPECT_EQ(ClipboardText().size(), big.size());
    Pane().SetText("");
    Pane().Paste();
    EXPECT_EQ(Pane().GetTextLength(), static_cast<long>(big.size()));
    auto hidden = dialog_->CreateHiddenRichEdit();
    ASSERT_TRUE(hidden);
    hidden->Paste();
    EXPECT_EQ(hidden->GetPlainText(), big);
}

TEST_F(RichEdit, PastedAnsiTextKeepsItsLineBreaks) {
    // Lines whose breaks fall on every kind of position, among them the ends of the blocks in
    // which the platform converts ANSI clipboard text: a line break must never be doubled.
    std::string text;
    for (int i = 0; text.size() < 64 * 1024; ++i)
        text += "line " + std::to_string(i) + " of a long copied text\r\n";
    ASSERT_TRUE(PutClipboardText(nullptr, text)); // ANSI text only, as many programs copy
    ASSERT_TRUE(Pane().Paste());
    EXPECT_EQ(Pane().GetTextLength(), static_cast<long>(text.size()));
    EXPECT_EQ(Pane().GetPlainText(), text);
}

TEST_F(RichEdit, SelectionAndFirstCharacters) {
    Pane().SetText("Hello world");
    EXPECT_EQ(Pane().GetFirstChars(5), "Hello");
    EXPECT_EQ(Pane().GetFirstChars(54), "Hello world");
    EXPECT_EQ(Pane().GetFirstChars(0), "");

    long start = -1, end = -1;
    Pane().SetSel(6, 11);
    Pane().GetSel(start, end);
    EXPECT_EQ(start, 6);
    EXPECT_EQ(end, 11);
    ASSERT_TRUE(Pane().Copy());
    EXPECT_EQ(ClipboardText(), "world");

    // Selecting all selects the text, not the end-of-document mark that this control counts.
    Pane().SetSel(0, -1);
    Pane().GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 11);
    ASSERT_TRUE(Pane().Copy());
    EXPECT_EQ(ClipboardText(), "Hello world");
    const HWND pane = static_cast<pw::RichEditView&>(Pane()).Window();
    SendMessageA(pane, EM_SETSEL, 0, -1); // as Ctrl+A in the pane does
    Pane().GetSel(start, end);
    EXPECT_EQ(end, 11);
    ASSERT_TRUE(Pane().Copy());
    EXPECT_EQ(ClipboardText(), "Hello world");

    Pane().SetSel(3, 3);
    EXPECT_FALSE(Pane().Copy()) << "nothing selected, nothing copied";
}

TEST_F(RichEdit, PlainCopyPutsOnlyTextOnTheClipboard) {
    ASSERT_TRUE(StreamInAll(Pane(), platform::StreamFormat::Rtf, kFormattedRtf));
    Pane().SetSel(0, -1);
    ASSERT_TRUE(Pane().Copy());
    ASSERT_TRUE(ClipboardHasRtf());

    ASSERT_TRUE(dialog_->CopyPlainText("abcdef", 1, 4));
    EXPECT_EQ(ClipboardText(), "bcd");
    EXPECT_FALSE(ClipboardHasRtf());
    ASSERT_TRUE(dialog_->CopyPlainText("whole text", 3, 3));
    EXPECT_EQ(ClipboardText(), "whole text");
}

TEST_F(RichEdit, DefaultCharacterFormatRoundTripsAndReachesTheRtf) {
    platform::CharFormat format = Pane().GetDefaultCharFormat();
    EXPECT_FALSE(format.face.empty());
    format.face = "Courier New";
    format.heightTwips = 240;
    format.color = RGB(0, 0, 255);
    format.effects = CFE_BOLD;
    format.mask = CFM_FACE | CFM_SIZE | CFM_COLOR | CFM_BOLD;
    Pane().SetDefaultCharFormat(format);

    const platform::CharFormat read = Pane().GetDefaultCharFormat();
    EXPECT_EQ(read.face, "Courier New");
    EXPECT_EQ(read.heightTwips, 240);
    EXPECT_EQ(read.color, static_cast<std::uint32_t>(RGB(0, 0, 255)));
    EXPECT_TRUE(read.effects & CFE_BOLD);

    Pane().SetText("formatted");
    const std::string rtf = StreamOutAll(Pane(), platform::StreamFormat::Rtf);
    EXPECT_NE(rtf.find("Courier New"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\red0\\green0\\blue255"), std::string::npos) << rtf;
}

TEST_F(RichEdit, ChangeNoticesOnlyOnceEnabled) {
    const HWND pane = static_cast<pw::RichEditView&>(Pane()).Window();
    events_.Take();
    SendMessageA(pane, WM_CHAR, 'x', 0);
    EXPECT_FALSE(events_.Saw("command 1000 768"));

    Pane().EnableChangeNotifications();
    SendMessageA(pane, WM_CHAR, 'y', 0);
    EXPECT_TRUE(events_.Saw("command 1000 768")) << "typing";
    events_.Take();
    ASSERT_TRUE(PutClipboardText(dialog_->Window(), "pasted"));
    Pane().Paste();
    EXPECT_TRUE(events_.Saw("command 1000 768")) << "pasting";
    events_.Take();
    Pane().SetText("");
    EXPECT_TRUE(events_.Saw("command 1000 768")) << "emptying";
    events_.Take();
    ASSERT_TRUE(StreamInAll(Pane(), platform::StreamFormat::Rtf, kFormattedRtf));
    EXPECT_TRUE(events_.Saw("command 1000 768")) << "streaming in";
}

TEST_F(RichEdit, EmptyingALongTextLeavesAPaneLikeTheFirst) {
    // Emptying a long text makes a new control: it must stand where the old one stood and be
    // set up as it was, and a short text must not.
    platform::CharFormat format = Pane().GetDefaultCharFormat();
    format.face = "Courier New";
    format.heightTwips = 240;
    format.color = RGB(0, 0, 255);
    format.mask = CFM_FACE | CFM_SIZE | CFM_COLOR;
    Pane().SetDefaultCharFormat(format);
    Pane().EnableChangeNotifications();
    const HWND first = GetDlgItem(dialog_->Window(), IDC_CONTENTS);
    const HWND before = GetWindow(first, GW_HWNDPREV), after = GetWindow(first, GW_HWNDNEXT);
    RECT firstPlace{};
    GetWindowRect(first, &firstPlace);
    const LRESULT firstFont = SendMessageA(first, WM_GETFONT, 0, 0);
    constexpr LONG kStyles =
        ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_TABSTOP | WS_VISIBLE;
    const LONG firstStyles = GetWindowLongA(first, GWL_STYLE) & kStyles;

    struct Case {
        const char* what;
        std::string longText;
        bool streamed;
    };
    const Case cases[] = {{"short lines set as text", LargeText(40000), false},
                          {"one long line streamed in", std::string(70000, 'x'), true}};
    for (const Case& c : cases) {
        if (c.streamed)
            ASSERT_TRUE(StreamInAll(Pane(), platform::StreamFormat::Text, c.longText)) << c.what;
        else
            Pane().SetText(c.longText);
        ASSERT_EQ(Pane().GetTextLength(), static_cast<long>(c.longText.size())) << c.what;
        Pane().SetFocus();
        const HWND old = GetDlgItem(dialog_->Window(), IDC_CONTENTS);
        events_.Take();
        Pane().SetText("short");

        const HWND pane = GetDlgItem(dialog_->Window(), IDC_CONTENTS);
        EXPECT_NE(pane, old) << c.what;
        EXPECT_FALSE(IsWindow(old)) << c.what;
        EXPECT_EQ(static_cast<pw::RichEditView&>(Pane()).Window(), pane) << c.what;
        EXPECT_EQ(Pane().GetPlainText(), "short") << c.what;
        EXPECT_TRUE(events_.Saw("command 1000 768")) << c.what << ": the change is told";
        EXPECT_EQ(GetFocus(), pane) << c.what;
        EXPECT_EQ(GetWindow(pane, GW_HWNDPREV), before) << c.what << ": tab order";
        EXPECT_EQ(GetWindow(pane, GW_HWNDNEXT), after) << c.what << ": tab order";
        RECT place{};
        GetWindowRect(pane, &place);
        EXPECT_TRUE(EqualRect(&place, &firstPlace)) << c.what;
        EXPECT_EQ(SendMessageA(pane, WM_GETFONT, 0, 0), firstFont) << c.what;
        EXPECT_EQ(GetWindowLongA(pane, GWL_STYLE) & kStyles, firstStyles) << c.what;
        const platform::CharFormat read = Pane().GetDefaultCharFormat();
        EXPECT_EQ(read.face, "Courier New") << c.what;
        EXPECT_EQ(read.heightTwips, 240) << c.what;
        EXPECT_EQ(read.color, static_cast<std::uint32_t>(RGB(0, 0, 255))) << c.what;
    }
    // The new control takes long texts again, beyond the default limit.
    const std::string big = LargeText(100000);
    Pane().SetText(big);
    EXPECT_EQ(Pane().GetTextLength(), static_cast<long>(big.size()));

    Pane().SetText("short");
    const HWND renewed = GetDlgItem(dialog_->Window(), IDC_CONTENTS);
    Pane().SetText("another short text");
    EXPECT_EQ(GetDlgItem(dialog_->Window(), IDC_CONTENTS), renewed) << "a short text stays";
}

TEST_F(RichEdit, ACallbacksExceptionReachesTheCaller) {
    Pane().SetText("some text");
    EXPECT_THROW(Pane().StreamOut(platform::StreamFormat::Rtf,
                                  [](const char*, long) { throw std::bad_alloc(); }),
                 std::bad_alloc);
    EXPECT_THROW(Pane().StreamIn(platform::StreamFormat::Text,
                                 [](char*, long) -> long { throw std::bad_alloc(); }),
                 std::bad_alloc);
    Pane().SetText("still usable");
    EXPECT_EQ(Pane().GetPlainText(), "still usable");
}

TEST_F(RichEdit, AHiddenPaneGoesWithItsObject) {
    auto hidden = dialog_->CreateHiddenRichEdit();
    ASSERT_TRUE(hidden);
    const HWND window = dynamic_cast<pw::RichEditView&>(*hidden).Window();
    EXPECT_TRUE(IsWindow(window));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(GetParent(window), dialog_->Window());
    EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & ES_MULTILINE);
    hidden.reset();
    EXPECT_FALSE(IsWindow(window));
}

} // namespace
} // namespace qv::win32test
