// Reading and driving another process's windows with window messages, each with a time bound so
// that a hung program never hangs the driver.
#pragma once
#include "win32/win32_api.h"
#include <functional>
#include <string>
#include <vector>

namespace qv::e2e {

// How long one message to the program may take before the program counts as hung.
constexpr unsigned kMessageTimeoutMs = 3000;

// Processes the driver's own messages while it waits: the program's EmptyClipboard, for one,
// blocks until the driver has handled WM_DESTROYCLIPBOARD.
void PumpFor(unsigned milliseconds);

// Pumps until done() or the time is up; false on timeout. Ends early (false) when stop is
// signalled, e.g. a process handle that ends.
bool WaitUntil(const std::function<bool()>& done, unsigned timeoutMs, HANDLE stop = nullptr);

// Sends with a time bound; false when the window did not answer in time or does not exist.
bool SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

std::string ClassOf(HWND window);
// The window's text through WM_GETTEXT; empty when it did not answer.
std::string TextOf(HWND window);
// UTF-16 as UTF-8, whatever the driver's own code page.
std::string Utf8Of(const std::wstring& wide);
// A list box line; read with the wide message, which this platform marshals correctly across
// processes, and converted to the ANSI code page.
bool ListLine(HWND list, int index, std::string& text);
bool ComboLine(HWND combo, int index, std::string& text);
int ListCount(HWND list);
std::vector<int> ListSelection(HWND list);

// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND child);
// The top-level windows of a process.
std::vector<HWND> WindowsOf(DWORD processId);
// Direct children in tab (z) order.
std::vector<HWND> ChildrenOf(HWND window);

} // namespace qv::e2e
