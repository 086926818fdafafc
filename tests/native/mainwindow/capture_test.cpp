#include "history/plain_text.h"
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
    EXPECT_FALSE(Item(1)->rtfText.empty());
    EXPECT_EQ(Item(1)->clipTime.year, platform.clock.now.year);
    EXPECT_EQ(Label(IDC_CLIP_TIME), "Clip time: 09:30:00 am");
    EXPECT_EQ(Label(IDC_ITEM_COUNT), "2 items");
    EXPECT_EQ(dialog->ChangeCounter(), 2);
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
    platform.clock.Advance(500);
    platform.clipboard.PutFromOtherApp("within 500 ms of the own paste");
    EXPECT_EQ(List().GetCount(), 1);
    platform.clock.Advance(1);
    platform.clipboard.PutFromOtherApp("just after it");
    EXPECT_EQ(List().GetCount(), 2);
    dialog->OnActivate(true); // the user works inside the window
    CopyElsewhere("while active");
    EXPECT_EQ(List().GetCount(), 2);
    dialog->OnActivate(false);
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
    window->Btn(IDC_INCLUDE_FORMATTING).SetChecked(false);
    dialog->OnCommand(IDC_INCLUDE_FORMATTING, platform::kButtonClicked);
    const std::string rtf = "{\\rtf1\\ansi{\\b bold} text}";
    CopyElsewhere("bold text", rtf);
    ASSERT_EQ(List().GetCount(), 1); // the program's own plain copy is not a second item
    EXPECT_EQ(Item(0)->rtfText, rtf);
    EXPECT_EQ(Pane().rtf(), "");
    EXPECT_EQ(platform.clipboard.Text(), "bold text");
    EXPECT_EQ(platform.clipboard.Rtf(), "");
    // Switching formatting back on re-displays the selected item formatted.
    window->Btn(IDC_INCLUDE_FORMATTING).SetChecked(true);
    dialog->OnCommand(IDC_INCLUDE_FORMATTING, platform::kButtonClicked);
    EXPECT_EQ(Pane().rtf(), rtf);
    EXPECT_EQ(platform.clipboard.Rtf(), rtf);
    EXPECT_TRUE(window->menu.Find(IDM_INCLUDE_FORMATTING)->checked);
}

TEST_F(CaptureTest, OwnPlainCopyIsNotCapturedEvenWhenTheSaveTakesLong) {
    platform.settings.WriteInt("Saving", "Change Limit", 0);
    Close();
    Open();
    window->Btn(IDC_INCLUDE_FORMATTING).SetChecked(false);
    dialog->OnCommand(IDC_INCLUDE_FORMATTING, platform::kButtonClicked);
    platform.files.onWrite = [this] { platform.clock.Advance(2000); };
    CopyElsewhere("slow save", "{\\rtf1\\ansi{\\b slow} save}");
    EXPECT_EQ(List().GetCount(), 1);
    // The platform may deliver the notice of the program's own write late.
    platform.clock.Advance(100);
    dialog->OnDrawClipboard(platform::ClipboardNotice{});
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
    ASSERT_TRUE(dialog->Recall(false));
    EXPECT_EQ(Pane().GetPlainText(), "one");
    EXPECT_EQ(platform.clipboard.Rtf(), rtf);
    EXPECT_EQ(List().GetCount(), 2);              // recalling adds nothing
    dialog->OnSysCommand(IDM_INCLUDE_FORMATTING); // Ctrl+F: the selected item turns plain
    EXPECT_FALSE(dialog->IncludesFormatting());
    EXPECT_FALSE(window->Btn(IDC_INCLUDE_FORMATTING).IsChecked());
    EXPECT_EQ(platform.clipboard.Text(), "one");
    EXPECT_EQ(platform.clipboard.Rtf(), "");
    EXPECT_EQ(window->GetTitle(), "one - Quorvane");
}

TEST_F(CaptureTest, RecallNeedsOneSelectedLineWithARecord) {
    CopyElsewhere("a");
    CopyElsewhere("b");
    Select({0, 1}, 1);
    EXPECT_FALSE(dialog->Recall(false));
    EXPECT_EQ(LastMessage(), "Please select a single item.");
    EXPECT_EQ(platform.messages.shown.back().icon, platform::MsgIcon::Information);
    Select({}, 0);
    EXPECT_FALSE(dialog->Recall(true)); // caret line not selected
    Select({0}, 0);
    List().brokenDataLines = {0};
    EXPECT_FALSE(dialog->Recall(false));
    EXPECT_EQ(LastMessage(), "Could not retrieve this item.  You may want to delete it.");
    EXPECT_EQ(platform.messages.shown.back().icon, platform::MsgIcon::Exclamation);
    List().brokenDataLines.clear(); // lets the list delete the record at the end
}

TEST_F(CaptureTest, ReCopyAddsThePaneOrItsSelection) {
    CopyElsewhere("hello world");
    Pane().SetText("edited text");
    dialog->OnCommand(IDC_RECOPY, platform::kButtonClicked);
    ASSERT_EQ(List().GetCount(), 2);
    EXPECT_EQ(LineText(1), "edited text");
    EXPECT_EQ(platform.clipboard.Text(), "edited text");
    Pane().SetSel(7, 11);
    dialog->OnCommand(IDC_RECOPY, platform::kButtonClicked);
    ASSERT_EQ(List().GetCount(), 3);
    EXPECT_EQ(LineText(2), "text");
    EXPECT_EQ(window->GetTitle(), "text - Quorvane");
}

