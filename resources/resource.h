// Identifiers shared by the resource script and the program's code.
#pragma once

// The platform's ids of the standard buttons, for code that does not include its headers.
#ifndef IDOK
#define IDOK 1
#define IDCANCEL 2
#endif

// A header field of dialogs.def that names no resource.
#define QV_NONE 0

#define IDR_MAINFRAME 128
#define IDD_ABOUT 100
#define IDD_MAIN 102
#define IDR_ACCELERATORS 130
#define IDD_TIP 144
#define IDD_TOPIC 155

#define IDS_ABOUT_MENU 101
#define IDS_APP_TITLE 57344
#define IDS_SUPPORT_EMAIL 200
#define IDS_EMAIL_COPIED 201
#define IDS_EMAIL_NOT_COPIED 202

// Texts of the main window and start-up.
#define IDS_OUT_OF_MEMORY 300
#define IDS_CANNOT_INITIALIZE 301
#define IDS_NO_CLIPBOARD 302
#define IDS_CAPTION_CLIPBOARD_CONNECTION 303
#define IDS_CONFIRM_EXIT 304
#define IDS_CAPTION_CONFIRM_EXIT 305
#define IDS_SELECT_SINGLE_ITEM 306
#define IDS_CANNOT_RETRIEVE 307
#define IDS_CANNOT_SAVE 308
#define IDS_CANNOT_READ 309
#define IDS_CANNOT_READ_INTO_MEMORY 310
#define IDS_NEWER_DATA_FILE 311
#define IDS_TITLE_NOT_WATCHING 312
#define IDS_TITLE_EMPTY 313
#define IDS_TITLE_IMAGE 314
#define IDS_TITLE_FILES 315
#define IDS_TITLE_OTHER_FORMAT 316
#define IDS_ONE_CHARACTER 317
#define IDS_CHARACTERS 318
#define IDS_ONE_SELECTED_ITEM 319
#define IDS_SELECTED_ITEMS 320
#define IDS_ONE_ITEM 321
#define IDS_ITEMS 322
#define IDS_TITLE_SEPARATOR 324
#define IDS_TITLE_ELLIPSIS 325
#define IDS_TITLE_PRIVATE 500

// Texts of the History commands: Delete, Change List, the mark, Merge and Split.
#define IDS_SET_MARK_BUTTON 600
#define IDS_RETURN_MARK_BUTTON 601
#define IDS_SET_MARK_MENU 602
#define IDS_RETURN_MARK_MENU 603
#define IDS_NO_ITEMS_FOR_MARK 604
#define IDS_SELECT_SINGLE_FOR_MARK 605
#define IDS_MARK_DELETED 606
#define IDS_MAIN_LIST 607
#define IDS_RETAIN_LIST 608
#define IDS_CANNOT_CHANGE_LIST 609
#define IDS_CAPTION_CHANGE_LIST 610
#define IDS_SELECT_TWO_TO_MERGE 611
#define IDS_CANNOT_RETRIEVE_AN_ITEM 612
#define IDS_CANNOT_MERGE 613
#define IDS_SELECT_SINGLE_TO_SPLIT 614
#define IDS_NOT_MULTIPLE_LINES 615
#define IDS_CANNOT_SPLIT 616
#define IDS_MINI_SET_MARK 617
#define IDS_MINI_RETURN_MARK 618
#define IDS_SELECT_ITEM_TO_DELETE 619
#define IDS_PREVIOUS_ITEM 620
#define IDS_NEXT_ITEM 621
#define IDS_PREVIOUS_ITEM_PREVIEW 622
#define IDS_NEXT_ITEM_PREVIEW 623
#define IDS_CLIP_TIME 624
// Texts of the Tip of the Day and the topic chooser; the tips themselves are strings
// IDS_TIP_COUNT + 1 onward (tips.def).
#define IDS_TIP_COUNT 57345
#define IDS_TIP_INFO_ERROR 700
#define IDS_TOPICS_ERROR 701
#define IDS_TIP_OF_COUNT 702
#define IDS_NO_TOPIC 703
#define IDS_TIP_NUMBER_COLUMN 704
#define IDS_TOPIC_COLUMN 705

// Texts of Launch: the checks of the selected item, and the shell's refusals.
#define IDS_SELECT_SINGLE_TO_LAUNCH 800
#define IDS_SELECT_NON_EMPTY_TO_LAUNCH 801
#define IDS_LAUNCH_TOO_LONG 802
#define IDS_LAUNCH_MULTIPLE_LINES 803
#define IDS_CANNOT_LAUNCH 804
#define IDS_CANNOT_OPEN 805
#define IDS_OPEN_FILE_NOT_FOUND 806
#define IDS_OPEN_ACCESS_DENIED 807
#define IDS_OPEN_OUT_OF_MEMORY 808
#define IDS_OPEN_NO_ASSOCIATION 809

// The shell's dialog face, a scalable font: a bitmap face (MS Sans Serif) has no 8-point strike
// beyond 144 dpi, so the dialogs, which grow with their font, would stop growing there.
#define QV_DIALOG_FONT_SIZE 8
#define QV_DIALOG_FONT "MS Shell Dlg"

