// Clips that another program marks private are never kept by the real program, and the next
// ordinary copy is.
#include "e2e_fixture.h"

namespace qv::e2e {
namespace {

// The three ways a writer marks a clip private.
const struct {
    const char* marker;
    std::string data;
} markers[] = {{"ExcludeClipboardContentFromMonitorProcessing", ""},
               {"CanIncludeInClipboardHistory", std::string(4, '\0')},
               {"Clipboard Viewer Ignore", ""}};

TEST_F(EndToEnd, ClipsMarkedPrivateLeaveNoTrace) {
    const HWND history = program_.Control(IDC_HISTORY);
    int count = 0;
    for (const auto& m : markers) {
        SCOPED_TRACE(m.marker);
        CopyAndWait("ordinary " + std::to_string(count), count + 1);
        ++count;
        PumpFor(700);
        ASSERT_TRUE(program_.Other().CopyUnicodeText(L"secret password", m.marker, m.data));
        ASSERT_TRUE(
            program_.WaitUntil([&] { return program_.Title() == "Quorvane - [private]"; }, 10000))
            << program_.Describe("the private clip was not recognised");
        EXPECT_EQ(ListCount(history), count);
        EXPECT_EQ(program_.ControlText(IDC_CONTENTS), "");
        EXPECT_TRUE(ListSelection(history).empty());
        EXPECT_FALSE(program_.IsEnabled(IDC_RECALL));
    }
    // CanIncludeInClipboardHistory holding 1 allows keeping it; the next plain copy is kept too.
    PumpFor(700);
    ASSERT_TRUE(program_.Other().CopyUnicodeText(L"may be kept", "CanIncludeInClipboardHistory",
                                                 std::string("\x01\0\0\0", 4)));
    ASSERT_TRUE(program_.WaitUntil([&] { return ListCount(history) == count + 1; }, 10000))
        << program_.Describe("the clip allowed into histories was not captured");
    std::string line;
    ASSERT_TRUE(ListLine(history, count, line));
    EXPECT_EQ(line, "may be kept");
    CopyAndWait("the next ordinary copy", count + 2);
    EXPECT_EQ(program_.Title(), "the next ordinary copy - Quorvane");

    CloseNormally();
    std::string file;
    ASSERT_TRUE(ReadWholeFile(DataFilePath(), file));
    EXPECT_NE(file.find("may be kept"), std::string::npos);
    EXPECT_EQ(file.find("secret"), std::string::npos);
}

// Re-Copy and Update right after a private clip: the pane is empty, so the program's own copy does
// nothing and the clipboard still holds the secret, which must not be pasted as an item.
TEST_F(EndToEnd, ReCopyAndUpdateAfterAPrivateClipKeepNothing) {
    const HWND history = program_.Control(IDC_HISTORY);
    CopyAndWait("ordinary", 1);
    for (const bool formatting : {true, false}) {
        ASSERT_NO_FATAL_FAILURE(SetIncludeFormatting(formatting));
        for (const auto& m : markers) {
            for (const int button : {IDC_RECOPY, IDC_UPDATE}) {
                SCOPED_TRACE(std::string(m.marker) + (formatting ? ", formatted, " : ", plain, ") +
                             (button == IDC_RECOPY ? "Re-Copy" : "Update"));
                PumpFor(700);
                ASSERT_TRUE(program_.Other().CopyUnicodeText(L"secret password", m.marker, m.data));
                ASSERT_TRUE(program_.WaitUntil(
                    [&] { return program_.Title() == "Quorvane - [private]"; }, 10000))
                    << program_.Describe("the private clip was not recognised");
                program_.Click(button);
                PumpFor(500);
                EXPECT_EQ(ListCount(history), 1) << program_.Describe("an item was added");
                EXPECT_EQ(program_.Title().find("secret"), std::string::npos) << program_.Title();
                EXPECT_EQ(program_.Other().ClipboardText(), "secret password");
            }
        }
    }
    // Capture goes on after all that.
    CopyAndWait("after the private clips", 2);
    CloseNormally();
    std::string file;
    ASSERT_TRUE(ReadWholeFile(DataFilePath(), file));
    EXPECT_NE(file.find("after the private clips"), std::string::npos);
    EXPECT_EQ(file.find("secret"), std::string::npos);
}

// A private clip written while a long capture reads the clipboard is never taken: the read that
// the clipboard changed under is made again, and then finds the marker.
TEST_F(EndToEnd, APrivateClipArrivingDuringALongCaptureLeavesNoTrace) {
    const HWND history = program_.Control(IDC_HISTORY);
    std::string big;
    while (big.size() < 1000000)
        big += "a line of a long text copied elsewhere, seventy-eight characters long ......\r\n";
    ASSERT_TRUE(CopyElsewhere(big));
    // At once, while the program takes the long text.
    ASSERT_TRUE(program_.Other().CopyUnicodeText(L"secret password",
                                                 "ExcludeClipboardContentFromMonitorProcessing"));
    ASSERT_TRUE(
        program_.WaitUntil([&] { return program_.Title() == "Quorvane - [private]"; }, 30000))
        << program_.Describe("the private clip was not recognised");
    PumpFor(500);
    EXPECT_LE(ListCount(history), 1) << "at most the long text";
    std::string line;
    for (int i = 0; i < ListCount(history); ++i) {
        ASSERT_TRUE(ListLine(history, i, line));
        EXPECT_EQ(line.find("secret"), std::string::npos);
    }
    CopyAndWait("after the private clip", ListCount(history) + 1);
    CloseNormally();
    std::string file;
    ASSERT_TRUE(ReadWholeFile(DataFilePath(), file));
    EXPECT_EQ(file.find("secret"), std::string::npos);
}

} // namespace
} // namespace qv::e2e
