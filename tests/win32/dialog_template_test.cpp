// The main window's template as the real dialog manager builds it: every control of the table,
// in tab order, with its class, text, start state and place.
#include "win32_fixture.h"
#include <gtest/gtest.h>

namespace qv::win32test {
namespace {

struct TemplateRow {
    const char* className;
    int id;
    const char* text;
    RECT units; // left, top, width, height in dialog units
    unsigned flags;
};

constexpr unsigned QVF_NONE = 0;
constexpr unsigned QVF_DISABLED = 1;
constexpr unsigned QVF_RIGHT = 0;
constexpr unsigned QVF_CENTER = 0;
constexpr unsigned QVF_SUNKEN = 0;
constexpr const char* kClass_LABEL = "Static";
constexpr const char* kClass_RICHEDIT = "RICHEDIT";
constexpr const char* kClass_BUTTON = "Button";
constexpr const char* kClass_CHECKBOX = "Button";
constexpr const char* kClass_LISTBOX = "ListBox";
constexpr const char* kClass_COMBO = "ComboBox";

#define QV_CONTROL(kind, id, text, x, y, w, h, flags)                                              \
    {kClass_##kind, id, text, {x, y, w, h}, flags},
const TemplateRow kMainRows[] = {
#include "main_dialog.def"
};
#undef QV_CONTROL

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

RECT ClientRectOf(HWND control, HWND dialog) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST(MainTemplate, HasEveryControlInTabOrderWithClassTextStateAndPlace) {
    RecordingEvents events;
    auto dialog = OpenDialog(events);
    ASSERT_TRUE(dialog);
    const HWND window = dialog->Window();

    HWND child = GetWindow(window, GW_CHILD);
    for (const TemplateRow& row : kMainRows) {
        SCOPED_TRACE(std::string("control ") + std::to_string(row.id) + " \"" + row.text + "\"");
        ASSERT_NE(child, nullptr) << "the dialog has fewer controls than the table";
        EXPECT_EQ(GetDlgCtrlID(child) & 0xFFFF, row.id & 0xFFFF);
        EXPECT_EQ(lstrcmpiA(ClassOf(child).c_str(), row.className), 0) << ClassOf(child);
        if (row.className != kClass_RICHEDIT) {
            EXPECT_EQ(pw::WindowText(child), row.text);
        }
        EXPECT_EQ(IsWindowEnabled(child) != FALSE, (row.flags & QVF_DISABLED) == 0);
        const bool isLabel = row.className == kClass_LABEL;
        EXPECT_EQ((GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) != 0, !isLabel);

        // The dialog manager converts the position and the size each on its own.
        RECT expected = row.units;
        ASSERT_TRUE(MapDialogRect(window, &expected));
        const RECT actual = ClientRectOf(child, window);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right - actual.left, expected.right);
        // A drop-down combo box is as tall as its edit field; the template height is its list's.
        if (row.className != kClass_COMBO) {
            EXPECT_EQ(actual.bottom - actual.top, expected.bottom);
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "the dialog has more controls than the table";
}

TEST(MainTemplate, IsAFixedSizeWindowWithCaptionMinimizeBoxAndTaskbarButton) {
    RecordingEvents events;
    auto dialog = OpenDialog(events);
    ASSERT_TRUE(dialog);
    const HWND window = dialog->Window();
    EXPECT_EQ(dialog->GetTitle(), "Quorvane");
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);

    RECT expected{0, 0, QV_MAIN_WIDTH, QV_MAIN_HEIGHT};
    ASSERT_TRUE(MapDialogRect(window, &expected));
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, expected.right);
    EXPECT_EQ(client.bottom, expected.bottom);
}

TEST(ControlViews, ReadAndChangeTheRealControls) {
    RecordingEvents events;
    auto dialog = OpenDialog(events);
    ASSERT_TRUE(dialog);

    platform::IButton& watch = dialog->Button(IDC_WATCH);
    EXPECT_FALSE(watch.IsChecked());
    watch.SetChecked(true);
    EXPECT_TRUE(watch.IsChecked());
    EXPECT_EQ(SendDlgItemMessageA(dialog->Window(), IDC_WATCH, BM_GETCHECK, 0, 0), BST_CHECKED);
    watch.SetChecked(false);
    EXPECT_FALSE(watch.IsChecked());

    platform::IControl& previous = dialog->Button(IDC_PREVIOUS);
    EXPECT_FALSE(previous.IsEnabled());
    previous.Enable(true);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog->Window(), IDC_PREVIOUS)));

    platform::ILabel& count = dialog->Label(IDC_ITEM_COUNT);
    count.SetText("1,234 items");
    EXPECT_EQ(count.GetText(), "1,234 items");
    count.SetVisible(false);
    EXPECT_FALSE(GetWindowLongA(GetDlgItem(dialog->Window(), IDC_ITEM_COUNT), GWL_STYLE) &
                 WS_VISIBLE);
    count.SetVisible(true);
    EXPECT_TRUE(GetWindowLongA(GetDlgItem(dialog->Window(), IDC_ITEM_COUNT), GWL_STYLE) &
                WS_VISIBLE);

    // The same control asked for twice is the same view.
    EXPECT_EQ(&dialog->Button(IDC_WATCH), &watch);

    dialog->SetTitle("Hello - Quorvane");
    EXPECT_EQ(dialog->GetTitle(), "Hello - Quorvane");
}

} // namespace
} // namespace qv::win32test

namespace qv::win32test {
namespace {

TEST(MainTemplate, SearchFieldTakesNoMoreThanItShows) {
    RecordingEvents events;
    auto dialog = OpenDialog(events);
    ASSERT_TRUE(dialog);
    const HWND field = GetWindow(GetDlgItem(dialog->Window(), IDC_SEARCH), GW_CHILD);
    ASSERT_NE(field, nullptr);
    constexpr int kTyped = 200;
    for (int i = 0; i < kTyped; ++i)
        SendMessageA(field, WM_CHAR, 'W', 1);
    const int kept = GetWindowTextLengthA(field);
    EXPECT_GT(kept, 0);
    EXPECT_LT(kept, kTyped); // the field does not scroll sideways to take the rest
}

} // namespace
} // namespace qv::win32test
