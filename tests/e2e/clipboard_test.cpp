// What only the real clipboard, viewer chain and rich edit can show about capture and recall.
#include "driver/chain_viewer.h"
#include "e2e_fixture.h"
#include <functional>
#include <string>
#include <vector>

namespace qv::e2e {
namespace {

const std::string kBoldRed =
    "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
    "\\f0 plain \\b\\cf1 bold red\\b0\\cf0  end}";

TEST_F(EndToEnd, CopiesWhileTheWindowIsActiveAreNotTaken) {
    CopyAndWait("from elsewhere", 1);
    ASSERT_TRUE(program_.TakeForeground());
    PumpFor(700);
    ASSERT_TRUE(program_.Other().CopyText("while active", std::string(), false));
    PumpFor(1000);
    EXPECT_EQ(ListCount(program_.Control(IDC_HISTORY)), 1);
    CopyAndWait("from elsewhere", 2); // the same text again is a second item
}

TEST_F(EndToEnd, OtherFormatsShowInTheTitle) {
    CopyAndWait("text first", 1);
    struct Case {
        UINT format;
        const char* title;
    };
    for (const Case& c :
         {Case{CF_DIB, "Quorvane - [image]"}, Case{CF_HDROP, "Quorvane - [files or folders]"},
          Case{CF_WAVE, "Quorvane - [other data format]"}}) {
        PumpFor(700);
        ASSERT_TRUE(program_.Other().CopyFormat(c.format));
        EXPECT_TRUE(program_.WaitUntil([&] { return program_.Title() == c.title; }, 5000))
            << program_.Describe(c.title);
        EXPECT_TRUE(ListSelection(program_.Control(IDC_HISTORY)).empty());
        EXPECT_FALSE(program_.IsEnabled(IDC_RECALL));
        EXPECT_EQ(program_.ControlText(IDC_CONTENTS), "");
    }
}

TEST_F(EndToEnd, FormattingComesBackFromRecall) {
    CopyAndWait("plain bold red end", 1, kBoldRed);
    CopyAndWait("something else", 2);
    SelectLine(0);
    program_.Click(IDC_RECALL);
    ASSERT_TRUE(WaitForClipboardText("plain bold red end", 5000))
        << program_.Describe("recall did not reach the clipboard");
    const std::string rtf = program_.Other().ClipboardRtf();
    EXPECT_NE(rtf.find("\\b"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\red255\\green0\\blue0"), std::string::npos) << rtf;
    EXPECT_EQ(ListCount(program_.Control(IDC_HISTORY)), 2);
    CopyAndWait("copied after the recall", 3); // the recall's own write did not stop capture
}

TEST_F(EndToEnd, WithoutFormattingTheClipboardKeepsPlainTextOnly) {
    program_.Click(IDC_INCLUDE_FORMATTING);
    ASSERT_TRUE(
        program_.WaitUntil([&] { return !program_.IsChecked(IDC_INCLUDE_FORMATTING); }, 3000));
    CopyAndWait("plain bold red end", 1, kBoldRed);
    PumpFor(1500); // the program's own plain copy must not come back as a second item
    EXPECT_EQ(ListCount(program_.Control(IDC_HISTORY)), 1);
    EXPECT_EQ(program_.Other().ClipboardRtf(), "");
    EXPECT_EQ(program_.Other().ClipboardText(), "plain bold red end");
    CopyAndWait("copied later", 2); // and capture goes on
}

// Each action below writes the clipboard itself; a copy in another application afterwards must
// still become an item (a check that only no extra item appeared would pass with capture dead).
TEST_F(EndToEnd, CaptureGoesOnAfterEveryWriteOfTheProgramsOwn) {
    const HWND history = program_.Control(IDC_HISTORY);
    std::vector<std::string> items;
    const auto copy = [&](const std::string& text) {
        items.push_back(text);
        CopyAndWait(text, static_cast<int>(items.size()));
    };
    copy("first");
    copy("second");
    struct Action {
        const char* name;
        std::function<void()> act;
        std::function<std::string()> expected; // the clipboard's text afterwards
        bool addsItem;
    };
    const Action actions[] = {
        {"Recall",
         [&] {
             SelectLine(0);
             program_.Click(IDC_RECALL);
         },
         [&] { return items[0]; }, false},
        {"Re-Copy", [&] { program_.Click(IDC_RECOPY); }, [&] { return items.back(); }, true},
        {"Include Formatting off", [&] { program_.Click(IDC_INCLUDE_FORMATTING); },
         [&] { return items.back(); }, false},
        {"Previous", [&] { program_.Click(IDC_PREVIOUS); }, [&] { return items[items.size() - 2]; },
         false},
        {"Next",
         [&] {
             program_.Click(IDC_PREVIOUS);
             ASSERT_TRUE(WaitForClipboardText(items[items.size() - 2], 5000));
             program_.Click(IDC_NEXT);
         },
         [&] { return items.back(); }, false},
        {"Include Formatting on", [&] { program_.Click(IDC_INCLUDE_FORMATTING); },
         [&] { return items.back(); }, false},
    };
    for (const Action& a : actions) {
        SCOPED_TRACE(a.name);
        const std::string expected = a.expected();
        a.act();
        ASSERT_TRUE(WaitForClipboardText(expected, 5000))
            << program_.Describe(std::string(a.name) + " did not reach the clipboard");
        if (a.addsItem) {
            items.push_back(expected);
            ASSERT_TRUE(program_.WaitUntil(
                [&] { return ListCount(history) == static_cast<int>(items.size()); }, 5000));
        }
        copy(std::string("copied after ") + a.name);
    }
    PumpFor(1000); // and no echo of the program's own writes came in late
    EXPECT_EQ(ListCount(history), static_cast<int>(items.size()));
}

TEST_F(EndToEnd, HighBytesAndLongTextsSurvive) {
    // Copied as 8-bit text of the locale's Windows-1252; read back (as Unicode) in UTF-8.
    std::string high = "high:", highUtf8 = "high:";
    for (int c = 0xA0; c <= 0xFF; ++c) {
        high += static_cast<char>(c);
        highUtf8 += static_cast<char>(0xC0 | (c >> 6));
        highUtf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
    CopyAndWait(high, 1);
    std::string line;
    ASSERT_TRUE(ListLine(program_.Control(IDC_HISTORY), 0, line));
    EXPECT_EQ(line, highUtf8);

    // Well beyond the list text and the rich edit's default limit of 32,767 characters. (Wine's
    // rich edit empties a pane of many lines in quadratic time, so this stays far below the
    // sizes the native tests capture.)
    std::string big;
    for (int i = 0; big.size() < 64 * 1024; ++i)
        big += "line " + std::to_string(i) + " of a long copied text\r\n";
    CopyAndWait(big, 2);
    ASSERT_TRUE(ListLine(program_.Control(IDC_HISTORY), 1, line));
    EXPECT_EQ(line.size(), 503u);
    CopyAndWait("small", 3);
    SelectLine(1);
    program_.Click(IDC_RECALL);
    ASSERT_TRUE(WaitForClipboardText(big, 10000)) << program_.Describe(
        "the long item came back with " + std::to_string(clipboardText_.size()) + " of " +
        std::to_string(big.size()) + " characters, pane " + program_.ControlText(IDC_CHAR_COUNT));
    SelectLine(0);
    program_.Click(IDC_RECALL);
    ASSERT_TRUE(WaitForClipboardText(highUtf8, 5000))
        << program_.Describe("high bytes did not come back unchanged");
}

// A viewer of another process that joined the chain before the program: the program must pass
// every notice on exactly once, also after a cancelled log-off.
class ChainTest : public EndToEnd {
  protected:
    void SetUp() override {
        ResetUserData();
        program_.Other().EmptyClipboard(); // else start-up takes what an earlier test left
        viewer_ = std::make_unique<ChainViewer>();
        std::string error;
        ASSERT_TRUE(program_.Launch(error)) << error;
    }
    std::unique_ptr<ChainViewer> viewer_;
};

TEST_F(ChainTest, SecondViewerGetsEveryNoticeOnceAcrossACancelledLogOff) {
    const int before = viewer_->Notices();
    CopyAndWait("first", 1);
    EXPECT_TRUE(program_.WaitUntil([&] { return viewer_->Notices() == before + 1; }, 3000));
    LRESULT answer = 0;
    ASSERT_TRUE(SendBounded(program_.MainWindow(), WM_QUERYENDSESSION, 0, 0, answer));
    EXPECT_NE(answer, 0);
    ASSERT_TRUE(SendBounded(program_.MainWindow(), WM_ENDSESSION, FALSE, 0, answer));
    CopyAndWait("second", 2);
    PumpFor(500);
    EXPECT_EQ(viewer_->Notices(), before + 2);
    EXPECT_EQ(ListCount(program_.Control(IDC_HISTORY)), 2);
    CloseNormally();
    viewer_.reset();
}

} // namespace
} // namespace qv::e2e