TEST_F(CaptureTest, ReCopyWithoutItsHiddenControlStillUpdatesTheTitle) {
    CopyElsewhere("first");
    window->hiddenRichEditFails = true;
    Pane().SetText("edited");
    dialog->OnCommand(IDC_RECOPY, platform::kButtonClicked);
    EXPECT_EQ(platform.clipboard.Text(), "edited");
    EXPECT_EQ(window->GetTitle(), "edited - Quorvane");
}

TEST_F(CaptureTest, WatchingOffAndUpdate) {
    CopyElsewhere("before");
    dialog->OnSysCommand(IDM_WATCH);
    EXPECT_FALSE(dialog->IsWatching());
    EXPECT_FALSE(window->Btn(IDC_WATCH).IsChecked());
    EXPECT_FALSE(window->menu.Find(IDM_WATCH)->checked);
    EXPECT_EQ(window->GetTitle(), "Quorvane - [not watching Clipboard]");
    CopyElsewhere("ignored");
    EXPECT_EQ(List().GetCount(), 1);
    dialog->OnCommand(IDC_UPDATE, platform::kButtonClicked);
    EXPECT_EQ(List().GetCount(), 2);
    EXPECT_EQ(LineText(1), "ignored");
    EXPECT_EQ(window->GetTitle(), "Quorvane - [not watching Clipboard]");
    // Switching it on empties the clipboard and the pane.
    dialog->OnSysCommand(IDM_WATCH);
    EXPECT_EQ(platform.clipboard.CountFormats(), 0);
    EXPECT_EQ(Pane().GetPlainText(), "");
    EXPECT_EQ(window->GetTitle(), "Quorvane - [empty]");
}

TEST_F(CaptureTest, ClearAndRefreshDoNothingWhileAnotherProgramHoldsTheClipboard) {
    CopyElsewhere("kept");
    platform.clipboard.HoldOpen();
    dialog->OnCommand(IDC_CLEAR, platform::kButtonClicked);
    EXPECT_EQ(Pane().GetPlainText(), "kept");
    EXPECT_FALSE(dialog->RefreshClipboard());
    platform.clipboard.Release();
    dialog->OnCommand(IDC_CLEAR, platform::kButtonClicked);
    EXPECT_EQ(Pane().GetPlainText(), "");
    EXPECT_EQ(window->GetTitle(), "Quorvane - [empty]");
    Pane().SetText("restore me");
    EXPECT_TRUE(dialog->RefreshClipboard());
    EXPECT_EQ(platform.clipboard.Text(), "restore me");
    EXPECT_EQ(List().GetCount(), 1);
}

TEST_F(CaptureTest, HugeTextIsCapturedAndRecalledInFull) {
    const std::string text = MakeText(10 * 1024 * 1024);
    CopyElsewhere(text);
    ASSERT_EQ(List().GetCount(), 1);
    EXPECT_EQ(LineText(0).size(), 503u);
    EXPECT_EQ(JoinPlainText(LineText(0), Item(0)->overflowText), text);
    Pane().SetText("");
    window->Btn(IDC_INCLUDE_FORMATTING).SetChecked(false);
    dialog->OnCommand(IDC_INCLUDE_FORMATTING, platform::kButtonClicked); // recalls plain
    EXPECT_EQ(Pane().GetPlainText(), text);
    EXPECT_EQ(platform.clipboard.Text(), text);
}

TEST_F(CaptureTest, BytesAboveSevenBitsSurvive) {
    const std::string text = HighBytesText();
    CopyElsewhere(text);
    EXPECT_EQ(LineText(0), text);
    Select({0}, 0);
    ASSERT_TRUE(dialog->Recall(false));
    EXPECT_EQ(Pane().GetPlainText(), text);
    EXPECT_EQ(platform.clipboard.Text(), text);
}

TEST_F(CaptureTest, SelectingTheFirstOrLastLineRecallsIt) {
    for (const char* t : {"top", "middle", "bottom"})
        CopyElsewhere(t);
    Select({1}, 1);
    dialog->OnCommand(IDC_HISTORY, platform::kListSelChange);
    EXPECT_EQ(Pane().GetPlainText(), "bottom"); // a middle line is only selected
    Select({0}, 0);
    dialog->OnCommand(IDC_HISTORY, platform::kListSelChange);
    EXPECT_EQ(Pane().GetPlainText(), "top");
    Select({1}, 1);
    dialog->OnCommand(IDC_HISTORY, platform::kListDoubleClick);
    EXPECT_EQ(Pane().GetPlainText(), "middle");
    Select({0, 1}, 1);
    dialog->OnCommand(IDC_HISTORY, platform::kListSelChange);
    EXPECT_EQ(Label(IDC_CLIP_TIME), "");
    EXPECT_EQ(Label(IDC_SELECTED_COUNT), "2 selected items");
}

} // namespace
} // namespace qv::test
