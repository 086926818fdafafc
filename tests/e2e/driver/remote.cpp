#include "remote.h"

namespace qv::e2e {

void PumpFor(unsigned milliseconds) {
    WaitUntil([] { return false; }, milliseconds);
}

bool WaitUntil(const std::function<bool()>& done, unsigned timeoutMs, HANDLE stop) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (done())
            return true;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return false;
        const DWORD slice = std::min<DWORD>(timeoutMs - elapsed, 25);
        const DWORD handles = stop ? 1 : 0;
        if (MsgWaitForMultipleObjects(handles, stop ? &stop : nullptr, FALSE, slice, QS_ALLINPUT) ==
                WAIT_OBJECT_0 &&
            stop)
            return done();
    }
}

bool SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                             kMessageTimeoutMs, &answer))
        return false;
    result = static_cast<LRESULT>(answer);
    return true;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string Utf8Of(const std::wstring& wide) {
    if (wide.empty())
        return std::string();
    const int count = static_cast<int>(wide.size());
    const int needed =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), count, nullptr, 0, nullptr, nullptr);
    std::string text(std::size_t(needed > 0 ? needed : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), count, text.data(), needed, nullptr, nullptr);
    return text;
}

std::string TextOf(HWND window) {
    // Read as UTF-16, as another program reads a window's text whatever its code page.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                             kMessageTimeoutMs, &length) ||
        static_cast<LONG_PTR>(length) <= 0)
        return std::string();
    std::wstring text(std::size_t(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG | SMTO_BLOCK, kMessageTimeoutMs, &copied))
        return std::string();
    text.resize(std::min(std::size_t(copied), std::size_t(length)));
    return Utf8Of(text);
}

namespace {

bool WideItem(HWND control, UINT lengthMessage, UINT textMessage, int index, std::string& text) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(control, lengthMessage, static_cast<WPARAM>(index), 0,
                             SMTO_ABORTIFHUNG | SMTO_BLOCK, kMessageTimeoutMs, &length) ||
        static_cast<LONG_PTR>(length) < 0)
        return false;
    std::wstring wide(std::size_t(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(control, textMessage, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(wide.data()), SMTO_ABORTIFHUNG | SMTO_BLOCK,
                             kMessageTimeoutMs, &copied) ||
        static_cast<LONG_PTR>(copied) < 0)
        return false;
    wide.resize(std::min<std::size_t>(copied, length));
    text = Utf8Of(wide);
    return true;
}

} // namespace

bool ListLine(HWND list, int index, std::string& text) {
    return WideItem(list, LB_GETTEXTLEN, LB_GETTEXT, index, text);
}

bool ComboLine(HWND combo, int index, std::string& text) {
    return WideItem(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, index, text);
}

int ListCount(HWND list) {
    LRESULT count = -1;
    return SendBounded(list, LB_GETCOUNT, 0, 0, count) ? static_cast<int>(count) : -1;
}

std::vector<int> ListSelection(HWND list) {
    LRESULT count = 0;
    if (!SendBounded(list, LB_GETSELCOUNT, 0, 0, count) || count <= 0)
        return {};
    std::vector<int> items(std::size_t(count), 0);
    LRESULT got = 0;
    if (!SendBounded(list, LB_GETSELITEMS, items.size(), reinterpret_cast<LPARAM>(items.data()),
                     got))
        return {};
    items.resize(got > 0 ? std::size_t(got) : 0);
    return items;
}

RECT RectInParent(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<HWND> WindowsOf(DWORD processId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId, {}};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != s->processId)
                return TRUE;
            // Nothing may unwind through the platform's enumeration.
            try {
                s->found.push_back(window);
                return TRUE;
            } catch (...) {
                return FALSE;
            }
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> ChildrenOf(HWND window) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

} // namespace qv::e2e
