// Dialogs described as data: a header (template id, caption, size, style, accelerators, icon,
// modal or modeless) and the control rows in tab order. The program's resource tables fill these;
// the back ends build and check windows from them without knowing any dialog of their own.
#pragma once
#include <map>
#include <string>
#include <vector>

namespace qv::platform {

// What a control row is, as the tables name it and as the enum does; each back end maps a kind to
// its own control once.
//   LABEL static text; ICON static showing the dialog's icon; LINK static text that opens its
//   target when clicked; RICHEDIT the multi-line rich-text pane; EDIT single-line edit;
//   READONLY_EDIT single-line edit, always read-only, drawn black on white; READONLY_TEXT the
//   same with several lines and a vertical scroll bar; BUTTON push button;
//   DEFBUTTON the default push button; CHECKBOX automatic check box; RADIO automatic radio
//   button (kFlagGroup starts a group); GROUPBOX frame with a caption; LISTBOX list box with
//   extended selection; SINGLE_LISTBOX list box with single selection; COMBO drop-down combo box
//   with an edit field; DROPLIST drop-down list without an edit field, in the order filled;
//   LISTVIEW report list view with full-row single selection; TRACKBAR horizontal track bar.
#define QV_CONTROL_KINDS(X)                                                                        \
    X(LABEL, Label)                                                                                \
    X(ICON, Icon)                                                                                  \
    X(LINK, Link)                                                                                  \
    X(RICHEDIT, RichEdit)                                                                          \
    X(EDIT, Edit)                                                                                  \
    X(READONLY_EDIT, ReadOnlyEdit)                                                                 \
    X(READONLY_TEXT, ReadOnlyText)                                                                 \
    X(BUTTON, Button)                                                                              \
    X(DEFBUTTON, DefButton)                                                                        \
    X(CHECKBOX, CheckBox)                                                                          \
    X(RADIO, Radio)                                                                                \
    X(GROUPBOX, GroupBox)                                                                          \
    X(LISTBOX, ListBox)                                                                            \
    X(SINGLE_LISTBOX, SingleListBox)                                                               \
    X(COMBO, Combo)                                                                                \
    X(DROPLIST, DropList)                                                                          \
    X(LISTVIEW, ListView)                                                                          \
    X(TRACKBAR, TrackBar)

enum class ControlKind {
#define QV_KIND_ENUM(token, name) name,
    QV_CONTROL_KINDS(QV_KIND_ENUM)
#undef QV_KIND_ENUM
};

enum ControlFlags : unsigned {
    kFlagNone = 0,
    kFlagDisabled = 1,
    kFlagRight = 2,
    kFlagCenter = 4,
    kFlagSunken = 8,
    kFlagGroup = 16,
};

// Frame and behaviour of the window itself.
enum class DialogStyle {
    MainWindow, // caption, system menu, minimize box, taskbar button
    Modal,      // caption and system menu, modal frame
    Tool,       // modeless, caption and system menu, always on top
    Page,       // a page of a property sheet
};

struct ControlTemplate {
    ControlKind kind;
    int id; // -1 for a static that is never addressed
    const char* text;
    int x, y, width, height; // dialog units
    unsigned flags;
};

struct DialogTemplate {
    int id;
    const char* caption;
    int width, height; // dialog units
    DialogStyle style;
    int accelerators; // accelerator table id, 0 for none
    int icon;         // icon resource id, 0 for none
    bool modeless;
    std::vector<ControlTemplate> controls;

    // The row of a control id, or null.
    const ControlTemplate* Find(int controlId) const {
        for (const ControlTemplate& c : controls)
            if (c.id == controlId)
                return &c;
        return nullptr;
    }
};

using DialogTable = std::vector<DialogTemplate>;
// String resources by id.
using StringTable = std::map<int, std::string>;

inline const DialogTemplate* FindDialog(const DialogTable& table, int templateId) {
    for (const DialogTemplate& d : table)
        if (d.id == templateId)
            return &d;
    return nullptr;
}

} // namespace qv::platform
