// Text beyond the locale's code page, copied by another program as Unicode only or as rich text
// in a code page, comes back exactly from every road through the real program; an older file's
// 8-bit text reads as it was.
#include "driver/keyboard.h"
#include "e2e_fixture.h"

namespace qv::e2e {
namespace {

// Latin, CJK, a symbol and an emoji.
const wchar_t kWide[] = L"Gr\u00FC\u00DFe \u65E5\u672C\u8A9E \u2713 \U0001F600";
const char kUtf8[] = "Gr\xC3\xBC\xC3\x9F"
                     "e \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xE2\x9C\x93 \xF0\x9F\x98\x80";

TEST_F(EndToEnd, UnicodeTextComesBackExactly) {
    const HWND history = program_.Control(IDC_HISTORY);
    PumpFor(700);
    ASSERT_TRUE(program_.Other().CopyUnicodeText(kWide));
    ASSERT_TRUE(program_.WaitUntil([&] { return ListCount(history) == 1; }, 10000))
        << program_.Describe("no capture");
    EXPECT_EQ(program_.Title(), std::string(kUtf8) + " - Quorvane");
    std::string line;
    ASSERT_TRUE(ListLine(history, 0, line));
    EXPECT_EQ(line, kUtf8);

    // Recall formatted, then plain (switching Include Formatting recalls the selected line).
    ASSERT_TRUE(program_.Other().EmptyClipboard());
    SelectLine(0);
    program_.Click(IDC_RECALL);
    EXPECT_TRUE(WaitForClipboardText(kUtf8, 5000)) << "formatted: " << clipboardText_;
    EXPECT_FALSE(program_.Other().ClipboardRtf().empty());
    ASSERT_TRUE(program_.Other().EmptyClipboard());
    program_.Click(IDC_INCLUDE_FORMATTING);
    EXPECT_TRUE(WaitForClipboardText(kUtf8, 5000)) << "plain: " << clipboardText_;
    EXPECT_TRUE(program_.Other().ClipboardRtf().empty());

    program_.Click(IDC_RECOPY);
    ASSERT_TRUE(program_.WaitUntil([&] { return ListCount(history) == 2; }, 5000))
        << program_.Describe("Re-Copy added no item");
    ASSERT_TRUE(ListLine(history, 1, line));
    EXPECT_EQ(line, kUtf8);
    EXPECT_TRUE(WaitForClipboardText(kUtf8, 5000)) << "Re-Copy: " << clipboardText_;

    CloseNormally();
    ASSERT_TRUE(program_.Other().EmptyClipboard());
    std::string error;
    ASSERT_TRUE(program_.Launch(error)) << error;
    const HWND restarted = program_.Control(IDC_HISTORY);
    ASSERT_TRUE(program_.WaitUntil([&] { return ListCount(restarted) == 2; }, 5000))
        << program_.Describe("the items did not survive the restart");
    ASSERT_TRUE(ListLine(restarted, 0, line));
    EXPECT_EQ(line, kUtf8);

    // Found by the Search field: two of the CJK characters select both lines.
    ASSERT_TRUE(FocusSearchField()) << program_.Describe("Alt+E did not reach the Search field");
    ASSERT_TRUE(TypeUnicode(L"\u672C\u8A9E"));
    EXPECT_TRUE(program_.WaitUntil(
        [&] {
            return ListSelection(restarted) == std::vector<int>{0, 1};
        },
        5000))
        << program_.Describe("the search did not find the Unicode text; the field holds \"" +
                             program_.ControlText(IDC_SEARCH) + "\"");
}

TEST_F(EndToEnd, RichTextInACodePageIsCapturedWithEveryCharacter) {
    // As WordPad under Wine copies: its code page's characters as escapes in a font that names
    // no character set, others as \u.
    const std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 "
                            "{\\b 5} \\'80 caf\\'e9 \\u20013?\\u25991?}";
    const char expected[] = "5 \xE2\x82\xAC caf\xC3\xA9 \xE4\xB8\xAD\xE6\x96\x87";
    const HWND history = program_.Control(IDC_HISTORY);
    PumpFor(700);
    ASSERT_TRUE(program_.Other().CopyText(expected, rtf));
    ASSERT_TRUE(program_.WaitUntil([&] { return ListCount(history) == 1; }, 10000))
        << program_.Describe("no capture");
    std::string line;
    ASSERT_TRUE(ListLine(history, 0, line));
    EXPECT_EQ(line, expected);
    EXPECT_EQ(program_.Title(), std::string(expected) + " - Quorvane");

    ASSERT_TRUE(program_.Other().EmptyClipboard());
    SelectLine(0);
    program_.Click(IDC_RECALL);
    EXPECT_TRUE(WaitForClipboardText(expected, 5000)) << "formatted: " << clipboardText_;
    EXPECT_NE(program_.Other().ClipboardRtf().find("\\b"), std::string::npos);
}

TEST_F(EndToEnd, AnOlderFilesEightBitTextReadsInTheLocalesCodePage) {
    program_.Kill();
    ResetUserData();
    ASSERT_TRUE(CreateDirectoryA(DataFolder().c_str(), nullptr) || FileExists(DataFolder()));
    // One Main List item "caf\xE9", 8-bit Windows-1252 as the program wrote it before UTF-8.
    const std::string older("\x01\0\0\0\x01\0\0\0\0\x04"
                            "caf\xE9\0\0\0\0\0",
                            19);
    ASSERT_TRUE(WriteWholeFile(DataFilePath(), older));
    std::string error;
    ASSERT_TRUE(program_.Launch(error)) << error;
    const HWND history = program_.Control(IDC_HISTORY);
    ASSERT_TRUE(program_.WaitUntil([&] { return ListCount(history) == 1; }, 5000))
        << program_.Describe("the older file was not read");
    std::string line;
    ASSERT_TRUE(ListLine(history, 0, line));
    EXPECT_EQ(line, "caf\xC3\xA9");

    // Saved again, the text takes the wide form: 0xFF, 0xFFFE, four UTF-16 units.
    CloseNormally();
    std::string file;
    ASSERT_TRUE(ReadWholeFile(DataFilePath(), file));
    EXPECT_NE(file.find(std::string("\xFF\xFE\xFF\x04"
                                    "c\0a\0f\0\xE9\0",
                                    12)),
              std::string::npos);
}

} // namespace
} // namespace qv::e2e
