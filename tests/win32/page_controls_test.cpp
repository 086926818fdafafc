// The controls the Options pages use that no other dialog has: the track bar with its range and
// steps, the one-character field and the drop-down list without an edit field.
#include "win32_fixture.h"
#include <commctrl.h>
#include <gtest/gtest.h>

namespace qv::win32test {
namespace {

// A page is a child window: it opens inside a hidden window of its own.
class PageControls : public ::testing::Test {
  protected:
    std::unique_ptr<pw::Win32Dialog> Open(int templateId) {
        parent_.reset(CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                                      nullptr, nullptr));
        return OpenDialog(events_, templateId, parent_.get());
    }
    RecordingEvents log_;
    RecordingDialogEvents events_{log_};
    pw::UniqueWindow parent_;
};

TEST_F(PageControls, TrackBarKeepsItsRangeAndSteps) {
    auto page = Open(IDD_OPTIONS_SEARCHING);
    ASSERT_TRUE(page);
    platform::ITrackBar& bar = page->TrackBar(IDC_SEARCHING_SEPARATION);
    bar.SetRange(1, 9);
    bar.SetStepSizes(1, 1);
    const HWND control = GetDlgItem(page->Window(), IDC_SEARCHING_SEPARATION);
    EXPECT_EQ(SendMessageA(control, TBM_GETLINESIZE, 0, 0), 1);
    EXPECT_EQ(SendMessageA(control, TBM_GETPAGESIZE, 0, 0), 1);
    const std::pair<int, int> positions[] = {{4, 4}, {15, 9}, {0, 1}};
    for (const auto& p : positions) {
        bar.SetPos(p.first);
        EXPECT_EQ(bar.GetPos(), p.second) << p.first;
    }
}

// Clear Search List goes grey once pressed; the focus it had goes on within the page.
TEST_F(PageControls, ADisabledButtonPassesTheFocusToTheNextTabStop) {
    auto page = Open(IDD_OPTIONS_SEARCHING);
    ASSERT_TRUE(page);
    platform::IButton& clear = page->Button(IDC_SEARCHING_CLEAR);
    clear.Enable(true);
    clear.SetFocus();
    const HWND button = GetDlgItem(page->Window(), IDC_SEARCHING_CLEAR);
    ASSERT_EQ(GetFocus(), button);
    clear.Enable(false);
    const HWND focus = GetFocus();
    ASSERT_NE(focus, button);
    EXPECT_TRUE(focus && IsWindowEnabled(focus));
    EXPECT_EQ(GetDlgCtrlID(focus), IDC_SEARCHING_FIRST);
    // A control without the focus is disabled without moving it.
    page->Control(IDC_SEARCHING_SEPARATION).Enable(false);
    EXPECT_EQ(GetFocus(), focus);
}

TEST_F(PageControls, TheOtherFieldTakesOneCharacterAndTheListsNoText) {
    auto numbers = Open(IDD_OPTIONS_NUMBERS);
    ASSERT_TRUE(numbers);
    numbers->Edit(IDC_NUMBERS_OTHER_TEXT).SetLimitText(1);
    const HWND field = GetDlgItem(numbers->Window(), IDC_NUMBERS_OTHER_TEXT);
    EXPECT_EQ(SendMessageA(field, EM_GETLIMITTEXT, 0, 0), 1);
    EXPECT_TRUE(GetWindowLongA(field, GWL_STYLE) & ES_CENTER);
    numbers.reset();

    auto misc = Open(IDD_OPTIONS_MISC);
    ASSERT_TRUE(misc);
    const HWND list = GetDlgItem(misc->Window(), IDC_MISC_HISTORY_LIMIT);
    EXPECT_EQ(GetWindowLongA(list, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    platform::IComboBox& view = misc->ComboBox(IDC_MISC_HISTORY_LIMIT);
    view.AddString("50");
    view.AddString("100");
    view.SetCurSel(1);
    EXPECT_EQ(view.GetText(), "100");
    view.SetCurSel(-1);
    EXPECT_EQ(view.GetCurSel(), -1);
}

} // namespace
} // namespace qv::win32test