// QV_VERSION_MAJOR, QV_VERSION_MINOR, QV_VERSION_PATCH and QV_VERSION_TEXT, made from VERSION.
#include "version.h"

// Controls of the main window.
#define IDC_CONTENTS 1000
#define IDC_ITEM_COUNT 1001
#define IDC_HISTORY 1002
#define IDC_CHAR_COUNT 1003
#define IDC_RECOPY 1004
#define IDC_CLEAR 1005
#define IDC_UPDATE 1006
#define IDC_FONT 1007
#define IDC_COLOR 1008
#define IDC_WATCH 1010
#define IDC_INCLUDE_FORMATTING 1011
#define IDC_PREVIOUS 1012
#define IDC_NEXT 1013
#define IDC_RECALL 1014
#define IDC_DELETE 1015
#define IDC_LAUNCH 1016
#define IDC_MERGE 1017
#define IDC_SPLIT 1018
#define IDC_OPTIONS 1019
#define IDC_BACK 1021
#define IDC_FORWARD 1022
#define IDC_SEARCH 1023
#define IDC_SET_MARK 1025
#define IDC_SELECTED_COUNT 1029
#define IDC_CHANGE_LIST 1052
#define IDC_LIST_NAME 1053
#define IDC_CLIP_TIME 1058

// The Merge Items dialog.
#define IDD_MERGE 132
#define IDC_MERGE_WITH_CHARS 1026
#define IDC_MERGE_NEW_LINE 1027
#define IDC_MERGE_CHARS 1028

// The Mini-Window; its list is 1002 and its buttons share the main window's ids where they match.
#define IDD_MINI_WINDOW 138
#define IDC_MOVE_UP 1049
#define IDC_MOVE_DOWN 1050

// Controls of the About box.
#define IDC_WEB_LINK 1037
#define IDC_COPY_EMAIL 1051
#define IDC_SUPPORT_EMAIL 1074

// Controls of the Tip of the Day and the topic chooser.
#define IDC_TIP_NEXT 1013
#define IDC_TIP_LAST 1055
#define IDC_TIP_STARTUP 1075
#define IDC_TIP_TEXT 1076
#define IDC_TIP_PREVIOUS 1078
#define IDC_TIP_FIRST 1079
#define IDC_TIP_OF_COUNT 1081
#define IDC_TIP_NUMBER 1133
#define IDC_TIP_TOPIC 1134
#define IDC_TIP_TOPIC_BUTTON 1135
#define IDC_TOPIC_LIST 1136
// The Options sheet: its texts, its pages and their controls.
#define IDS_OPTIONS_CAPTION 400
#define IDS_CHANGE_COUNT 401
#define IDS_ONE_CHANGE 402
#define IDS_FINISHED_WRITING 403
#define IDS_FINISHED_READING 404
#define IDS_NEW_ITEMS_LOST 405
#define IDD_OPTIONS_START_UP 410
#define IDD_OPTIONS_SAVING 411
#define IDD_OPTIONS_SEARCHING 412
#define IDD_OPTIONS_NUMBERS 413
#define IDD_OPTIONS_MISC 414
#define IDC_STARTUP_RESTORE 1082
#define IDC_STARTUP_MINIMIZED 1037
#define IDC_STARTUP_DAY_TIP 1080
#define IDC_SAVING_CHANGE_LIMIT 1056
#define IDC_SAVING_CHANGES 1049
#define IDC_SAVING_SAVE 1021
#define IDC_SAVING_LOAD 1024
#define IDC_SEARCHING_FIRST 1035
#define IDC_SEARCHING_LAST 1037
#define IDC_SEARCHING_TYPOS 1036
#define IDC_SEARCHING_SEPARATION_LABEL 1006
#define IDC_SEARCHING_SEPARATION 1002
#define IDC_SEARCHING_LOW 1007
#define IDC_SEARCHING_HIGH 1008
#define IDC_SEARCHING_CLEAR 1005
#define IDC_NUMBERS_USE_SEPARATOR 1039
#define IDC_NUMBERS_COMMA 1040
#define IDC_NUMBERS_DOT 1041
#define IDC_NUMBERS_SPACE 1042
#define IDC_NUMBERS_OTHER 1043
#define IDC_NUMBERS_OTHER_TEXT 1044
#define IDC_MISC_SHOW_EFFECTS 1038
#define IDC_MISC_APPLY_COLORS 1036
#define IDC_MISC_USE_LIMIT 1030
#define IDC_MISC_HISTORY_LIMIT 1057
#define IDC_MISC_CONFIRM_EXIT 1034

// Commands that are not system-menu entries.
#define IDM_EXIT_ASK 32771

// System-menu commands (multiples of 16: the platform keeps the low four bits).
#define IDM_ABOUT 16
#define IDM_PREVIOUS 32
#define IDM_NEXT 48
#define IDM_WATCH 64
#define IDM_MARK 80
#define IDM_TIP 96
#define IDM_UNDO_DELETE 128
#define IDM_INCLUDE_FORMATTING 144
#define IDM_MINI_WINDOW 160
#define IDM_LAUNCH 176
#define IDM_REFRESH 192
