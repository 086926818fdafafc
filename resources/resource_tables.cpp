#include "resources/resource_tables.h"
#include "resource.h"
#include <stdexcept>

namespace qv {

namespace {

using platform::ControlKind;
using platform::DialogStyle;

// Not every kind or style is used by a dialog yet.
#define QV_KIND_CONSTANT(token, name)                                                              \
    [[maybe_unused]] constexpr ControlKind QVK_##token = ControlKind::name;
QV_CONTROL_KINDS(QV_KIND_CONSTANT)
#undef QV_KIND_CONSTANT

[[maybe_unused]] constexpr DialogStyle QVD_MAIN = DialogStyle::MainWindow;
[[maybe_unused]] constexpr DialogStyle QVD_MODAL = DialogStyle::Modal;
[[maybe_unused]] constexpr DialogStyle QVD_TOOL = DialogStyle::Tool;
[[maybe_unused]] constexpr DialogStyle QVD_PAGE = DialogStyle::Page;
[[maybe_unused]] constexpr bool QVM_MODAL = false;
[[maybe_unused]] constexpr bool QVM_MODELESS = true;
[[maybe_unused]] constexpr unsigned QVF_NONE = platform::kFlagNone;
[[maybe_unused]] constexpr unsigned QVF_DISABLED = platform::kFlagDisabled;
[[maybe_unused]] constexpr unsigned QVF_RIGHT = platform::kFlagRight;
[[maybe_unused]] constexpr unsigned QVF_CENTER = platform::kFlagCenter;
[[maybe_unused]] constexpr unsigned QVF_SUNKEN = platform::kFlagSunken;
[[maybe_unused]] constexpr unsigned QVF_GROUP = platform::kFlagGroup;

} // namespace

const platform::DialogTable& ProgramDialogs() {
#define QV_DIALOG(id, caption, w, h, style, accelerators, icon, modality)                          \
    {id, caption, w, h, QVD_##style, accelerators, icon, QVM_##modality, {
#define QV_CONTROL(kind, id, text, x, y, w, h, flags) {QVK_##kind, id, text, x, y, w, h, flags},
#define QV_DIALOG_END()                                                                            \
    }                                                                                              \
    }                                                                                              \
    ,
    static const platform::DialogTable table = {
#include "dialogs.def"
    };
#undef QV_DIALOG
#undef QV_CONTROL
#undef QV_DIALOG_END
    return table;
}

const platform::DialogTemplate& ProgramDialog(int templateId) {
    const platform::DialogTemplate* dialog = platform::FindDialog(ProgramDialogs(), templateId);
    if (!dialog)
        throw std::invalid_argument("no dialog " + std::to_string(templateId));
    return *dialog;
}

const platform::StringTable& ProgramStrings() {
#define QV_STRING(id, text) {id, text},
    static const platform::StringTable table = {
#include "strings.def"
    };
#undef QV_STRING
    return table;
}

} // namespace qv
