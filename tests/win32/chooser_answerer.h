// A helper thread that answers the platform's font and colour choosers as a user would, and the
// standard chooser templates' controls.
#pragma once
#include "win32/win32_api.h"
#include <atomic>
#include <functional>
#include <thread>

namespace qv::win32test {

// Waits for a chooser of the process with the caption, lets check look at it, then presses the
// button.
class Answerer {
  public:
    Answerer(const char* caption, int button, std::function<void(HWND)> check = nullptr)
        : thread_([=] {
              for (int i = 0; i < 250; ++i) {
                  const HWND found = FindWindowA("#32770", caption);
                  if (found && IsWindowVisible(found)) {
                      Sleep(100);
                      if (check)
                          check(found);
                      PostMessageA(found, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
                      answered = true;
                      return;
                  }
                  Sleep(20);
              }
          }) {}
    ~Answerer() { thread_.join(); }
    std::atomic<bool> answered{false};

  private:
    std::thread thread_;
};

// Picks the entry of a chooser's drop-down list as a user would; the entry's item data.
inline LRESULT Pick(HWND chooser, int comboId, int index) {
    const HWND combo = GetDlgItem(chooser, comboId);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(chooser, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    return SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
}

inline int Find(HWND chooser, int comboId, const char* text) {
    return static_cast<int>(SendDlgItemMessageA(chooser, comboId, CB_FINDSTRINGEXACT,
                                                static_cast<WPARAM>(-1),
                                                reinterpret_cast<LPARAM>(text)));
}

// The standard template's controls: style and size lists, underline box, colour list.
constexpr int kStyleList = 0x471, kSizeList = 0x472, kUnderline = 0x411, kColourList = 0x473;

// The colour chooser's red field and its button that adds the colour to the custom ones.
constexpr int kRedField = 0x2c2, kAddCustom = 0x2c8;

} // namespace qv::win32test
