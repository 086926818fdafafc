// The property sheet and the font and colour choosers.
#include "win32_platform.h"

namespace qv::platform::win32 {

SheetResult Win32Platform::RunPropertySheet(const SheetSpec&) {
    SheetResult result;
    result.failed = true;
    return result;
}

bool Win32Platform::ChooseFont(FontChoice&, WindowRef) {
    return false;
}

bool Win32Platform::ChooseColour(ColourChoice&, WindowRef) {
    return false;
}

} // namespace qv::platform::win32
