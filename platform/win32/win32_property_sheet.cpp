// The property sheet: the platform's own modal sheet, its pages made from the program's dialog
// rows with the one dialog procedure.
#include "win32_dialog.h"
#include "win32_platform.h"
#include <commctrl.h>
#include <prsht.h>
#include <vector>

namespace qv::platform::win32 {

SheetResult Win32Platform::RunPropertySheet(const SheetSpec& sheet) {
    SheetResult result;
    if (sheet.pages.empty()) {
        result.failed = true;
        return result;
    }
    std::vector<std::unique_ptr<Win32Dialog>> pages;
    std::vector<PROPSHEETPAGEA> native(sheet.pages.size());
    for (std::size_t i = 0; i < sheet.pages.size(); ++i) {
        const SheetPage& page = sheet.pages[i];
        pages.push_back(std::make_unique<Win32Dialog>(instance_, *page.page, *page.events, loop_));
        pages.back()->onPageShown = [&result, i] { result.activePage = static_cast<int>(i); };
        PROPSHEETPAGEA& p = native[i];
        p.dwSize = sizeof p;
        p.dwFlags = PSP_DEFAULT;
        p.hInstance = instance_;
        p.pszTemplate = MAKEINTRESOURCEA(page.page->id);
        p.pfnDlgProc = &Win32Dialog::PageProcedure;
        p.lParam = reinterpret_cast<LPARAM>(pages.back().get());
    }
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOCONTEXTHELP;
    header.hwndParent = reinterpret_cast<HWND>(sheet.owner);
    header.hInstance = instance_;
    header.pszCaption = sheet.caption.c_str();
    header.nPages = static_cast<UINT>(native.size());
    header.nStartPage = static_cast<UINT>(
        sheet.startPage >= 0 && std::size_t(sheet.startPage) < native.size() ? sheet.startPage : 0);
    header.ppsp = native.data();
    result.activePage = static_cast<int>(header.nStartPage);
    // Its own modal loop; a quit request ends it and is passed on to the loops around it.
    const INT_PTR answer = PropertySheetA(&header);
    result.failed = answer < 0;
    result.ok = answer > 0;
    return result;
}

} // namespace qv::platform::win32
