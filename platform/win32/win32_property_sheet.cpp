// The property sheet: the platform's own modal sheet, its pages made from the program's dialog
// rows with the one dialog procedure.
#include "win32_dialog.h"
#include "win32_platform.h"
#include "win32_thread_modal.h"
#include <commctrl.h>
#include <prsht.h>
#include <vector>

namespace qv::platform::win32 {

SheetResult Win32Platform::RunPropertySheet(const SheetContents& sheet) {
    SheetResult result;
    result.failed = true;
    if (sheet.pages.empty())
        return result;
    // Wine's sheet leaves out a page whose template is missing and runs without it.
    for (const SheetPage& page : sheet.pages)
        if (!page.page || !page.events ||
            !FindResourceA(instance_, MAKEINTRESOURCEA(page.page->id), RT_DIALOG))
            return result;

    Win32Dialog::SheetProgress progress;
    progress.activePage = sheet.startPage >= 0 && std::size_t(sheet.startPage) < sheet.pages.size()
                              ? sheet.startPage
                              : 0;
    std::vector<std::unique_ptr<Win32Dialog>> pages;
    std::vector<PROPSHEETPAGEA> native(sheet.pages.size());
    for (std::size_t i = 0; i < sheet.pages.size(); ++i) {
        const SheetPage& page = sheet.pages[i];
        pages.push_back(std::make_unique<Win32Dialog>(instance_, *page.page, *page.events, loop_,
                                                      progress, static_cast<int>(i)));
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
    // The Apply button stays: pages mark their changes with SetModified.
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOCONTEXTHELP;
    header.hwndParent = reinterpret_cast<HWND>(sheet.owner);
    header.hInstance = instance_;
    header.pszCaption = sheet.caption.c_str();
    header.nPages = static_cast<UINT>(native.size());
    header.nStartPage = static_cast<UINT>(progress.activePage);
    header.ppsp = native.data();
    // The sheet runs its own modal loop and disables the owner meanwhile. A quit request ends it
    // and stays queued for the loops around it.
    const ThreadWindowsDisabled others(header.hwndParent);
    const INT_PTR answer = PropertySheetA(&header);
    // Ended by a quit request, the sheet answers 0 on Wine; -1 is left for a sheet never made.
    result.failed = answer < 0 && !progress.pageMade;
    // The answer may be positive after an earlier Apply that saved changes, also when Cancel
    // ended the sheet; only OK (which reads Close after CancelToClose) ends it without PSN_RESET.
    result.ok = answer > 0 && !progress.cancelled;
    result.activePage = progress.activePage;
    return result;
}

} // namespace qv::platform::win32
