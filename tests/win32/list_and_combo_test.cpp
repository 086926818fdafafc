// The History list box and the Search combo box as the real controls answer.
#include "win32_fixture.h"
#include <gtest/gtest.h>

namespace qv::win32test {
namespace {

class ListAndCombo : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog_ = OpenDialog(events_);
        ASSERT_TRUE(dialog_);
    }
    platform::IListBox& List() { return dialog_->ListBox(IDC_HISTORY); }
    platform::IComboBox& Combo() { return dialog_->ComboBox(IDC_SEARCH); }
    void Fill(std::initializer_list<const char*> lines) {
        for (const char* line : lines)
            List().AddString(line);
    }
    RecordingEvents events_;
    std::unique_ptr<pw::Win32Dialog> dialog_;
};

TEST_F(ListAndCombo, BadIndexesGiveTheErrorResults) {
    using platform::IListBox;
    std::string text = "unchanged";
    void* data = nullptr;
    EXPECT_EQ(List().GetTextLen(0), IListBox::kError);
    EXPECT_FALSE(List().GetLineText(0, text));
    EXPECT_EQ(text, "unchanged");
    EXPECT_EQ(List().DeleteString(0), IListBox::kError);
    EXPECT_FALSE(List().SetItemData(0, &text));
    EXPECT_FALSE(List().GetItemData(0, data));
    EXPECT_EQ(List().InsertString(1, "beyond the end"), IListBox::kError);
    EXPECT_FALSE(List().SetSel(0, true));

    Fill({"one"});
    EXPECT_EQ(List().GetTextLen(1), IListBox::kError);
    EXPECT_EQ(List().GetTextLen(-1), IListBox::kError);
    EXPECT_EQ(List().DeleteString(5), IListBox::kError);
    EXPECT_FALSE(List().SetSel(3, true));
    EXPECT_EQ(List().GetCount(), 1);
}

TEST_F(ListAndCombo, LinesKeepTheirOrderTextAndData) {
    EXPECT_EQ(List().AddString("first"), 0);
    const std::string unicode = "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"; // 11 bytes of 6
    EXPECT_EQ(List().AddString(unicode), 1);
    EXPECT_EQ(List().InsertString(1, "between"), 1);
    EXPECT_EQ(List().InsertString(-1, "appended"), 3);
    EXPECT_EQ(List().GetCount(), 4);

    std::string text;
    ASSERT_TRUE(List().GetLineText(2, text));
    EXPECT_EQ(text, unicode);
    EXPECT_EQ(List().GetTextLen(2), static_cast<int>(unicode.size()));

    int payload = 42;
    ASSERT_TRUE(List().SetItemData(3, &payload));
    void* data = nullptr;
    ASSERT_TRUE(List().GetItemData(3, data));
    EXPECT_EQ(data, &payload);

    EXPECT_EQ(List().DeleteString(0), 3);
    ASSERT_TRUE(List().GetItemData(2, data)) << "data moves with its line";
    EXPECT_EQ(data, &payload);
    List().ResetContent();
    EXPECT_EQ(List().GetCount(), 0);
}

TEST_F(ListAndCombo, ExtendedSelectionAndCaret) {
    Fill({"a", "b", "c", "d"});
    ASSERT_TRUE(List().SetSel(-1, true));
    EXPECT_EQ(List().GetSelCount(), 4);
    EXPECT_EQ(List().GetSelItems(), (std::vector<int>{0, 1, 2, 3}));
    ASSERT_TRUE(List().SetSel(-1, false));
    EXPECT_EQ(List().GetSelCount(), 0);
    EXPECT_TRUE(List().GetSelItems().empty());

    ASSERT_TRUE(List().SetSel(1, true));
    ASSERT_TRUE(List().SetSel(3, true));
    EXPECT_EQ(List().GetSelItems(), (std::vector<int>{1, 3}));
    EXPECT_TRUE(List().IsSelected(3));
    EXPECT_FALSE(List().IsSelected(2));
    EXPECT_FALSE(List().IsSelected(9));

    ASSERT_TRUE(List().SetCaretIndex(2));
    EXPECT_EQ(List().GetCaretIndex(), 2);
    EXPECT_EQ(List().GetTopIndex(), 0);
}

