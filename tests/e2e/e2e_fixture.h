// Each case starts the program fresh (user data and clipboard reset) and kills it at the end if
// it is still running; all cases share one Wine prefix.
#pragma once
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
    // Copies as another application would, after the half second in which the program takes a
    // clipboard change for the echo of its own last paste (or of its start).
    bool CopyElsewhere(const std::string& text, const std::string& rtf = std::string()) {
        PumpFor(700);
        return program_.Other().CopyText(text, rtf);
    }
    // Copies elsewhere and waits until the History list has count lines.
    void CopyAndWait(const std::string& text, int count, const std::string& rtf = std::string()) {
        ASSERT_TRUE(CopyElsewhere(text, rtf));
        ASSERT_TRUE(program_.WaitUntil(
            [&] { return ListCount(program_.Control(IDC_HISTORY)) == count; }, 20000))
            << program_.Describe("expected " + std::to_string(count) + " History lines");
    }
    // Waits until the clipboard's text is expected. The clipboard is opened only after it changed
    // (its sequence number), so that the driver never holds it when the program copies.
    bool WaitForClipboardText(const std::string& expected, unsigned timeoutMs) {
        DWORD seen = 0;
        return program_.WaitUntil(
            [&] {
                const DWORD now = GetClipboardSequenceNumber();
                if (now != seen) {
                    seen = now;
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
    void CloseNormally() {
        DWORD exitCode = 1;
        std::string error;
        ASSERT_TRUE(program_.Close(exitCode, error)) << error;
        EXPECT_EQ(exitCode, 0u);
    }
    Program program_;
};

} // namespace qv::e2e
