// The headless property sheet acts as the real one does: pages made when first shown, Apply on
// the pages made, a refusing page shown and the sheet kept open, OK, Cancel and Close.
#include "headless_platform.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qv::platform::headless {
namespace {

const DialogTemplate kFirst{9020,
                            "First",
                            180,
                            80,
                            DialogStyle::Page,
                            0,
                            0,
                            false,
                            {{ControlKind::CheckBox, 9022, "First option", 5, 5, 100, 10, 0}}};
const DialogTemplate kSecond{9021,
                             "Second",
                             180,
                             80,
                             DialogStyle::Page,
                             0,
                             0,
                             false,
                             {{ControlKind::CheckBox, 9022, "Second option", 5, 5, 100, 10, 0}}};

class Page : public IPageEvents {
  public:
    Page(std::vector<std::string>& log, std::string name) : log_(log), name_(std::move(name)) {}
    bool OnInitDialog(IDialogWindow& window) override {
        window_ = &window;
        log_.push_back(name_ + " init");
        return true;
    }
    void OnSetActive() override { log_.push_back(name_ + " shown"); }
    bool OnApply() override {
        log_.push_back(name_ + " apply");
        return refusals-- <= 0;
    }
    void OnCommand(int id, int) override {
        log_.push_back(name_ + " command " + std::to_string(id));
        window_->SetModified(true);
    }
    void OnClose() override {}
    void OnDestroy() override { log_.push_back(name_ + " destroy"); }
    int refusals = 0;

  private:
    std::vector<std::string>& log_;
    std::string name_;
    IDialogWindow* window_ = nullptr;
};

class HeadlessSheetTest : public ::testing::Test {
  protected:
    SheetResult Run(int startPage) {
        SheetContents contents;
        contents.caption = "Options";
        contents.pages = {{&kFirst, &first}, {&kSecond, &second}};
        contents.startPage = startPage;
        return platform.RunPropertySheet(contents);
    }
    HeadlessPlatform platform;
    std::vector<std::string> log;
    Page first{log, "first"};
    Page second{log, "second"};
};

TEST_F(HeadlessSheetTest, OkAppliesThePagesThatWereShown) {
    platform.OnSheet([](HeadlessSheet& sheet) {
        EXPECT_FALSE(sheet.IsMade(0));
        sheet.Page(1).Click(9022);
        EXPECT_TRUE(sheet.Modified());
        sheet.PressOk();
    });
    const SheetResult result = Run(1);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.activePage, 1);
    EXPECT_EQ(log, (std::vector<std::string>{"second init", "second shown", "second command 9022",
                                             "second apply", "second destroy"}));
}

TEST_F(HeadlessSheetTest, ARefusingPageIsShownAndKeepsTheSheetOpen) {
    second.refusals = 1;
    platform.OnSheet([](HeadlessSheet& sheet) {
        sheet.ShowPage(1);
        sheet.ShowPage(0);
        sheet.PressOk();
        EXPECT_FALSE(sheet.Ended());
        EXPECT_EQ(sheet.ActivePage(), 1);
        sheet.Page(1).CancelToClose();
        EXPECT_TRUE(sheet.CancelIsClose());
        sheet.PressCancel();
    });
    const SheetResult result = Run(0);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.activePage, 1);
}

TEST_F(HeadlessSheetTest, ASheetLeftOpenOrWithoutPagesDoesNotEndWithOk) {
    platform.OnSheet([](HeadlessSheet&) {});
    EXPECT_FALSE(Run(0).ok);
    SheetContents empty;
    EXPECT_TRUE(platform.RunPropertySheet(empty).failed);
}

TEST_F(HeadlessSheetTest, ApplyIsOfferedOnlyForChangesAndCancelAfterItIsNotOk) {
    platform.OnSheet([this](HeadlessSheet& sheet) {
        EXPECT_FALSE(sheet.PressApply()) << "Apply is greyed while no page is changed";
        sheet.ShowPage(1);
        sheet.Page(1).Click(9022);
        EXPECT_TRUE(sheet.ApplyAvailable());
        log.clear();
        EXPECT_TRUE(sheet.PressApply());
        EXPECT_FALSE(sheet.ApplyAvailable());
        EXPECT_FALSE(sheet.Ended());
        sheet.PressCancel();
    });
    const SheetResult result = Run(0);
    // Both pages made so far apply, in their order; the shown page hears it is shown again.
    EXPECT_EQ(log, (std::vector<std::string>{"first apply", "second apply", "second shown",
                                             "first destroy", "second destroy"}));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.activePage, 1);
    EXPECT_EQ(platform.unfinishedRuns, 0);
}

TEST_F(HeadlessSheetTest, ARefusalOnApplyShowsTheRefusingPage) {
    first.refusals = 1;
    platform.OnSheet([](HeadlessSheet& sheet) {
        sheet.ShowPage(1);
        sheet.Page(1).Click(9022);
        EXPECT_FALSE(sheet.PressApply());
        EXPECT_EQ(sheet.ActivePage(), 0);
        EXPECT_TRUE(sheet.ApplyAvailable()) << "nothing was applied";
        sheet.PressOk();
    });
    const SheetResult result = Run(0);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.activePage, 0);
}

TEST_F(HeadlessSheetTest, AQuitRequestEndsItWithoutOk) {
    platform.OnSheet([](HeadlessSheet& sheet) {
        sheet.Page(0).PostQuit(4);
        sheet.PressOk();
    });
    const SheetResult result = Run(0);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(platform.QuitCode(), 4);
}

TEST_F(HeadlessSheetTest, ASheetLeftOpenIsUnfinishedAndOneWithoutAPageFails) {
    EXPECT_FALSE(Run(0).ok) << "no script";
    EXPECT_EQ(platform.unfinishedRuns, 1);
    EXPECT_EQ(log, (std::vector<std::string>{"first init", "first shown", "first destroy"}));

    SheetContents incomplete;
    incomplete.pages = {{&kFirst, &first}, {&kSecond, nullptr}};
    EXPECT_TRUE(platform.RunPropertySheet(incomplete).failed);
    incomplete.pages = {{nullptr, &second}};
    EXPECT_TRUE(platform.RunPropertySheet(incomplete).failed);
}

} // namespace
} // namespace qv::platform::headless
