// Every dialog's template as the real dialog manager builds it from the program's table: each
// control row in tab order, with the class and style its kind gives, its text, start state and
// place, and the frame its header row asks for. What a kind and a style must become is written
// out here on its own, not taken from the header that builds the resource script.
#include "support/text_fit.h"
#include "win32_fixture.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <vector>

namespace qv::win32test {
namespace {

// A kind's window: its class, the styles it must have, the bits of its type field (compared
// exactly, flags included) and styles it must not have.
struct Kind {
    const char* className;
    DWORD style;
    DWORD typeMask;
    DWORD forbidden;
};

constexpr DWORD kShown = WS_CHILD | WS_VISIBLE;
constexpr DWORD kStaticType = 0x1F; // SS_TYPEMASK
constexpr DWORD kButtonType = 0x0F; // BS_TYPEMASK
constexpr DWORD kComboType = 0x03;  // CBS_SIMPLE | CBS_DROPDOWN | CBS_DROPDOWNLIST
constexpr Kind kKind_LABEL{"Static", kShown | WS_GROUP | SS_LEFT, kStaticType, WS_TABSTOP};
constexpr Kind kKind_ICON{"Static", kShown | SS_ICON, kStaticType, WS_TABSTOP};
constexpr Kind kKind_LINK{"Static", kShown | SS_LEFT, kStaticType, WS_TABSTOP};
constexpr Kind kKind_RICHEDIT{"RICHEDIT",
                              kShown | WS_BORDER | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL |
                                  ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN |
                                  ES_NOHIDESEL,
                              0, ES_READONLY};
constexpr Kind kKind_EDIT{"Edit", kShown | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0,
                          ES_READONLY | ES_MULTILINE};
constexpr Kind kKind_READONLY_EDIT{
    "Edit", kShown | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY, 0, ES_MULTILINE};
constexpr Kind kKind_READONLY_TEXT{"Edit",
                                   kShown | WS_BORDER | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE |
                                       ES_AUTOVSCROLL | ES_READONLY,
                                   0, WS_HSCROLL};
constexpr Kind kKind_BUTTON{"Button", kShown | WS_TABSTOP | BS_PUSHBUTTON, kButtonType, 0};
constexpr Kind kKind_DEFBUTTON{"Button", kShown | WS_TABSTOP | BS_DEFPUSHBUTTON, kButtonType, 0};
constexpr Kind kKind_CHECKBOX{"Button", kShown | WS_TABSTOP | BS_AUTOCHECKBOX, kButtonType, 0};
constexpr Kind kKind_RADIO{"Button", kShown | WS_TABSTOP | BS_AUTORADIOBUTTON, kButtonType, 0};
constexpr Kind kKind_GROUPBOX{"Button", kShown | BS_GROUPBOX, kButtonType, WS_TABSTOP};
constexpr Kind kKind_LISTBOX{"ListBox",
                             kShown | WS_BORDER | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL |
                                 LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                             0, LBS_MULTIPLESEL | LBS_SORT};
constexpr Kind kKind_SINGLE_LISTBOX{"ListBox",
                                    kShown | WS_BORDER | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL |
                                        LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                    0, LBS_EXTENDEDSEL | LBS_MULTIPLESEL | LBS_SORT};
constexpr Kind kKind_COMBO{"ComboBox", kShown | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN, kComboType,
                           CBS_SORT};
constexpr Kind kKind_DROPLIST{"ComboBox", kShown | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                              kComboType, CBS_SORT};
constexpr Kind kKind_LISTVIEW{"SysListView32",
                              kShown | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                                  LVS_SHOWSELALWAYS,
                              LVS_TYPEMASK, 0};
constexpr Kind kKind_TRACKBAR{"msctls_trackbar32", kShown | WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS,
                              0, TBS_VERT};

// The rows' flags, and the frames of the dialogs' styles.
#define QVF_NONE 0
#define QVF_DISABLED WS_DISABLED
#define QVF_RIGHT SS_RIGHT
#define QVF_CENTER SS_CENTER
#define QVF_SUNKEN SS_SUNKEN
#define QVF_GROUP WS_GROUP
constexpr DWORD kStyle_MAIN =
    DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle_MAIN = WS_EX_APPWINDOW;
constexpr DWORD kStyle_MODAL =
    DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle_MODAL = 0;
constexpr DWORD kStyle_TOOL = DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle_TOOL = WS_EX_TOPMOST;
constexpr DWORD kStyle_PAGE = DS_SETFONT | DS_CONTROL | WS_CHILD | WS_CAPTION;
constexpr DWORD kExStyle_PAGE = 0;

struct TemplateRow {
    Kind kind;
    DWORD flags;
    int id;
    const char* text;
    RECT units; // left, top, width, height in dialog units
    const char* className() const { return kind.className; }
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
        id, caption, w, h, kStyle_##style, kExStyle_##style, {
#define QV_CONTROL(kind, id, text, x, y, w, h, flags)                                              \
    {kKind_##kind, DWORD(flags), id, text, {x, y, w, h}},
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
            EXPECT_EQ(lstrcmpiA(ClassOf(child).c_str(), row.className()), 0) << ClassOf(child);
            const DWORD wanted = row.kind.style | row.flags;
            const bool richEdit = lstrcmpiA(row.className(), "RICHEDIT") == 0;
            const bool icon = (wanted & kStaticType) == SS_ICON && !richEdit;
            if (!richEdit && !icon) {
                EXPECT_EQ(pw::WindowText(child), row.text);
            }
            const DWORD style = DWORD(GetWindowLongA(child, GWL_STYLE));
            EXPECT_EQ(IsWindowEnabled(child) != FALSE, (wanted & WS_DISABLED) == 0);
            const DWORD type = row.kind.typeMask;
            // The start state is checked above; an edit draws its own border instead of the
            // frame's, and lists take their scroll bars off while nothing needs scrolling.
            const DWORD bits =
                wanted & ~type & ~DWORD(WS_DISABLED | WS_BORDER | WS_VSCROLL | WS_HSCROLL);
            EXPECT_EQ(style & bits, bits) << std::hex << "styles " << style;
            EXPECT_EQ(style & type, wanted & type) << std::hex << "type " << style;
            EXPECT_EQ(style & row.kind.forbidden, 0u) << std::hex << "styles " << style;

            // The dialog manager converts the position and the size each on its own.
            RECT expected = row.units;
            ASSERT_TRUE(MapDialogRect(window, &expected));
            const RECT actual = ClientRectOf(child, window);
            EXPECT_EQ(actual.left, expected.left);
            EXPECT_EQ(actual.top, expected.top);
            // Drop-down combo boxes are as tall as their edit field, icon statics as their icon.
            const bool ownHeight = lstrcmpiA(row.className(), "ComboBox") == 0 || icon;
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
