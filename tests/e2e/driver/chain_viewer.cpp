#include "chain_viewer.h"
#include "remote.h"

namespace qv::e2e {

namespace {
constexpr char kClassName[] = "QuorvaneE2EViewer";
} // namespace

ChainViewer::ChainViewer() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass); // fails harmlessly when already registered
    window_.reset(CreateWindowExA(0, kClassName, "Viewer", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  windowClass.hInstance, nullptr));
    SetWindowLongPtrA(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    next_ = SetClipboardViewer(window_.get());
    PumpFor(100);
    notices_ = 0; // the notice a new viewer gets at once does not count
}

ChainViewer::~ChainViewer() {
    ChangeClipboardChain(window_.get(), next_);
}

LRESULT CALLBACK ChainViewer::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ChainViewer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == WM_DRAWCLIPBOARD) {
        ++self->notices_;
        if (self->next_)
            SendMessageTimeoutA(self->next_, WM_DRAWCLIPBOARD, wParam, lParam, SMTO_NORMAL,
                                kMessageTimeoutMs, nullptr);
        return 0;
    }
    if (self && message == WM_CHANGECBCHAIN) {
        if (reinterpret_cast<HWND>(wParam) == self->next_)
            self->next_ = reinterpret_cast<HWND>(lParam);
        else if (self->next_)
            SendMessageTimeoutA(self->next_, message, wParam, lParam, SMTO_NORMAL,
                                kMessageTimeoutMs, nullptr);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace qv::e2e
