// The Tip of the Day and its topic chooser on the real controls: the first tip centred in the
// field's own font, the number drop-down, and the chooser's sort rules in the real list view.
#include "help/tip_dialog.h"
#include "help/topic_dialog.h"
#include "resource.h"
#include "win32/win32_handles.h"
#include "win32_fixture.h"
#include <commctrl.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qv::win32test {
namespace {

int TextWidth(HWND control, const std::string& text) {
    const pw::WindowDC dc(control);
    const pw::SelectedObject font(
        dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc.get(), text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

TEST(TipDialogOnWindows, ShowsTheFirstTipCentredWithItsNumbers) {
    CTipDialog tip(TestPlatform(), 1, 0);
    const auto dialog = OpenDialog(tip, IDD_TIP);
    ASSERT_TRUE(dialog);
    const HWND window = dialog->Window();
    const HWND field = GetDlgItem(window, IDC_TIP_TEXT);
    const std::string text = pw::WindowText(field);
    const std::string line = "Welcome to Quorvane " QV_VERSION_TEXT ".";
    const std::size_t at = text.find(line + "\r\n");
    ASSERT_NE(at, std::string::npos) << text;
    EXPECT_EQ(text.find_first_not_of(' '), at) << "only spaces stand before the first line";
    RECT client{};
    GetClientRect(field, &client);
    const int space = TextWidth(field, " ");
    const int left = int(at) * space;
    const int right = client.right - left - TextWidth(field, line);
    EXPECT_GT(at, 0u);
    EXPECT_LE(std::abs(right - left), 2 * space) << "as much room on either side";

    EXPECT_EQ(SendDlgItemMessageA(window, IDC_TIP_NUMBER, CB_GETCOUNT, 0, 0), 23);
    EXPECT_EQ(SendDlgItemMessageA(window, IDC_TIP_NUMBER, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(pw::WindowText(GetDlgItem(window, IDC_TIP_OF_COUNT)), "of 23");
    EXPECT_EQ(pw::WindowText(GetDlgItem(window, IDC_TIP_TOPIC)), "Introduction");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_TIP_PREVIOUS)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window, IDC_TIP_LAST)));
    EXPECT_TRUE(GetWindowLongA(field, GWL_STYLE) & ES_READONLY);
}

// Space on a paging button that the new tip disables: the dialog manager would leave the focus
// on the disabled button, where no key does anything; it goes on to the next tab stop instead.
TEST(TipDialogOnWindows, SpaceOnAButtonThatBecomesDisabledLeavesTheFocusOnAnEnabledOne) {
    const struct {
        int start, pressed, focused;
    } cases[] = {
        {21, IDC_TIP_NEXT, IDC_TIP_STARTUP}, // &Last goes grey as well
        {1, IDC_TIP_PREVIOUS, IDC_TIP_NEXT},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pressed);
        CTipDialog tip(TestPlatform(), 1, c.start);
        const auto dialog = OpenDialog(tip, IDD_TIP);
        ASSERT_TRUE(dialog);
        const HWND button = GetDlgItem(dialog->Window(), c.pressed);
        SetFocus(button);
        ASSERT_EQ(GetFocus(), button);
        SendMessageA(button, WM_KEYDOWN, VK_SPACE, 0x00390001);
        SendMessageA(button, WM_KEYUP, VK_SPACE, 0xC0390001);
        EXPECT_FALSE(IsWindowEnabled(button)) << "the tip at the end was not reached";
        const HWND focus = GetFocus();
        EXPECT_EQ(GetDlgCtrlID(focus), c.focused);
        EXPECT_TRUE(focus && IsWindowEnabled(focus));
    }
}

TEST(TopicChooserOnWindows, TitleClicksSortTheRealListAndTheRowsOwnNumberIsChosen) {
    const std::vector<std::string> topics = {"Searching", "Home and End Keys", "Tip 10",
                                             "Introduction", "Tip 9"};
    CTopicDialog chooser(TestPlatform(), topics);
    chooser.SetSelection(2);
    const auto dialog = OpenDialog(chooser, IDD_TOPIC);
    ASSERT_TRUE(dialog);
    const HWND list = GetDlgItem(dialog->Window(), IDC_TOPIC_LIST);
    platform::IListView& view = dialog->ListView(IDC_TOPIC_LIST);
    const auto shown = [&] {
        std::vector<std::string> numbers;
        for (int row = 0; row < view.GetRowCount(); ++row)
            numbers.push_back(view.GetCellText(row, 1));
        return numbers;
    };
    using Rows = std::vector<std::string>;
    EXPECT_EQ(shown(), (Rows{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(view.GetCellText(2, 2), "Tip 10");
    EXPECT_EQ(view.GetSelectedRow(), 2);

    EXPECT_EQ(view.GetColumnWidth(0), 0);
    LVCOLUMNA column{};
    column.mask = LVCF_FMT;
    ASSERT_TRUE(SendMessageA(list, LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column)));
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);
    EXPECT_GT(view.GetColumnWidth(1), 0);
    EXPECT_EQ(view.GetColumnWidth(1) + view.GetColumnWidth(2),
              view.GetClientWidth() - GetSystemMetrics(SM_CXHTHUMB));

    const struct {
        int column;
        Rows expected;
    } clicks[] = {
        {2, {"2", "4", "1", "5", "3"}}, // ascending by topic, "Tip 9" before "Tip 10"
        {2, {"3", "5", "1", "4", "2"}}, // the same title again reverses
        {1, {"1", "2", "3", "4", "5"}}, // another title starts ascending
        {1, {"5", "4", "3", "2", "1"}},
    };
    for (const auto& click : clicks) {
        NMLISTVIEW notice{};
        notice.hdr.hwndFrom = list;
        notice.hdr.idFrom = IDC_TOPIC_LIST;
        notice.hdr.code = LVN_COLUMNCLICK;
        notice.iItem = -1;
        notice.iSubItem = click.column;
        SendMessageA(dialog->Window(), WM_NOTIFY, IDC_TOPIC_LIST,
                     reinterpret_cast<LPARAM>(&notice));
        EXPECT_EQ(shown(), click.expected) << "column " << click.column;
    }
    EXPECT_EQ(view.GetCellText(view.GetSelectedRow(), 2), "Tip 10") << "the selection moves along";

    view.SelectRow(1);
    SendMessageA(dialog->Window(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(chooser.Selection(), 3) << "tip number 4, the second row";
    EXPECT_EQ(view.GetRowCount(), 0) << "the rows went before the chooser ended";
}

} // namespace
} // namespace qv::win32test
