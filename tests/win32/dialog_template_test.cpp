// Every dialog's template as the real dialog manager builds it from the program's table: each
// control row in tab order, with the class and style its kind gives, its text, start state and
// place, and the frame its header row asks for.
#include "support/text_fit.h"
#include "win32/win32_control_kinds.h"
#include "win32_fixture.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <vector>

namespace qv::win32test {
namespace {

struct TemplateRow {
    const char* className;
    DWORD style;
    int id;
    const char* text;
    RECT units; // left, top, width, height in dialog units
};

struct TemplateDialog {
    int id;
    const char* caption;
    int width, height;
    DWORD style, exStyle;
    std::vector<TemplateRow> rows;
};

#define QV_DIALOG(id, caption, w, h, style, accelerators, icon, modality)                          \
    {                                                                                              \
        id, caption, w, h, QV_DIALOG_STYLE_##style, QV_DIALOG_EXSTYLE_##style, {
#define QV_CONTROL(kind, id, text, x, y, w, h, flags)                                              \
    {QV_KIND_CLASS_##kind, QV_KIND_STYLE_##kind | flags, id, text, {x, y, w, h}},
#define QV_DIALOG_END()                                                                            \
    }                                                                                              \
    }                                                                                              \
    ,
const TemplateDialog kDialogs[] = {
#include "dialogs.def"
};
#undef QV_DIALOG
#undef QV_CONTROL
#undef QV_DIALOG_END

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

// Events of the right interface for the dialog: the main window gets the main window's events.
// A property sheet's page is a child window: it is opened inside a hidden window of its own.
struct OpenedDialog {
    RecordingEvents log;
    RecordingDialogEvents dialogEvents{log};
    pw::UniqueWindow parent;
    std::unique_ptr<pw::Win32Dialog> dialog;
    explicit OpenedDialog(int templateId) {
        if (ProgramDialog(templateId).style == platform::DialogStyle::Page)
            parent.reset(CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 600, 400, nullptr,
                                         nullptr, nullptr, nullptr));
        if (templateId == IDD_MAIN)
            dialog = OpenDialog(log, templateId);
        else
            dialog = OpenDialog(dialogEvents, templateId, parent.get());
    }
};

TEST(Templates, EveryDialogHasEveryControlInTabOrderWithClassTextStateAndPlace) {
    for (const TemplateDialog& d : kDialogs) {
        SCOPED_TRACE(std::string("dialog ") + d.caption);
        OpenedDialog opened(d.id);
        ASSERT_TRUE(opened.dialog);
        const HWND window = opened.dialog->Window();
        EXPECT_EQ(pw::WindowText(window), d.caption);
        const DWORD kFrame = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX |
                             WS_THICKFRAME | WS_CHILD | WS_POPUP;
        // The dialog manager takes the caption bar off a page (DS_CONTROL); the sheet shows the
        // caption on the page's tab instead.
        const DWORD frame =
            (d.style & DS_CONTROL) ? d.style & ~DWORD(WS_CAPTION | WS_SYSMENU) : d.style;
        EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & kFrame, frame & kFrame);
        EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & (WS_EX_APPWINDOW | WS_EX_TOPMOST),
                  d.exStyle & (WS_EX_APPWINDOW | WS_EX_TOPMOST));
        RECT size{0, 0, d.width, d.height};
        ASSERT_TRUE(MapDialogRect(window, &size));
        RECT client{};
        GetClientRect(window, &client);
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);

        HWND child = GetWindow(window, GW_CHILD);
        for (const TemplateRow& row : d.rows) {
            SCOPED_TRACE(std::string("control ") + std::to_string(row.id) + " \"" + row.text +
                         "\"");
            ASSERT_NE(child, nullptr) << "the dialog has fewer controls than the table";
            EXPECT_EQ(GetDlgCtrlID(child) & 0xFFFF, row.id & 0xFFFF);
            EXPECT_EQ(lstrcmpiA(ClassOf(child).c_str(), row.className), 0) << ClassOf(child);
            const bool richEdit = lstrcmpiA(row.className, "RICHEDIT") == 0;
            if (!richEdit && !(row.style & SS_ICON)) {
                EXPECT_EQ(pw::WindowText(child), row.text);
            }
            const LONG style = GetWindowLongA(child, GWL_STYLE);
            EXPECT_EQ(IsWindowEnabled(child) != FALSE, (row.style & WS_DISABLED) == 0);
            EXPECT_EQ((style & WS_TABSTOP) != 0, (row.style & WS_TABSTOP) != 0);

            // The dialog manager converts the position and the size each on its own.
            RECT expected = row.units;
            ASSERT_TRUE(MapDialogRect(window, &expected));
            const RECT actual = ClientRectOf(child, window);
            EXPECT_EQ(actual.left, expected.left);
            EXPECT_EQ(actual.top, expected.top);
            // Drop-down combo boxes are as tall as their edit field, icon statics as their icon.
            const bool ownHeight =
                lstrcmpiA(row.className, "ComboBox") == 0 || (row.style & SS_ICON) != 0;
            if (!ownHeight) {
                EXPECT_EQ(actual.right - actual.left, expected.right);
                EXPECT_EQ(actual.bottom - actual.top, expected.bottom);
            }
            child = GetWindow(child, GW_HWNDNEXT);
        }
        EXPECT_EQ(child, nullptr) << "the dialog has more controls than the table";
    }
}

// Run at every desktop DPI the prefix is given (wine-run.sh's QV_WINE_DPI): the template's sizes
// scale with the font, but each font's letters do not, so a text sized for one can be cut at
// another.
TEST(Templates, EveryTextFitsItsControlInTheDialogFont) {
    for (const TemplateDialog& d : kDialogs) {
        SCOPED_TRACE(std::string("dialog ") + d.caption);
        OpenedDialog opened(d.id);
        ASSERT_TRUE(opened.dialog);
        const HWND window = opened.dialog->Window();
        const unsigned dpi = GetDpiForWindow(window);
        for (HWND child = GetWindow(window, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            // A control that was never given a font (an icon, the rich edit) shows none.
            auto font = reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0));
            if (!font)
                font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
            const auto overflow = testsupport::MeasureTextFit(child, font, dpi);
            EXPECT_FALSE(overflow)
                << "\"" << overflow->text << "\" needs " << overflow->needed << " pixels, has "
                << overflow->available << " at " << dpi << " dpi";
        }
    }
}

TEST(Templates, ControlsAreReachedByIdAsTheirKindOnly) {
    OpenedDialog about(IDD_ABOUT);
    ASSERT_TRUE(about.dialog);
    platform::IDialogWindow& window = *about.dialog;
    EXPECT_NO_THROW(window.Edit(IDC_SUPPORT_EMAIL));
    EXPECT_NO_THROW(window.Link(IDC_WEB_LINK));
    EXPECT_NO_THROW(window.Label(IDC_COPY_EMAIL)); // every control is a label
    EXPECT_THROW(window.ListBox(IDC_COPY_EMAIL), platform::ControlError);
    EXPECT_THROW(window.Button(IDC_HISTORY), platform::ControlError);
    EXPECT_THROW(window.Control(-1), platform::ControlError);
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
