// The Options sheet from the main window: the term committed first, settings written on OK only,
// the counts regrouped on Apply, the search terms cleared for good, the data file written and read
// on demand, and the sheet after a data file that cannot be read.
#include "main_window_fixture.h"
#include "options/options_sheet.h"

namespace qv::test {
namespace {

using platform::MsgResult;
using platform::headless::HeadlessSheet;

// Shows the page of a template and gives its window.
HeadlessDialog& ShowPage(HeadlessSheet& sheet, int templateId) {
    const int page = COptionsSheet::PageOf(templateId);
    sheet.ShowPage(page);
    return sheet.Page(page);
}

class OptionsWindowTest : public MainWindowTest {
  protected:
    OptionsWindowTest() {
        platform.files.CreateFolder("C:\\Data");
        // The tip at start-up would write every setting when it closes.
        SetOption(kSectionStartUp, kKeyShowDayTip, 0);
    }
    // Clicks Options; the script runs on the sheet.
    void Options(std::function<void(HeadlessSheet&)> script) {
        platform.OnSheet(std::move(script));
        window->Click(IDC_OPTIONS);
    }
    std::string Stored(const char* section, const char* key) {
        return platform.settings.GetString(section, key, "(none)");
    }
    int StoredInt(const char* section, const char* key) {
        return platform.settings.GetInt(section, key, -1);
    }
};

TEST_F(OptionsWindowTest, OkWritesTheSettingsAndSearchesAgainWithThem) {
    Open();
    CopyElsewhere("apple pie");
    CopyElsewhere("banana");
    window->Type(IDC_SEARCH, "aple");
    EXPECT_EQ(List().GetSelCount(), 0);
    Options([](HeadlessSheet& s) {
        ShowPage(s, IDD_OPTIONS_SEARCHING).Click(IDC_SEARCHING_TYPOS);
        ShowPage(s, IDD_OPTIONS_MISC).Combo(IDC_MISC_HISTORY_LIMIT).SetCurSel(9);
        s.PressOk();
    });
    EXPECT_TRUE(List().IsSelected(0)) << "the search ran again, tolerating the typo";
    EXPECT_FALSE(List().IsSelected(1));
    EXPECT_EQ(StoredInt(kSectionSearching, kKeyAllowTypos), 1);
    EXPECT_EQ(StoredInt(kSectionMisc, kKeyHistoryLimit), 500);
    EXPECT_EQ(StoredInt(kSectionSaving, kKeyChangeLimit), 10);
    EXPECT_EQ(Stored(kSectionNumbers, kKeyThousandsSeparator), ",");
    std::string term;
    ASSERT_EQ(window->Combo(IDC_SEARCH).GetCount(), 1) << "committed when Options was pressed";
    window->Combo(IDC_SEARCH).GetLBText(0, term);
    EXPECT_EQ(term, "aple");
}

TEST_F(OptionsWindowTest, CancelWritesNothing) {
    Open();
    Options([](HeadlessSheet& s) {
        ShowPage(s, IDD_OPTIONS_MISC).Click(IDC_MISC_CONFIRM_EXIT);
        s.PressCancel();
    });
    EXPECT_EQ(StoredInt(kSectionMisc, kKeyConfirmExit), -1);
    platform.messages.Answer(MsgResult::No);
    window->PressClose();
    EXPECT_FALSE(window->ended) << "exit is still confirmed";
}

TEST_F(OptionsWindowTest, DotWithApplyRegroupsTheCountsAtOnceAndCancelKeepsIt) {
    Open();
    Pane().SetText(std::string(1234, 'x'));
    EXPECT_EQ(Label(IDC_CHAR_COUNT), "1,234 characters");
    Options([this](HeadlessSheet& s) {
        ShowPage(s, IDD_OPTIONS_NUMBERS).Click(IDC_NUMBERS_DOT);
        s.PressApply();
        EXPECT_EQ(Label(IDC_CHAR_COUNT), "1.234 characters");
        s.PressCancel();
    });
    EXPECT_EQ(Label(IDC_CHAR_COUNT), "1.234 characters");
    EXPECT_EQ(Stored(kSectionNumbers, kKeyThousandsSeparator), "(none)")
        << "stored only with the next settings write";
    Options([](HeadlessSheet& s) { s.PressOk(); });
    EXPECT_EQ(Stored(kSectionNumbers, kKeyThousandsSeparator), ".");
}

TEST_F(OptionsWindowTest, ClearSearchListEmptiesTheTermsForGoodEvenAfterCancel) {
    platform.settings.WriteString(kSectionSearching, "Term0", "stored");
    Open();
    window->Type(IDC_SEARCH, "typed");
    Options([](HeadlessSheet& s) {
        auto& page = ShowPage(s, IDD_OPTIONS_SEARCHING);
        EXPECT_TRUE(page.Btn(IDC_SEARCHING_CLEAR).IsEnabled());
        page.Click(IDC_SEARCHING_CLEAR);
        s.PressCancel();
    });
    EXPECT_EQ(window->Combo(IDC_SEARCH).GetCount(), 0);
    EXPECT_EQ(window->Combo(IDC_SEARCH).GetText(), "typed");
    EXPECT_EQ(Stored(kSectionSearching, "Term0"), "(none)");
    Close();
    EXPECT_EQ(Stored(kSectionSearching, "Term0"), "(none)");
    EXPECT_EQ(Stored(kSectionSearching, "Term1"), "(none)");
}

TEST_F(OptionsWindowTest, SaveAndLoadDataFileFromTheSavingPage) {
    Open();
    CopyElsewhere("kept");
    Options([this](HeadlessSheet& s) {
        auto& page = ShowPage(s, IDD_OPTIONS_SAVING);
        EXPECT_EQ(page.Label(IDC_SAVING_CHANGES).GetText(), "1 change");
        page.Click(IDC_SAVING_SAVE);
        EXPECT_EQ(page.Label(IDC_SAVING_CHANGES).GetText(), "0 changes");
        EXPECT_TRUE(s.CancelIsClose());
        EXPECT_NE(FileBytes(dataFile).find("kept"), std::string::npos);
        s.PressCancel();
    });
    CopyElsewhere("not saved");
    ASSERT_EQ(List().GetCount(), 2);
    SelectByUser({1}, 1);
    window->Click(IDC_SET_MARK);
    ASSERT_EQ(window->Btn(IDC_SET_MARK).GetText(), "Ret. to Mar&k");
    platform.messages.shown.clear();
    platform.messages.Answer(MsgResult::Yes);
    Options([](HeadlessSheet& s) {
        ShowPage(s, IDD_OPTIONS_SAVING).Click(IDC_SAVING_LOAD);
        s.PressCancel();
    });
    ASSERT_EQ(platform.messages.shown.size(), 2u);
    EXPECT_EQ(platform.messages.shown[0].text, "Your new items will be lost.  Proceed?");
    EXPECT_EQ(platform.messages.shown[1].text, "Finished reading from the data file.");
    ASSERT_EQ(List().GetCount(), 1);
    EXPECT_EQ(LineText(0), "kept");
    EXPECT_EQ(Label(IDC_ITEM_COUNT), "1 item");
    EXPECT_EQ(window->Btn(IDC_SET_MARK).GetText(), "Set Mar&k") << "the mark went with the list";
    EXPECT_EQ(window->menu.Find(IDM_MARK)->text, "Set Mar&k\tCtrl+K");
}

// The Saving page shows the change counter: each command that changes the lists counts one
// change, and the Mini-Window's Delete and Move count none.
TEST_F(OptionsWindowTest, ListCommandsCountOneChangeEach) {
    SetOption(kSectionSaving, kKeyChangeLimit, 1000);
    Open();
    const auto changes = [this] {
        std::string shown;
        Options([&shown](HeadlessSheet& s) {
            shown = ShowPage(s, IDD_OPTIONS_SAVING).Label(IDC_SAVING_CHANGES).GetText();
            s.PressCancel();
        });
        return shown;
    };
    CopyElsewhere("one\r\ntwo");
    CopyElsewhere("three");
    ASSERT_EQ(changes(), "2 changes");
    const struct {
        const char* name;
        std::function<void()> act;
        const char* after;
    } steps[] = {
        {"Merge",
         [this] {
             Select({0, 1}, 1);
             platform.OnDialog(IDD_MERGE, [](HeadlessDialog& d) { d.Click(IDOK); });
             window->Click(IDC_MERGE);
         },
         "3 changes"},
        {"Split",
         [this] {
             SelectByUser({0}, 0);
             window->Click(IDC_SPLIT);
         },
         "4 changes"},
        {"Change List",
         [this] {
             Select({}, 0);
             window->Click(IDC_CHANGE_LIST);
             Select({}, 0);
             window->Click(IDC_CHANGE_LIST);
         },
         "6 changes"},
        {"Delete with nothing selected",
         [this] {
             platform.clock.seconds += 3;
             Select({}, 0);
             window->Click(IDC_DELETE);
         },
         "7 changes"},
        {"the Mini-Window's Delete and Move",
         [this] {
             const std::vector<std::string> before = Lines();
             Events().OnPosted(0x504, 0, 0);
             Events().OnPosted(0x503, 0, 1);
             ASSERT_EQ(Lines().size(), before.size() - 1) << "a line was deleted";
             EXPECT_EQ(Lines()[0], before[2]) << "and the next two swapped";
         },
         "7 changes"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        EXPECT_EQ(changes(), step.after);
    }
}

TEST_F(OptionsWindowTest, AnUnreadableDataFileAtStartUpIsReportedThenOptionsOpen) {
    platform.files.WriteFile(dataFile, std::string("\x01\x00\x00\x00\x05\x00\x00\x00\x03", 9));
    bool sheetShown = false;
    platform.OnSheet([&](HeadlessSheet& s) {
        sheetShown = true;
        ASSERT_EQ(platform.messages.shown.size(), 1u);
        EXPECT_EQ(platform.messages.shown[0].text,
                  "Could not read Clipboard data from \"C:\\Data\\Quorvane.dat\".");
        // The file can be written from here: it counts as read.
        ShowPage(s, IDD_OPTIONS_SAVING).Click(IDC_SAVING_SAVE);
        s.PressOk();
    });
    Open();
    EXPECT_TRUE(sheetShown);
    EXPECT_EQ(FileBytes(dataFile),
              std::string("\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00", 12));
}

// Load on the Saving page of a sheet that started elsewhere: the read fails, and the sheet that
// opens over it starts on the page the user is on, not on the page the outer sheet started on.
TEST_F(OptionsWindowTest, TheSheetOpenedByAFailedLoadStartsOnTheSavingPage) {
    const int saving = COptionsSheet::PageOf(IDD_OPTIONS_SAVING);
    const int numbers = COptionsSheet::PageOf(IDD_OPTIONS_NUMBERS);
    Open();
    Options([numbers](HeadlessSheet& s) {
        s.ShowPage(numbers);
        s.PressCancel();
    });
    platform.files.WriteFile(dataFile, std::string("\x01\x00\x00\x00\x05\x00\x00\x00\x03", 9));
    int innerStart = -1;
    platform.OnSheet([&](HeadlessSheet& s) {
        EXPECT_EQ(s.ActivePage(), numbers) << "started on the page shown last";
        ShowPage(s, IDD_OPTIONS_SAVING).Click(IDC_SAVING_LOAD);
        s.PressCancel();
    });
    platform.OnSheet([&](HeadlessSheet& s) {
        innerStart = s.ActivePage();
        s.PressCancel();
    });
    platform.messages.shown.clear();
    window->Click(IDC_OPTIONS);
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].text,
              "Could not read Clipboard data from \"C:\\Data\\Quorvane.dat\".");
    EXPECT_EQ(innerStart, saving);
    // The next sheet starts where the last one ended.
    Options([&](HeadlessSheet& s) {
        EXPECT_EQ(s.ActivePage(), saving);
        s.PressCancel();
    });
}

TEST_F(OptionsWindowTest, ANewerFileLoadedFromThePageIsNotReadAndYesQuits) {
    for (MsgResult answer : {MsgResult::No, MsgResult::Yes}) {
        SCOPED_TRACE(answer == MsgResult::Yes ? "Yes" : "No");
        Reopen();
        CopyElsewhere("still here");
        const int before = List().GetCount();
        platform.files.WriteFile(
            dataFile, std::string("\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00", 12));
        platform.messages.shown.clear();
        platform.messages.Answer(MsgResult::Yes); // new items will be lost: proceed
        platform.messages.Answer(answer);
        Options([](HeadlessSheet& s) {
            ShowPage(s, IDD_OPTIONS_SAVING).Click(IDC_SAVING_LOAD);
            EXPECT_FALSE(s.CancelIsClose());
            s.PressCancel();
        });
        ASSERT_EQ(platform.messages.shown.size(), 2u) << "no word of having read the file";
        EXPECT_EQ(List().GetCount(), before);
        EXPECT_EQ(platform.quitRequested, answer == MsgResult::Yes);
    }
    EXPECT_EQ(platform.quitCode, 3);
}

} // namespace
} // namespace qv::test
