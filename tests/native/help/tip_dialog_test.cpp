// The Tip of the Day on the headless platform: what it shows, paging, how it ends, what it keeps,
// the topic chooser, and every way its strings can fail.
#include "help/tip_dialog.h"
#include "help/tip_text.h"
#include "resource.h"
#include "support/program_platform.h"
#include <gtest/gtest.h>
#include <memory>

namespace qv {
namespace {

using platform::headless::HeadlessDialog;
using platform::headless::HeadlessEdit;
using platform::headless::HeadlessListView;
using Script = std::function<void(HeadlessDialog&)>;

constexpr int kTips = 23;
constexpr platform::WindowRef kOwner = 0x4242;

class TipDialogTest : public ::testing::Test {
  protected:
    // Runs the dialog with the two stored settings; script acts while it is open.
    // Without a script the dialog is expected to end by itself.
    int Run(int show, int index, Script script) {
        if (script)
            platform.OnDialog(IDD_TIP, std::move(script));
        tip = std::make_unique<CTipDialog>(platform, show, index);
        return tip->Run(kOwner);
    }
    // The text and topic of tip number n (from 1) as the string table holds them.
    static TipParts Tip(int n) { return SplitTip(ProgramStrings().at(IDS_TIP_COUNT + n)); }
    static std::string Shown(HeadlessDialog& d) { return d.Edit(IDC_TIP_TEXT).GetText(); }
    // First, Previous, Next and Last: their letter when enabled, '-' when not.
    static std::string Buttons(HeadlessDialog& d) {
        std::string state;
        for (auto [id, letter] : {std::pair{IDC_TIP_FIRST, 'F'}, std::pair{IDC_TIP_PREVIOUS, 'P'},
                                  std::pair{IDC_TIP_NEXT, 'N'}, std::pair{IDC_TIP_LAST, 'L'}})
            state += d.Button(id).IsEnabled() ? letter : '-';
        return state;
    }
    // Checks that tip number n is shown, with its topic, number and buttons.
    static void ExpectTip(HeadlessDialog& d, int n) {
        SCOPED_TRACE("tip " + std::to_string(n));
        if (n > 1)
            EXPECT_EQ(Shown(d), Tip(n).text);
        EXPECT_EQ(d.Label(IDC_TIP_TOPIC).GetText(), Tip(n).topic);
        EXPECT_EQ(d.Combo(IDC_TIP_NUMBER).GetCurSel(), n - 1);
        EXPECT_EQ(Buttons(d), std::string(n > 1 ? "FP" : "--") + (n < kTips ? "NL" : "--"));
    }
    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const auto& m : platform.messages.shown) {
            EXPECT_EQ(m.icon, platform::MsgIcon::Exclamation);
            EXPECT_EQ(m.caption, "Quorvane");
            texts.push_back(m.text);
        }
        return texts;
    }

    test::ProgramPlatform platform;
    std::unique_ptr<CTipDialog> tip;
};

