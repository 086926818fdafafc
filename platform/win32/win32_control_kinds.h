// How each kind of control row and each dialog style becomes a real window: its class and
// styles. Written once, read by the resource script (which builds the templates) and by the back
// end (which checks that a control is of the kind asked for).
#pragma once
#include "win32_api.h"
// After windows.h, which it builds on.
#include <commctrl.h>

#define QV_KIND_CLASS_LABEL "Static"
#define QV_KIND_STYLE_LABEL WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT
#define QV_KIND_CLASS_ICON "Static"
#define QV_KIND_STYLE_ICON WS_CHILD | WS_VISIBLE | SS_ICON
#define QV_KIND_CLASS_LINK "Static"
#define QV_KIND_STYLE_LINK WS_CHILD | WS_VISIBLE | SS_LEFT
#define QV_KIND_CLASS_RICHEDIT "RICHEDIT"
#define QV_KIND_STYLE_RICHEDIT                                                                     \
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |      \
        ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL
#define QV_KIND_CLASS_EDIT "Edit"
#define QV_KIND_STYLE_EDIT WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL
#define QV_KIND_CLASS_READONLY_EDIT "Edit"
#define QV_KIND_STYLE_READONLY_EDIT                                                                \
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY
#define QV_KIND_CLASS_BUTTON "Button"
#define QV_KIND_STYLE_BUTTON WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON
#define QV_KIND_CLASS_DEFBUTTON "Button"
#define QV_KIND_STYLE_DEFBUTTON WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON
#define QV_KIND_CLASS_CHECKBOX "Button"
#define QV_KIND_STYLE_CHECKBOX WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX
#define QV_KIND_CLASS_RADIO "Button"
#define QV_KIND_STYLE_RADIO WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON
#define QV_KIND_CLASS_GROUPBOX "Button"
#define QV_KIND_STYLE_GROUPBOX WS_CHILD | WS_VISIBLE | BS_GROUPBOX
#define QV_KIND_CLASS_LISTBOX "ListBox"
#define QV_KIND_STYLE_LISTBOX                                                                      \
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_EXTENDEDSEL |   \
        LBS_NOTIFY | LBS_NOINTEGRALHEIGHT
#define QV_KIND_CLASS_COMBO "ComboBox"
#define QV_KIND_STYLE_COMBO WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN
#define QV_KIND_CLASS_DROPLIST "ComboBox"
#define QV_KIND_STYLE_DROPLIST WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST
#define QV_KIND_CLASS_LISTVIEW "SysListView32"
#define QV_KIND_STYLE_LISTVIEW                                                                     \
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS
#define QV_KIND_CLASS_TRACKBAR "msctls_trackbar32"
#define QV_KIND_STYLE_TRACKBAR WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS

#define QVF_NONE 0
#define QVF_DISABLED WS_DISABLED
#define QVF_RIGHT SS_RIGHT
#define QVF_CENTER SS_CENTER
#define QVF_SUNKEN SS_SUNKEN
#define QVF_GROUP WS_GROUP

#define QV_DIALOG_STYLE_MAIN                                                                       \
    DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX
#define QV_DIALOG_EXSTYLE_MAIN WS_EX_APPWINDOW
#define QV_DIALOG_STYLE_MODAL                                                                      \
    DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU
#define QV_DIALOG_EXSTYLE_MODAL 0
#define QV_DIALOG_STYLE_TOOL DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU
#define QV_DIALOG_EXSTYLE_TOOL WS_EX_TOPMOST
#define QV_DIALOG_STYLE_PAGE DS_SETFONT | DS_CONTROL | WS_CHILD | WS_CAPTION
#define QV_DIALOG_EXSTYLE_PAGE 0
