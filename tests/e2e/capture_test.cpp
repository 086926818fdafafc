// Text that another application copies becomes a History item, shown in the title, and is in
// the data file after the program closes.
#include "driver/keyboard.h"
#include "e2e_fixture.h"

namespace qv::e2e {
namespace {

TEST_F(EndToEnd, TextCopiedElsewhereIsCapturedAndSavedAtExit) {
    const HWND history = program_.Control(IDC_HISTORY);
    ASSERT_TRUE(CopyElsewhere("Hello from elsewhere\r\nsecond line"));
    ASSERT_TRUE(program_.WaitUntil([&] { return ListCount(history) == 1; }, 5000))
        << program_.Describe("no History line after a copy elsewhere");
    EXPECT_EQ(program_.Title(), "Hello from elsewhere... - Quorvane");
    std::string line;
    ASSERT_TRUE(ListLine(history, 0, line));
    EXPECT_EQ(line.rfind("Hello from elsewhere", 0), 0u) << line;
    EXPECT_EQ(ListSelection(history), std::vector<int>{0});

    // Formatted text from a word processor arrives through the pane with its formatting.
    const std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 \\b Bold\\b0  words}";
    ASSERT_TRUE(CopyElsewhere("Bold words", rtf));
    ASSERT_TRUE(program_.WaitUntil([&] { return ListCount(history) == 2; }, 5000))
        << program_.Describe("no second History line");
    EXPECT_EQ(program_.ControlText(IDC_CONTENTS), "Bold words");
    EXPECT_EQ(program_.Title(), "Bold words - Quorvane");

    DWORD exitCode = 1;
    std::string error;
    ASSERT_TRUE(program_.Close(exitCode, error)) << error;
    EXPECT_EQ(exitCode, 0u);
    std::string data;
    ASSERT_TRUE(ReadWholeFile(DataFilePath(), data)) << DataFilePath();
    EXPECT_NE(data.find("Hello from elsewhere"), std::string::npos);
    // The item keeps the pane's RTF export: the bold run and the copied text's own font.
    EXPECT_NE(data.find("Arial"), std::string::npos);
    EXPECT_NE(data.find("\\b\\"), std::string::npos);
    EXPECT_TRUE(RegistryDword("Placement", "ShowCmd").has_value());
}

TEST_F(EndToEnd, AfterALongTextThePaneTakesShortAndLongTextsAndCaptureGoesOn) {
    // Emptying a long text gives the pane a new control: it must show, count and recall as the
    // old one did.
    std::string longText;
    for (int i = 0; i < 3000; ++i)
        longText += "line " + std::to_string(i) + " of a long copied text\r\n";
    CopyAndWait(longText, 1);
    const HWND firstPane = program_.Control(IDC_CONTENTS);
    CopyAndWait("short one", 2);
    EXPECT_EQ(program_.ControlText(IDC_CONTENTS), "short one");
    EXPECT_NE(program_.Control(IDC_CONTENTS), firstPane);
    EXPECT_NE(program_.ControlText(IDC_CHAR_COUNT).find('9'), std::string::npos)
        << program_.ControlText(IDC_CHAR_COUNT);

    const HWND history = program_.Control(IDC_HISTORY);
    ASSERT_TRUE(program_.TakeForeground());
    ASSERT_TRUE(PressKey('P', VK_CONTROL));
    EXPECT_TRUE(WaitForClipboardText(longText, 5000));
    EXPECT_EQ(ListSelection(history), std::vector<int>{0});
    EXPECT_EQ(program_.ControlText(IDC_CONTENTS).size(), longText.size());
    ASSERT_TRUE(PressKey('N', VK_CONTROL));
    EXPECT_TRUE(WaitForClipboardText("short one", 5000));
    EXPECT_EQ(program_.ControlText(IDC_CONTENTS), "short one");

    CopyAndWait("after the steps", 3);
    EXPECT_EQ(program_.ControlText(IDC_CONTENTS), "after the steps");
    EXPECT_EQ(program_.Title(), "after the steps - Quorvane");
}

// Another program's copies are taken however soon they follow each other or a long capture, and
// the program's own plain copy (formatting off) is never taken.
TEST_F(EndToEnd, CopiesInQuickSuccessionAreEachAnItemInOrder) {
    const HWND history = program_.Control(IDC_HISTORY);
    std::vector<std::string> expected;
    const auto checkItems = [&](const std::string& when) {
        ASSERT_TRUE(program_.WaitUntil(
            [&] { return ListCount(history) == static_cast<int>(expected.size()); }, 20000))
            << program_.Describe(when + ": expected " + std::to_string(expected.size()));
        PumpFor(300); // an own write taken by mistake would show as one more line by now
        ASSERT_EQ(ListCount(history), static_cast<int>(expected.size())) << when;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            std::string line;
            ASSERT_TRUE(ListLine(history, static_cast<int>(i), line));
            EXPECT_EQ(line, expected[i]) << when << ", line " << i;
        }
    };
    for (const bool formatting : {true, false}) {
        ASSERT_NO_FATAL_FAILURE(SetIncludeFormatting(formatting));
        for (const unsigned gap : {50u, 150u, 300u}) {
            const std::string name =
                (formatting ? "formatted " : "plain ") + std::to_string(gap) + " ms ";
            PumpFor(700);
            ASSERT_TRUE(
                program_.Other().CopyText(name + "first", "{\\rtf1\\ansi{\\b " + name + "}first}"));
            PumpFor(gap - 50); // the copy itself waits 50 ms after closing the clipboard
            ASSERT_TRUE(program_.Other().CopyText(name + "second"));
            expected.push_back(name + "first");
            expected.push_back(name + "second");
            checkItems(name);
        }
    }
    // A short copy right after a 1 MB capture. Formatting is on again: with it off, the program's
    // own plain copy of 1 MB follows the capture, and Wine's syncing of that copy with the X
    // selection can replace another process's copy made in the same moment.
    ASSERT_NO_FATAL_FAILURE(SetIncludeFormatting(true));
    std::string big;
    while (big.size() < 1000000)
        big += "a line of a long text copied elsewhere, seventy-eight characters long ......\r\n";
    ASSERT_TRUE(CopyElsewhere(big));
    ASSERT_TRUE(program_.WaitUntil(
        [&] { return ListCount(history) == static_cast<int>(expected.size()) + 1; }, 30000))
        << program_.Describe("the long text was not taken");
    ASSERT_TRUE(program_.Other().CopyText("short after the long one"));
    expected.push_back("the long text"); // only counted
    expected.push_back("short after the long one");
    ASSERT_TRUE(program_.WaitUntil(
        [&] { return ListCount(history) == static_cast<int>(expected.size()); }, 20000))
        << program_.Describe("the short copy after the long one was lost");
    std::string line;
    ASSERT_TRUE(ListLine(history, static_cast<int>(expected.size()) - 1, line));
    EXPECT_EQ(line, expected.back());
}

} // namespace
} // namespace qv::e2e
