// The dialog contract on the real back end.
#include "contract/dialog_contract.h"
#include "win32_fixture.h"
#include <commctrl.h>
#include <map>

namespace qv::contract {
namespace {

namespace pw = platform::win32;

class Win32BackEnd : public DialogBackEnd {
  public:
    ~Win32BackEnd() override {
        for (const auto& entry : redraw_)
            RemoveWindowSubclass(entry.first, &Win32BackEnd::Record, 0);
    }
    platform::IPlatform& Platform() override { return win32test::TestPlatform(); }
    platform::IDialogWindow& OpenMain() override {
        if (!main_) {
            main_ = win32test::OpenDialog(events_);
            // What the list is told, seen on its way in.
            const HWND list = GetDlgItem(main_->Window(), IDC_HISTORY);
            redraw_[list] = true;
            SetWindowSubclass(list, &Win32BackEnd::Record, 0, reinterpret_cast<DWORD_PTR>(this));
        }
        return *main_;
    }
    bool Drawing(int controlId) override { return redraw_[GetDlgItem(main_->Window(), controlId)]; }

  private:
    static LRESULT CALLBACK Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR, DWORD_PTR data) {
        if (message == WM_SETREDRAW)
            reinterpret_cast<Win32BackEnd*>(data)->redraw_[window] = wParam != FALSE;
        return DefSubclassProc(window, message, wParam, lParam);
    }
    win32test::RecordingEvents events_;
    std::unique_ptr<pw::Win32Dialog> main_;
    std::map<HWND, bool> redraw_;
};

TEST(DialogContract, Win32BackEnd) {
    for (const ContractCase& c : DialogContract()) {
        SCOPED_TRACE(c.name);
        Win32BackEnd backEnd;
        c.run(backEnd);
    }
}

} // namespace
} // namespace qv::contract
