// Each case starts the program fresh (user data and clipboard reset) and kills it at the end if
// it is still running; all cases share one Wine prefix.
#pragma once
#include "driver/keyboard.h"
#include "driver/program.h"
#include "driver/remote.h"
#include "driver/user_data.h"
#include "resource.h"
#include <gtest/gtest.h>

namespace qv::e2e {

class EndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(program_.Start(error)) << error;
    }
    void TearDown() override { program_.Kill(); }
    // Copies as another application would, a moment after the last action, as a user copies.
    bool CopyElsewhere(const std::string& text, const std::string& rtf = std::string()) {
        PumpFor(700);
        return program_.Other().CopyText(text, rtf);
    }
    // Sets Include Formatting with a click, as the user does, and waits until it shows.
    void SetIncludeFormatting(bool on) {
        if (program_.IsChecked(IDC_INCLUDE_FORMATTING) == on)
            return;
        program_.Click(IDC_INCLUDE_FORMATTING);
        ASSERT_TRUE(program_.WaitUntil(
            [&] { return program_.IsChecked(IDC_INCLUDE_FORMATTING) == on; }, 5000));
    }
    // Copies elsewhere and waits until the History list has count lines.
    void CopyAndWait(const std::string& text, int count, const std::string& rtf = std::string()) {
        ASSERT_TRUE(CopyElsewhere(text, rtf));
        ASSERT_TRUE(program_.WaitUntil(
            [&] { return ListCount(program_.Control(IDC_HISTORY)) == count; }, 20000))
            << program_.Describe("expected " + std::to_string(count) + " History lines");
    }
    // Waits until the clipboard's text is expected. The clipboard is opened after it changed (its
    // sequence number), so that the driver seldom holds it when the program copies; a read that
    // met it half written (a busy machine lets the driver in between the program's steps) is
    // tried again once a second.
    bool WaitForClipboardText(const std::string& expected, unsigned timeoutMs) {
        DWORD seen = 0;
        DWORD readAt = 0;
        return program_.WaitUntil(
            [&] {
                const DWORD now = GetClipboardSequenceNumber();
                const DWORD tick = GetTickCount();
                if (now != seen || (clipboardText_ != expected && tick - readAt > 1000)) {
                    seen = now;
                    readAt = tick;
                    clipboardText_ = program_.Other().ClipboardText();
                }
                return clipboardText_ == expected;
            },
            timeoutMs);
    }
    // What WaitForClipboardText read last.
    std::string clipboardText_;
    // Selects exactly one History line, as a click would leave it.
    void SelectLine(int line) {
        LRESULT ignored = 0;
        const HWND history = program_.Control(IDC_HISTORY);
        SendBounded(history, LB_SETSEL, FALSE, -1, ignored);
        SendBounded(history, LB_SETSEL, TRUE, line, ignored);
        SendBounded(history, LB_SETCARETINDEX, line, FALSE, ignored);
    }
    // Moves the keyboard focus into the Search field with its mnemonic, as a user would. Wine can
    // hand the keystrokes over before the window's activation is complete: the Alt is then lost
    // and the letter lands in the focused control, so the mnemonic is pressed again.
    bool FocusSearchField() {
        const HWND field = program_.Control(IDC_SEARCH);
        const DWORD thread = GetWindowThreadProcessId(field, nullptr);
        const auto focused = [&] {
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            return GetGUIThreadInfo(thread, &info) &&
                   (info.hwndFocus == field || IsChild(field, info.hwndFocus));
        };
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (!program_.TakeForeground() || !PressKey('E', VK_MENU))
                return false;
            if (program_.WaitUntil(focused, 2000))
                return true;
        }
        return false;
    }
    void CloseNormally() {
        DWORD exitCode = 1;
        std::string error;
        ASSERT_TRUE(program_.Close(exitCode, error)) << error;
        EXPECT_EQ(exitCode, 0u);
    }
    Program program_;
};

} // namespace qv::e2e
