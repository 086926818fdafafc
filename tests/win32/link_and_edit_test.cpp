// Links and read-only fields on the real platform: what the back end makes of them whatever the
// template says, how they paint, and what a click on a link delivers.
#include "test_dialogs.h"
#include "win32/win32_link.h"
#include "win32_fixture.h"
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace qv::win32test {
namespace {

class KindsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        pw::Win32Platform& platform = TestPlatform();
        dialog_ = pw::Win32Dialog::Create(platform.Instance(), KindsDialog(), nullptr, events_,
                                          platform.Loop());
        ASSERT_TRUE(dialog_);
        log_.Take();
    }
    HWND Item(int id) const { return GetDlgItem(dialog_->Window(), id); }
    // What the dialog answers when the control asks for its colours, on a memory context.
    struct Colours {
        INT_PTR brush = 0;
        COLORREF text = 0, background = 0;
        bool underlined = false;
    };
    Colours AskColours(int id) {
        Colours c;
        const HDC dc = CreateCompatibleDC(nullptr);
        SetTextColor(dc, RGB(1, 2, 3));
        SetBkColor(dc, RGB(4, 5, 6));
        c.brush = SendMessageA(dialog_->Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                               reinterpret_cast<LPARAM>(Item(id)));
        c.text = GetTextColor(dc);
        c.background = GetBkColor(dc);
        LOGFONTA font{};
        if (GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font))
            c.underlined = font.lfUnderline != 0;
        DeleteDC(dc);
        return c;
    }
    RecordingEvents log_;
    RecordingDialogEvents events_{log_};
    std::unique_ptr<pw::Win32Dialog> dialog_;
};

TEST_F(KindsTest, ReadOnlyFieldIsReadOnlyAndBlackOnWhiteEvenWithoutTheStyle) {
    EXPECT_TRUE(dialog_->Edit(IDC_TEST_EDIT).IsReadOnly());
    SendMessageA(Item(IDC_TEST_EDIT), WM_CHAR, 'x', 1);
    EXPECT_EQ(dialog_->Edit(IDC_TEST_EDIT).GetText(), "not read-only");
    const Colours c = AskColours(IDC_TEST_EDIT);
    EXPECT_EQ(c.brush, reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(c.text, RGB(0, 0, 0));
    EXPECT_EQ(c.background, RGB(255, 255, 255));
    // Its own copy puts exactly the selection on the clipboard.
    dialog_->Edit(IDC_TEST_EDIT).SetSel(4, 8);
    ASSERT_TRUE(dialog_->Edit(IDC_TEST_EDIT).Copy());
    EXPECT_EQ(ClipboardText(), "read");
}

// The view reports a copy only when the clipboard was written: not for an empty selection, and
// while another thread holds the clipboard open exactly when the control's copy still got
// through (Windows refuses it; Wine lets SetClipboardData pass).
TEST_F(KindsTest, ACopyIsReportedOnlyWhenTheClipboardWasWritten) {
    ASSERT_TRUE(PutClipboardText(nullptr, "before"));
    enum { kPending, kHeld, kRefused };
    std::atomic<int> holder{kPending};
    std::atomic<bool> done{false};
    std::thread other([&] {
        holder = OpenClipboard(nullptr) ? kHeld : kRefused;
        while (!done)
            Sleep(5);
        if (holder == kHeld)
            CloseClipboard();
    });
    while (holder == kPending)
        Sleep(5);
    platform::IEdit& field = dialog_->Edit(IDC_TEST_EDIT);
    field.SetSel(4, 8);
    const bool copied = field.Copy();
    done = true;
    other.join();
    ASSERT_EQ(holder.load(), kHeld);
    EXPECT_EQ(copied, ClipboardText() == "read");

    ASSERT_TRUE(PutClipboardText(nullptr, "before"));
    field.SetSel(2, 2);
    EXPECT_FALSE(field.Copy()) << "nothing selected";
    EXPECT_EQ(ClipboardText(), "before");
    field.SetSel(4, 8);
    EXPECT_TRUE(field.Copy());
    EXPECT_EQ(ClipboardText(), "read");
}

TEST_F(KindsTest, TextLinkPaintsUnderlinedInItsColourAndTurnsPurple) {
    platform::ILink& link = dialog_->Link(IDC_TEST_TEXT_LINK);
    Colours c = AskColours(IDC_TEST_TEXT_LINK);
    EXPECT_EQ(c.brush, reinterpret_cast<INT_PTR>(GetStockObject(HOLLOW_BRUSH)));
    EXPECT_EQ(c.text, RGB(0, 0, 255));
    EXPECT_TRUE(c.underlined);
    link.SetLinkColour(RGB(128, 0, 128));
    c = AskColours(IDC_TEST_TEXT_LINK);
    EXPECT_EQ(c.text, RGB(128, 0, 128));
    EXPECT_TRUE(c.underlined) << "the link stays underlined once visited";
    EXPECT_EQ(link.LinkColour(), RGB(128, 0, 128));
    // The control draws with the underlined font itself, whenever it selects its font.
    LOGFONTA font{};
    const auto own =
        reinterpret_cast<HGDIOBJ>(SendMessageA(Item(IDC_TEST_TEXT_LINK), WM_GETFONT, 0, 0));
    ASSERT_TRUE(own && GetObjectA(own, sizeof font, &font));
    EXPECT_TRUE(font.lfUnderline);
}

TEST_F(KindsTest, LinksTakeClicksShowTheHandAndReportTheClick) {
    for (int id : {IDC_TEST_TEXT_LINK, IDC_TEST_ICON_LINK}) {
        SCOPED_TRACE(id);
        const HWND link = Item(id);
        EXPECT_EQ(SendMessageA(link, WM_NCHITTEST, 0, MAKELPARAM(1, 1)), HTCLIENT);
        SetCursor(nullptr);
        EXPECT_TRUE(SendMessageA(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
                                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
        EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)));
        SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        EXPECT_EQ(log_.Take(), std::vector<std::string>{"command " + std::to_string(id) + " 0"});
    }
}

TEST_F(KindsTest, IconLinkDrawsAsAnIcon) {
    // The dialog's own colours, not the link's.
    const Colours c = AskColours(IDC_TEST_ICON_LINK);
    EXPECT_NE(c.brush, reinterpret_cast<INT_PTR>(GetStockObject(HOLLOW_BRUSH)));
    EXPECT_NE(c.text, RGB(0, 0, 255));
    EXPECT_FALSE(c.underlined);
    EXPECT_TRUE(SendMessageA(Item(IDC_TEST_ICON_LINK), STM_GETICON, 0, 0) != 0);
}

TEST(CaseInsensitiveCompare, AsTheDropDownCompares) {
    struct Case {
        const char* a;
        const char* b;
        bool equal;
    };
    const pw::Win32CodePage codePage;
    for (const Case& c :
         {Case{"caf\xC3\xA9", "CAF\xC3\x89", true}, Case{"Hello World", "hELLO wORLD", true},
          Case{"abc", "abd", false}, Case{"abc", "abcd", false}, Case{"", "", true}}) {
        EXPECT_EQ(codePage.EqualIgnoringCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
    }
}

} // namespace
} // namespace qv::win32test