TEST_F(ListAndCombo, HoldsMoreLinesThanASixteenBitIndex) {
    // The program drops its oldest lines when adding answers kNoRoom; this platform has no line
    // limit, so that answer never comes and indexes go past 32767.
    constexpr int kLines = 33000;
    SendMessageA(static_cast<pw::ListBoxView&>(List()).Window(), WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < kLines; ++i)
        ASSERT_EQ(List().AddString("line " + std::to_string(i)), i);
    EXPECT_EQ(List().GetCount(), kLines);
    std::string text;
    ASSERT_TRUE(List().GetLineText(32768, text));
    EXPECT_EQ(text, "line 32768");
}

TEST_F(ListAndCombo, HorizontalExtentAndTextWidthInTheListsFont) {
    List().SetHorizontalExtent(640);
    EXPECT_EQ(List().GetHorizontalExtent(), 640);

    int empty = -1, one = 0, four = 0, narrow = 0;
    ASSERT_TRUE(List().MeasureText("", empty));
    ASSERT_TRUE(List().MeasureText("W", one));
    ASSERT_TRUE(List().MeasureText("WWWW", four));
    ASSERT_TRUE(List().MeasureText("iiii", narrow));
    EXPECT_EQ(empty, 0);
    EXPECT_GT(one, 0);
    EXPECT_GE(four, 3 * one);
    EXPECT_LT(narrow, four) << "the list's font is proportional";

    // The bare drawing context holds the System font; the measurement must not use it.
    const std::string sample = "Clipboard history line for measuring";
    int inListFont = 0;
    ASSERT_TRUE(List().MeasureText(sample, inListFont));
    const HWND list = static_cast<pw::ListBoxView&>(List()).Window();
    const HDC dc = GetDC(list);
    SIZE systemSize{};
    GetTextExtentPoint32A(dc, sample.c_str(), static_cast<int>(sample.size()), &systemSize);
    ReleaseDC(list, dc);
    EXPECT_NE(inListFont, systemSize.cx);
}

TEST_F(ListAndCombo, AFrozenListMeasuresAsTheSystemDoes) {
    // A frozen list sums its font's character widths for ASCII text; the sum must be the
    // system's own measure, and other text goes to the system as before.
    const char* const texts[] = {"",
                                 "W",
                                 "Clipboard history line, with (punctuation) & [brackets]!",
                                 "tab\there and ~tilde~ `quote` {brace} |bar|",
                                 "Gr\xc3\xb6\xc3\x9f"
                                 "e und \xe2\x82\xac 20",
                                 "AV Wa To LT fi ff"};
    const HWND list = static_cast<pw::ListBoxView&>(List()).Window();
    for (const char* text : texts) {
        int live = -1, frozen = -2;
        ASSERT_TRUE(List().MeasureText(text, live)) << text;
        List().SetRedraw(false);
        ASSERT_TRUE(List().MeasureText(text, frozen)) << text;
        List().SetRedraw(true);
        EXPECT_EQ(frozen, live) << text;
    }
    // The font changed while frozen: the held widths are not used for the new one.
    List().SetRedraw(false);
    int before = 0, after = 0;
    ASSERT_TRUE(List().MeasureText("WWWW", before));
    const pw::UniqueGdiObject big(
        CreateFontA(40, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma"));
    const WPARAM old = static_cast<WPARAM>(SendMessageA(list, WM_GETFONT, 0, 0));
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(big.get()), FALSE);
    ASSERT_TRUE(List().MeasureText("WWWW", after));
    SendMessageA(list, WM_SETFONT, old, FALSE);
    List().SetRedraw(true);
    EXPECT_GT(after, before);
}

TEST_F(ListAndCombo, ComboBoxItemsAndCurrentSelection) {
    EXPECT_EQ(Combo().AddString("first term"), 0);
    EXPECT_EQ(Combo().AddString("second term"), 1);
    EXPECT_EQ(Combo().GetCount(), 2);
    std::string text;
    ASSERT_TRUE(Combo().GetLBText(1, text));
    EXPECT_EQ(text, "second term");
    EXPECT_FALSE(Combo().GetLBText(2, text));

    EXPECT_EQ(Combo().GetCurSel(), -1);
    Combo().SetCurSel(1);
    EXPECT_EQ(Combo().GetCurSel(), 1);
    EXPECT_EQ(Combo().GetText(), "second term");
    Combo().SetCurSel(-1);
    EXPECT_EQ(Combo().GetCurSel(), -1);

    EXPECT_EQ(Combo().DeleteString(0), 1);
    EXPECT_EQ(Combo().DeleteString(4), -1);
    Combo().ResetContent();
    EXPECT_EQ(Combo().GetCount(), 0);
}

} // namespace
} // namespace qv::win32test
