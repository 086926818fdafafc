// What the program puts on the clipboard stays there, formatted, after the program has ended.
#include "e2e_fixture.h"

namespace qv::e2e {
namespace {

TEST_F(EndToEnd, ReCopiedTextOutlivesTheProgram) {
    const HWND history = program_.Control(IDC_HISTORY);
    const std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 \\b Kept\\b0  text}";
    ASSERT_TRUE(CopyElsewhere("Kept text", rtf));
    ASSERT_TRUE(program_.WaitUntil([&] { return ListCount(history) == 1; }, 5000))
        << program_.Describe("no capture");
    // Emptied while the window is in front, as by the user's own doing: the pane keeps the text.
    ASSERT_TRUE(program_.TakeForeground());
    ASSERT_TRUE(program_.Other().EmptyClipboard());

    program_.Click(IDC_RECOPY);
    ASSERT_TRUE(program_.WaitUntil([&] { return ListCount(history) == 2; }, 5000))
        << program_.Describe("Re-Copy added no item");
    DWORD exitCode = 1;
    std::string error;
    ASSERT_TRUE(program_.Close(exitCode, error)) << error;

    EXPECT_EQ(program_.Other().ClipboardText(), "Kept text");
    EXPECT_TRUE(IsClipboardFormatAvailable(RegisterClipboardFormatA("Rich Text Format")));
}

} // namespace
} // namespace qv::e2e
