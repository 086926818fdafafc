// Taking the clipboard's text as items, putting items back, Re-Copy, Clear, Refresh, Watch and
// Include Formatting, as the user and other programs see them.
#include "main_window_fixture.h"
#include "support/text_fixtures.h"

namespace qv::test {
namespace {

class CaptureTest : public MainWindowTest {
  protected:
    void SetUp() override {
        Open();
        platform.messages.shown.clear();
    }
};

TEST_F(CaptureTest, TextCopiedElsewhereBecomesTheOnlySelectedLastLine) {
    CopyElsewhere("first");
    CopyElsewhere("second");
    ASSERT_EQ(List().GetCount(), 2);
    EXPECT_EQ(LineText(1), "second");
    EXPECT_EQ(List().GetSelItems(), std::vector<int>{1});
    EXPECT_EQ(List().GetCaretIndex(), 1);
    EXPECT_EQ(window->GetTitle(), "second - Quorvane");
    EXPECT_EQ(Pane().GetPlainText(), "second");
    EXPECT_EQ(Label(IDC_CLIP_TIME), "Clip time: 09:30:00 am");
    EXPECT_EQ(Label(IDC_ITEM_COUNT), "2 items");
    // The item kept the pane's RTF and its clip time.
    window->Label(IDC_CLIP_TIME).SetText("");
    window->Click(IDC_RECALL);
    EXPECT_FALSE(platform.clipboard.Rtf().empty());
    EXPECT_EQ(Label(IDC_CLIP_TIME), "Clip time: 09:30:00 am");
}

TEST_F(CaptureTest, SameTextTwiceGivesTwoLines) {
    CopyElsewhere("again");
    CopyElsewhere("again");
    EXPECT_EQ(List().GetCount(), 2);
}

TEST_F(CaptureTest, TitleShowsTheFirstLine) {
    struct Case {
        std::string text;
        std::string title;
    };
    const std::string sixty(60, 'x');
    for (const Case& c :
         {Case{"abc", "abc - Quorvane"}, Case{"   Hello\r\nworld", "Hello... - Quorvane"},
          Case{"\r\n\t  indented", "indented - Quorvane"},
          Case{sixty, std::string(54, 'x') + "... - Quorvane"},
          Case{std::string(54, 'y'), std::string(54, 'y') + "... - Quorvane"},
          Case{std::string(53, 'z'), std::string(53, 'z') + " - Quorvane"},
          Case{"", " - Quorvane"}}) {
        CopyElsewhere(c.text);
        EXPECT_EQ(window->GetTitle(), c.title) << c.text;
    }
}

TEST_F(CaptureTest, CopiesThatAreNotTakenAddNothing) {
    CopyElsewhere("taken");
    platform.clipboard.PutFromOtherApp("at once after it");
    EXPECT_EQ(List().GetCount(), 2) << "another program's copy, however soon";
    Events().OnDrawClipboard(platform::ClipboardNotice{});
    EXPECT_EQ(List().GetCount(), 2) << "a second notice of the same copy";
    Activate(true); // the user works inside the window
    CopyElsewhere("while active");
    EXPECT_EQ(List().GetCount(), 2);
    Activate(false);
    CopyElsewhere("in the background again");
    EXPECT_EQ(List().GetCount(), 3);
}

TEST_F(CaptureTest, OtherFormatsEmptyThePaneAndDeselect) {
    struct Case {
        const char* format; // empty: the clipboard is emptied
        const char* title;
    };
    for (const Case& c : {Case{"", "Quorvane - [empty]"}, Case{"bitmap", "Quorvane - [image]"},
                          Case{"files", "Quorvane - [files or folders]"},
                          Case{"wave", "Quorvane - [other data format]"}}) {
        CopyElsewhere("text first");
        platform.clock.Advance(1000);
        if (*c.format)
            platform.clipboard.PutOtherFormat(c.format);
        else
            platform.clipboard.EmptyFromOtherApp();
        EXPECT_EQ(window->GetTitle(), c.title);
        EXPECT_EQ(Pane().GetPlainText(), "");
        EXPECT_EQ(List().GetSelCount(), 0);
        EXPECT_FALSE(window->Btn(IDC_RECALL).IsEnabled());
    }
}

TEST_F(CaptureTest, WithoutFormattingTheClipboardGetsPlainTextButTheItemKeepsItsRtf) {
    window->Click(IDC_INCLUDE_FORMATTING);
    const std::string rtf = "{\\rtf1\\ansi{\\b bold} text}";
    CopyElsewhere("bold text", rtf);
    ASSERT_EQ(List().GetCount(), 1); // the program's own plain copy is not a second item
    EXPECT_EQ(Pane().rtf(), "");
    EXPECT_EQ(platform.clipboard.Text(), "bold text");
    EXPECT_EQ(platform.clipboard.Rtf(), "");
    // Switching formatting back on re-displays the selected item formatted.
    window->Click(IDC_INCLUDE_FORMATTING);
    EXPECT_EQ(Pane().rtf(), rtf);
    EXPECT_EQ(platform.clipboard.Rtf(), rtf);
    EXPECT_TRUE(window->menu.Find(IDM_INCLUDE_FORMATTING)->checked);
}

TEST_F(CaptureTest, OwnPlainCopyIsNotCapturedEvenWhenTheSaveTakesLong) {
    platform.files.CreateFolder("C:\\Data");
    SetOption(kSectionSaving, kKeyChangeLimit, 0);
    Close();
    Open();
    window->Click(IDC_INCLUDE_FORMATTING);
    platform.files.onWrite = [this] { platform.clock.Advance(2000); };
    CopyElsewhere("slow save", "{\\rtf1\\ansi{\\b slow} save}");
    EXPECT_EQ(List().GetCount(), 1);
    // The platform may deliver the notice of the program's own write late.
    platform.clock.Advance(100);
    Events().OnDrawClipboard(platform::ClipboardNotice{});
    EXPECT_EQ(List().GetCount(), 1);
    platform.files.onWrite = nullptr;
    CopyElsewhere("still watching");
    ASSERT_EQ(List().GetCount(), 2);
    EXPECT_EQ(LineText(1), "still watching");
}

TEST_F(CaptureTest, RecallPutsTheItemBackFormattedOrPlain) {
    const std::string rtf = "{\\rtf1\\ansi{\\b one}}";
    CopyElsewhere("one", rtf);
    CopyElsewhere("two");
    Select({0}, 0);
    window->Click(IDC_RECALL);
    EXPECT_EQ(Pane().GetPlainText(), "one");
    EXPECT_EQ(platform.clipboard.Rtf(), rtf);
    EXPECT_EQ(List().GetCount(), 2); // recalling adds nothing
    EXPECT_TRUE(platform.messages.shown.empty());
    // Ctrl+F: the selected item turns plain.
    ASSERT_TRUE(window->ChooseMenuEntry(IDM_INCLUDE_FORMATTING));
    EXPECT_FALSE(window->Btn(IDC_INCLUDE_FORMATTING).IsChecked());
    EXPECT_FALSE(window->menu.Find(IDM_INCLUDE_FORMATTING)->checked);
    EXPECT_EQ(platform.clipboard.Text(), "one");
    EXPECT_EQ(platform.clipboard.Rtf(), "");
    EXPECT_EQ(window->GetTitle(), "one - Quorvane");
}

TEST_F(CaptureTest, RecallNeedsOneSelectedLineWithAnItem) {
    for (const char* t : {"a one", "a two", "b"})
        CopyElsewhere(t);
    SelectByUser({0, 1}, 1);
    window->Click(IDC_RECALL);
    EXPECT_EQ(LastMessage(), "Please select a single item.");
    EXPECT_EQ(platform.messages.shown.back().icon, platform::MsgIcon::Information);
    // Stepping among found lines recalls the caret line, which must be selected itself.
    window->Type(IDC_SEARCH, "a");
    ASSERT_TRUE(window->Btn(IDC_BACK).IsEnabled());
    List().SetSel(List().GetCaretIndex(), false);
    platform.messages.shown.clear();
    window->Click(IDC_RECALL);
    EXPECT_EQ(LastMessage(), "Please select a single item.");
    SelectByUser({2}, 2);
    List().brokenDataLines = {2};
    window->Click(IDC_RECALL);
    EXPECT_EQ(LastMessage(), "Could not retrieve this item.  You may want to delete it.");
    EXPECT_EQ(platform.messages.shown.back().icon, platform::MsgIcon::Exclamation);
    List().brokenDataLines.clear(); // lets the list delete the item at the end
}

TEST_F(CaptureTest, ReCopyAddsThePaneOrItsSelection) {
    CopyElsewhere("hello world");
    Pane().SetText("edited text");
    window->Click(IDC_RECOPY);
    ASSERT_EQ(List().GetCount(), 2);
    EXPECT_EQ(LineText(1), "edited text");
    EXPECT_EQ(platform.clipboard.Text(), "edited text");
    Pane().SetSel(7, 11);
    window->Click(IDC_RECOPY);
    ASSERT_EQ(List().GetCount(), 3);
    EXPECT_EQ(LineText(2), "text");
    EXPECT_EQ(window->GetTitle(), "text - Quorvane");
}

TEST_F(CaptureTest, ReCopyWithoutItsHiddenControlStillUpdatesTheTitle) {
    CopyElsewhere("first");
    window->hiddenRichEditFails = true;
    Pane().SetText("edited");
    window->Click(IDC_RECOPY);
    EXPECT_EQ(platform.clipboard.Text(), "edited");
    EXPECT_EQ(window->GetTitle(), "edited - Quorvane");
}

TEST_F(CaptureTest, WatchingOffAndUpdate) {
    CopyElsewhere("before");
    ASSERT_TRUE(window->ChooseMenuEntry(IDM_WATCH));
    EXPECT_FALSE(window->Btn(IDC_WATCH).IsChecked());
    EXPECT_FALSE(window->menu.Find(IDM_WATCH)->checked);
    EXPECT_EQ(window->GetTitle(), "Quorvane - [not watching Clipboard]");
    CopyElsewhere("ignored");
    EXPECT_EQ(List().GetCount(), 1);
    window->Click(IDC_UPDATE);
    EXPECT_EQ(List().GetCount(), 2);
    EXPECT_EQ(LineText(1), "ignored");
    EXPECT_EQ(window->GetTitle(), "Quorvane - [not watching Clipboard]");
    // Switching it on (here with the check box) empties the clipboard and the pane.
    window->Click(IDC_WATCH);
    EXPECT_TRUE(window->menu.Find(IDM_WATCH)->checked);
    EXPECT_EQ(platform.clipboard.CountFormats(), 0);
    EXPECT_EQ(Pane().GetPlainText(), "");
    EXPECT_EQ(window->GetTitle(), "Quorvane - [empty]");
    CopyElsewhere("watched again");
    EXPECT_EQ(List().GetCount(), 3);
}

TEST_F(CaptureTest, ClearAndRefreshDoNothingWhileAnotherProgramHoldsTheClipboard) {
    CopyElsewhere("kept");
    platform.clipboard.HoldOpen();
    window->Click(IDC_CLEAR);
    EXPECT_EQ(Pane().GetPlainText(), "kept");
    Pane().SetText("not yet");
    ASSERT_TRUE(window->ChooseMenuEntry(IDM_REFRESH));
    EXPECT_EQ(platform.clipboard.Text(), "kept");
    platform.clipboard.Release();
    window->Click(IDC_CLEAR);
    EXPECT_EQ(Pane().GetPlainText(), "");
    EXPECT_EQ(window->GetTitle(), "Quorvane - [empty]");
    Pane().SetText("restore me");
    ASSERT_TRUE(window->ChooseMenuEntry(IDM_REFRESH));
    EXPECT_EQ(platform.clipboard.Text(), "restore me");
    EXPECT_EQ(List().GetCount(), 1); // the program's own write is no item
}

TEST_F(CaptureTest, HugeTextIsCapturedAndRecalledInFull) {
    const std::string text = MakeText(10 * 1024 * 1024);
    CopyElsewhere(text);
    ASSERT_EQ(List().GetCount(), 1);
    EXPECT_EQ(LineText(0).size(), 503u);
    Pane().SetText("");
    window->Click(IDC_INCLUDE_FORMATTING); // recalls the selected item plain
    EXPECT_EQ(Pane().GetPlainText(), text);
    EXPECT_EQ(platform.clipboard.Text(), text);
}

TEST_F(CaptureTest, BytesAboveSevenBitsSurvive) {
    const std::string text = HighBytesText();
    CopyElsewhere(text);
    EXPECT_EQ(LineText(0), text);
    Pane().SetText("");
    window->Click(IDC_RECALL);
    EXPECT_EQ(Pane().GetPlainText(), text);
    EXPECT_EQ(platform.clipboard.Text(), text);
}

TEST_F(CaptureTest, SelectingTheFirstOrLastLineRecallsIt) {
    for (const char* t : {"top", "middle", "bottom"})
        CopyElsewhere(t);
    SelectByUser({1}, 1);
    EXPECT_EQ(Pane().GetPlainText(), "bottom"); // a middle line is only selected
    SelectByUser({0}, 0);
    EXPECT_EQ(Pane().GetPlainText(), "top");
    DoubleClick(1);
    EXPECT_EQ(Pane().GetPlainText(), "middle");
    SelectByUser({0, 1}, 1);
    EXPECT_EQ(Label(IDC_CLIP_TIME), "");
    EXPECT_EQ(Label(IDC_SELECTED_COUNT), "2 selected items");
}

} // namespace
} // namespace qv::test