TEST_F(TipDialogTest, OpensOnTheStoredTipWithNumbersCountAndTopic) {
    const int result = Run(1, 4, [](HeadlessDialog& d) {
        EXPECT_EQ(d.GetTitle(), "Tip of the Day");
        EXPECT_EQ(d.Owner(), kOwner);
        ExpectTip(d, 5);
        EXPECT_TRUE(d.Btn(IDC_TIP_STARTUP).IsChecked());
        EXPECT_EQ(d.Label(IDC_TIP_OF_COUNT).GetText(), "of 23");
        EXPECT_TRUE(d.Edit(IDC_TIP_TEXT).IsReadOnly());
        auto& numbers = d.Combo(IDC_TIP_NUMBER);
        ASSERT_EQ(numbers.GetCount(), kTips);
        std::string first, last;
        numbers.GetLBText(0, first);
        numbers.GetLBText(kTips - 1, last);
        EXPECT_EQ(first + " " + last, "1 23");
        d.PressClose();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(tip->NextTipIndex(), 5) << "the next opening shows the following tip";
}

TEST_F(TipDialogTest, EveryTipHasItsTopicAndATextInTheTablesLayout) {
    const char* topics[kTips] = {"Introduction",
                                 "Taskbar",
                                 "Re-Copy Button",
                                 "Searching",
                                 "Font and Color Buttons",
                                 "Options Button",
                                 "Saving Page",
                                 "Searching Page",
                                 "Numbers Page",
                                 "Miscellaneous Page",
                                 "Recall Button",
                                 "Previous and Next Buttons",
                                 "Delete Button",
                                 "Change List Button",
                                 "Launch Button",
                                 "Merge Button",
                                 "Split Button",
                                 "Set Mark Button",
                                 "Quorvane's Menu",
                                 "Mini-Window",
                                 "Refresh Menu Item",
                                 "Home and End Keys",
                                 "Technical Support"};
    EXPECT_EQ(ProgramStrings().at(IDS_TIP_COUNT), "23");
    for (int n = 1; n <= kTips; ++n) {
        EXPECT_EQ(Tip(n).topic, topics[n - 1]) << n;
        EXPECT_FALSE(Tip(n).text.empty()) << n;
    }
    EXPECT_EQ(Tip(1).text.rfind("Welcome to Quorvane " QV_VERSION_TEXT ".\r\n", 0), 0u);
    EXPECT_EQ(ProgramStrings().count(IDS_TIP_COUNT + kTips + 1), 0u);
}

TEST_F(TipDialogTest, TheFirstTipsFirstLineIsCentred) {
    struct Case {
        int clientWidth;
        bool canMeasure;
        std::size_t spaces;
    };
    // "Welcome to Quorvane 2.3." is 24 characters of 6 pixels.
    const Case cases[] = {{300, true, 13}, {300, false, 0}, {150, true, 0}, {100, true, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clientWidth);
        platform.OnDialog(IDD_TIP, [&](HeadlessDialog& d) {
            auto& field = d.Get<HeadlessEdit>(IDC_TIP_TEXT);
            field.clientWidth = c.clientWidth;
            field.hasDrawingContext = c.canMeasure;
            d.Click(IDC_TIP_LAST);
            d.Click(IDC_TIP_FIRST);
            EXPECT_EQ(Shown(d), std::string(c.spaces, ' ') + Tip(1).text);
            ExpectTip(d, 1);
            d.PressEscape();
        });
        CTipDialog(platform, 1, 0).Run(0);
    }
}

TEST_F(TipDialogTest, ButtonsAndTheNumberListPage) {
    enum Action { First, Previous, Next, Last, Enter, Pick9 };
    struct Case {
        int start; // index
        Action action;
        int shown; // tip number
    };
    const Case cases[] = {
        {5, First, 1},   {5, Previous, 5}, {0, Previous, 1}, {5, Next, 7},
        {22, Next, 23},  {5, Last, 23},    {5, Enter, 23}, // Enter presses the default &Last
        {22, Enter, 23}, {5, Pick9, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("from index " + std::to_string(c.start) + ", action " +
                     std::to_string(c.action));
        Run(1, c.start, [&](HeadlessDialog& d) {
            switch (c.action) {
            case First:
                d.Click(IDC_TIP_FIRST);
                break;
            case Previous:
                d.Click(IDC_TIP_PREVIOUS);
                break;
            case Next:
                d.Click(IDC_TIP_NEXT);
                break;
            case Last:
                d.Click(IDC_TIP_LAST);
                break;
            case Enter:
                d.PressEnter();
                break;
            case Pick9:
                d.PickEntry(IDC_TIP_NUMBER, 9);
                break;
            }
            ExpectTip(d, c.shown);
            d.PressClose();
        });
        EXPECT_EQ(tip->NextTipIndex(), c.shown) << "stored as the last shown index + 1";
    }
}

// A button pressed (by mouse or Space) has the focus; when the tip it pages to disables it, the
// focus goes on in tab order to the next button still enabled, as the Tab key would send it.
TEST_F(TipDialogTest, AButtonThatBecomesDisabledPassesTheFocusOn) {
    const struct {
        int start, pressed, focused;
    } cases[] = {
        {21, IDC_TIP_NEXT, IDC_TIP_STARTUP}, // &Last is disabled too: round to the first row
        {1, IDC_TIP_PREVIOUS, IDC_TIP_NEXT},
        {5, IDC_TIP_FIRST, IDC_TIP_NEXT},
        {5, IDC_TIP_LAST, IDC_TIP_STARTUP},
        {5, IDC_TIP_NEXT, IDC_TIP_NEXT}, // still enabled: it keeps the focus
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("button " + std::to_string(c.pressed) + " from index " +
                     std::to_string(c.start));
        Run(1, c.start, [&](HeadlessDialog& d) {
            d.Click(c.pressed);
            EXPECT_EQ(d.Focused(), c.focused);
            EXPECT_TRUE(d.Control(d.Focused()).IsEnabled());
            d.PressClose();
        });
    }
}

TEST_F(TipDialogTest, TheCloseBoxTakesTheCheckBoxAndEscKeepsTheSetting) {
    struct Case {
        int stored;
        bool toggle;
        bool escape;
        int result;
        int show;
    };
    const Case cases[] = {
        {1, true, false, IDOK, 0},     {1, true, true, IDCANCEL, 1}, {0, true, false, IDOK, 1},
        {0, false, true, IDCANCEL, 0}, {5, false, false, IDOK, 1},   {5, false, true, IDCANCEL, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("stored " + std::to_string(c.stored) + (c.escape ? ", Esc" : ", close box"));
        const int result = Run(c.stored, 0, [&](HeadlessDialog& d) {
            EXPECT_EQ(d.Btn(IDC_TIP_STARTUP).IsChecked(), c.stored != 0);
            if (c.toggle)
                d.Click(IDC_TIP_STARTUP);
            if (c.escape)
                d.PressEscape();
            else
                d.PressClose();
        });
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(tip->ShowAtStartup(), c.show);
    }
}

TEST_F(TipDialogTest, AStoredIndexOutsideTheTipsStartsAtTheFirst) {
    for (int stored : {23, 1000, -4}) {
        SCOPED_TRACE(stored);
        Run(1, stored, [](HeadlessDialog& d) {
            ExpectTip(d, 1);
            d.PressClose();
        });
        EXPECT_EQ(tip->NextTipIndex(), 1);
    }
}

TEST_F(TipDialogTest, AnUnreadableCountEndsTheDialogAtOnce) {
    struct Case {
        const char* name;
        const char* count; // null: the string is missing
    };
    const Case cases[] = {{"missing", nullptr}, {"zero", "0"}, {"negative", "-3"}, {"text", "abc"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.messages.shown.clear();
        if (c.count)
            platform.strings.table[IDS_TIP_COUNT] = c.count;
        else
            platform.strings.table.erase(IDS_TIP_COUNT);
        const int result = Run(1, 7, nullptr);
        EXPECT_EQ(platform.unfinishedRuns, 0) << "the dialog ended in its initialisation";
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(Messages(), std::vector<std::string>{"Could not read day-tip information."});
        EXPECT_EQ(tip->ShowAtStartup(), 1);
        EXPECT_EQ(tip->NextTipIndex(), 1) << "the index was reset before the count failed";
    }
}

TEST_F(TipDialogTest, ASmallerCountLimitsTheTips) {
    platform.strings.table[IDS_TIP_COUNT] = "3";
    Run(1, 5, [](HeadlessDialog& d) {
        EXPECT_EQ(d.Label(IDC_TIP_OF_COUNT).GetText(), "of 3");
        EXPECT_EQ(d.Combo(IDC_TIP_NUMBER).GetCount(), 3);
        d.Click(IDC_TIP_LAST);
        EXPECT_EQ(d.Label(IDC_TIP_TOPIC).GetText(), "Re-Copy Button");
        EXPECT_EQ(Buttons(d), "FP--");
        d.PressClose();
    });
}

TEST_F(TipDialogTest, AMissingTipEndsTheDialogWhenItIsToBeShown) {
    platform.strings.table.erase(IDS_TIP_COUNT + 5);
    // On opening.
    EXPECT_EQ(Run(1, 4, nullptr), IDCANCEL);
    EXPECT_EQ(platform.unfinishedRuns, 0);
    // While paging.
    const int result = Run(1, 3, [](HeadlessDialog& d) {
        d.Click(IDC_TIP_NEXT);
        EXPECT_TRUE(d.ended);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(Messages(), std::vector<std::string>(2, "Could not read day-tip information."));
}

TEST_F(TipDialogTest, ATipWithoutABarIsAllTextAndHasNoTopic) {
    platform.strings.table[IDS_TIP_COUNT + 2] = "Just a text.  ";
    platform.OnDialog(IDD_TOPIC, [](HeadlessDialog& chooser) {
        EXPECT_EQ(chooser.ListView(IDC_TOPIC_LIST).GetCellText(1, 2), "(no topic)");
        chooser.PressEscape();
    });
    Run(1, 1, [](HeadlessDialog& d) {
        EXPECT_EQ(Shown(d), "Just a text.  ");
        EXPECT_EQ(d.Label(IDC_TIP_TOPIC).GetText(), "");
        d.Click(IDC_TIP_TOPIC_BUTTON);
        d.PressClose();
    });
}

// The chooser's rows in their shown order, as tip numbers.
std::vector<std::string> ShownNumbers(HeadlessDialog& chooser) {
    std::vector<std::string> numbers;
    auto& list = chooser.ListView(IDC_TOPIC_LIST);
    for (int row = 0; row < list.GetRowCount(); ++row)
        numbers.push_back(list.GetCellText(row, 1));
    return numbers;
}

TEST_F(TipDialogTest, TheChooserListsEveryTopicWithTheCurrentOneSelected) {
    platform.OnDialog(IDD_TOPIC, [](HeadlessDialog& chooser) {
        EXPECT_EQ(chooser.GetTitle(), "Choose a Topic");
        auto& list = chooser.Get<HeadlessListView>(IDC_TOPIC_LIST);
        ASSERT_EQ(list.Columns().size(), 3u);
        EXPECT_EQ(list.Columns()[0].title + "|" + list.Columns()[1].title + "|" +
                      list.Columns()[2].title,
                  "|Tip #|Topic");
        EXPECT_EQ(list.GetColumnWidth(0), 0) << "the first column is hidden";
        EXPECT_TRUE(list.Columns()[1].rightAligned);
        EXPECT_EQ(list.GetColumnWidth(1), 5 * 6 + HeadlessListView::kHeaderPadding);
        EXPECT_EQ(list.GetColumnWidth(2), 300 - 16 - list.GetColumnWidth(1))
            << "the rest of the list less a scroll bar's thumb";
        ASSERT_EQ(list.GetRowCount(), kTips);
        EXPECT_EQ(list.GetCellText(21, 1), "22");
        EXPECT_EQ(list.GetCellText(21, 2), "Home and End Keys");
        EXPECT_EQ(list.GetCellText(21, 0), "");
        EXPECT_EQ(list.GetSelectedRow(), 6);
        chooser.Click(IDCANCEL);
        EXPECT_EQ(list.GetRowCount(), 0) << "the rows go before the chooser ends";
    });
    Run(1, 6, [](HeadlessDialog& d) {
        d.Click(IDC_TIP_TOPIC_BUTTON);
        ExpectTip(d, 7);
        EXPECT_FALSE(d.ended);
        d.PressClose();
    });
}

TEST_F(TipDialogTest, ChoosingARowAfterSortingShowsThatRowsTip) {
    enum Choice { Ok, DoubleClick, Cancel, OkWithoutRow };
    struct Case {
        std::vector<int> headerClicks;
        std::vector<std::string> firstRows;
        Choice choice;
        int shown;
    };
    const Case cases[] = {
        // Ascending by topic: "Change List Button" (14), "Delete Button" (13), ...
        {{2}, {"14", "13", "5"}, Ok, 14},
        // Again: descending, "Technical Support" (23) first.
        {{2, 2}, {"23", "2", "17"}, DoubleClick, 23},
        // Another column starts ascending.
        {{2, 2, 1}, {"1", "2", "3"}, Ok, 1},
        {{1, 1}, {"23", "22", "21"}, Ok, 23},
        {{2}, {"14", "13", "5"}, Cancel, 9},
        {{}, {"1", "2", "3"}, OkWithoutRow, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("choice " + std::to_string(c.choice) + " after " +
                     std::to_string(c.headerClicks.size()) + " clicks");
        platform.OnDialog(IDD_TOPIC, [&](HeadlessDialog& chooser) {
            for (int column : c.headerClicks)
                chooser.ClickColumnHeader(IDC_TOPIC_LIST, column);
            const auto numbers = ShownNumbers(chooser);
            EXPECT_EQ(std::vector<std::string>(numbers.begin(), numbers.begin() + 3), c.firstRows);
            switch (c.choice) {
            case Ok:
                chooser.ClickRow(IDC_TOPIC_LIST, 0);
                chooser.Click(IDOK);
                break;
            case DoubleClick:
                chooser.DoubleClickRow(IDC_TOPIC_LIST, 0);
                break;
            case Cancel:
                chooser.ClickRow(IDC_TOPIC_LIST, 0);
                chooser.PressEscape();
                break;
            case OkWithoutRow:
                chooser.ListView(IDC_TOPIC_LIST).SelectRow(-1);
                chooser.PressEnter();
                break;
            }
            EXPECT_TRUE(chooser.ended);
        });
        Run(1, 8, [&](HeadlessDialog& d) {
            d.Click(IDC_TIP_TOPIC_BUTTON);
            ExpectTip(d, c.shown);
            d.PressClose();
        });
    }
}

TEST_F(TipDialogTest, TopicsAreCollectedOnceAndAFailureLeavesTheDialogOpen) {
    auto& strings = platform.strings.table;
    const std::string eleventh = strings.at(IDS_TIP_COUNT + 11);
    strings.erase(IDS_TIP_COUNT + 11);
    int choosers = 0;
    const Script count = [&](HeadlessDialog& chooser) {
        ++choosers;
        EXPECT_EQ(chooser.ListView(IDC_TOPIC_LIST).GetCellText(10, 2), "Recall Button");
        chooser.Click(IDCANCEL);
    };
    platform.OnDialog(IDD_TOPIC, count);
    platform.OnDialog(IDD_TOPIC, count);
    Run(1, 0, [&](HeadlessDialog& d) {
        d.Click(IDC_TIP_TOPIC_BUTTON);
        EXPECT_EQ(Messages(), std::vector<std::string>{"Could not read the list of topics."});
        EXPECT_EQ(choosers, 0) << "the chooser does not open";
        EXPECT_FALSE(d.ended);
        strings[IDS_TIP_COUNT + 11] = eleventh;
        d.Click(IDC_TIP_TOPIC_BUTTON);
        EXPECT_EQ(choosers, 1) << "the next press goes on after the topics read";
        strings.erase(IDS_TIP_COUNT + 3);
        d.Click(IDC_TIP_TOPIC_BUTTON);
        EXPECT_EQ(choosers, 2) << "the list is not read again";
        EXPECT_EQ(platform.messages.shown.size(), 1u);
        d.PressClose();
    });
}

} // namespace
} // namespace qv
