// Ids of the Win32 tier's own test dialogs (test_dialogs.rc) and their rows as the back end
// takes them.
#pragma once

#define IDD_TEST_KINDS 9000
#define IDC_TEST_EDIT 9001
#define IDC_TEST_ICON_LINK 9002
#define IDC_TEST_TEXT_LINK 9003
#define IDD_TEST_LIST 9010
#define IDC_TEST_LIST 9011
#define IDD_TEST_PAGE_FIRST 9020
#define IDD_TEST_PAGE_SECOND 9021
#define IDC_TEST_OPTION 9022
#define IDD_TEST_PAGE_MISSING 9100
#define IDD_TEST_PAGE_LIST 9101
#define IDC_TEST_PAGE_LIST 9102

#ifndef RC_INVOKED
#include "platform/dialog_template.h"

namespace qv::win32test {

// The edit is a read-only field in the table though its template lacks the style; the icon and
// the text static are both links.
inline const platform::DialogTemplate& KindsDialog() {
    using platform::ControlKind;
    static const platform::DialogTemplate dialog{
        IDD_TEST_KINDS,
        "Kinds",
        200,
        90,
        platform::DialogStyle::Modal,
        0,
        128,
        false,
        {{ControlKind::ReadOnlyEdit, IDC_TEST_EDIT, "not read-only", 5, 5, 120, 12, 0},
         {ControlKind::Link, IDC_TEST_ICON_LINK, "", 5, 25, 20, 20, 0},
         {ControlKind::Link, IDC_TEST_TEXT_LINK, "https://harrowmere.example/", 5, 55, 150, 8, 0}}};
    return dialog;
}

// A report list view alone.
inline const platform::DialogTemplate& ListDialog() {
    static const platform::DialogTemplate dialog{
        IDD_TEST_LIST,
        "List",
        200,
        120,
        platform::DialogStyle::Modal,
        0,
        0,
        false,
        {{platform::ControlKind::ListView, IDC_TEST_LIST, "", 5, 5, 190, 110, 0}}};
    return dialog;
}

// A page whose template the resources lack: the sheet cannot be made.
inline const platform::DialogTemplate& MissingPageDialog() {
    static const platform::DialogTemplate dialog{
        IDD_TEST_PAGE_MISSING, "Missing", 180, 80, platform::DialogStyle::Page, 0, 0, false, {}};
    return dialog;
}

// A page holding a report list view: the sheet makes its pages itself.
inline const platform::DialogTemplate& ListPageDialog() {
    static const platform::DialogTemplate dialog{
        IDD_TEST_PAGE_LIST,
        "Tips",
        180,
        80,
        platform::DialogStyle::Page,
        0,
        0,
        false,
        {{platform::ControlKind::ListView, IDC_TEST_PAGE_LIST, "", 5, 5, 170, 70, 0}}};
    return dialog;
}

} // namespace qv::win32test
#endif
