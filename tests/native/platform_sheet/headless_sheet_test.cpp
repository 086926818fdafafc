// The property sheet contract on the headless back end, and what only the headless sheet shows:
// a script that leaves it open, and Apply pressed while it is greyed.
#include "contract/sheet_contract.h"
#include "headless_platform.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qv::contract {
namespace {

using platform::headless::HeadlessPlatform;
using platform::headless::HeadlessSheet;

class HeadlessDriver : public SheetDriver {
  public:
    explicit HeadlessDriver(HeadlessSheet& sheet) : sheet_(sheet) {}
    void ShowPage(int index) override { sheet_.ShowPage(index); }
    void Click(int page, int controlId) override { sheet_.Page(page).Click(controlId); }
    void PressOk() override { sheet_.PressOk(); }
    void PressCancel() override { sheet_.PressCancel(); }
    void PressApply() override { sheet_.PressApply(); }
    int ActivePage() override { return sheet_.ActivePage(); }
    bool IsOpen() override { return !sheet_.Ended(); }
    bool ApplyAvailable() override { return sheet_.ApplyAvailable(); }
    bool CancelIsClose() override { return sheet_.CancelIsClose(); }

  private:
    HeadlessSheet& sheet_;
};

class HeadlessSheetBackEnd : public SheetBackEnd {
  public:
    platform::IPlatform& Platform() override { return platform; }
    platform::SheetResult Run(LoggingPage& first, LoggingPage& second, int startPage,
                              std::vector<SheetStep> steps) override {
        platform::SheetContents contents;
        contents.caption = "Options";
        contents.pages = {{&SheetPageTemplate(0), &first}, {&SheetPageTemplate(1), &second}};
        contents.startPage = startPage;
        std::size_t ran = 0;
        platform.OnSheet([&](HeadlessSheet& sheet) {
            HeadlessDriver driver(sheet);
            for (; ran < steps.size() && !sheet.Ended(); ++ran)
                steps[ran](driver);
        });
        const platform::SheetResult result = platform.RunPropertySheet(contents);
        EXPECT_EQ(ran, steps.size()) << "the sheet ended before every step ran";
        return result;
    }
    HeadlessPlatform platform;
};

TEST(SheetContract, HeadlessBackEnd) {
    RunSheetContract<HeadlessSheetBackEnd>();
}

class HeadlessSheetTest : public ::testing::Test {
  protected:
    platform::SheetResult Run() {
        platform::SheetContents contents;
        contents.pages = {{&SheetPageTemplate(0), &first}, {&SheetPageTemplate(1), &second}};
        return platform.RunPropertySheet(contents);
    }
    HeadlessPlatform platform;
    std::vector<std::string> log;
    LoggingPage first{log, "first"};
    LoggingPage second{log, "second"};
};

TEST_F(HeadlessSheetTest, ASheetLeftOpenIsUnfinishedAndDoesNotEndWithOk) {
    EXPECT_FALSE(Run().ok) << "no script";
    EXPECT_EQ(platform.unfinishedRuns, 1);
    EXPECT_EQ(log, (std::vector<std::string>{"first init", "first shown", "first destroy"}));
    platform.OnSheet([](HeadlessSheet&) {});
    EXPECT_FALSE(Run().ok) << "a script that ends nothing";
    EXPECT_EQ(platform.unfinishedRuns, 2);
}

TEST_F(HeadlessSheetTest, ApplyPressedWhileGreyedDoesNothing) {
    platform.OnSheet([](HeadlessSheet& sheet) {
        EXPECT_FALSE(sheet.PressApply());
        sheet.PressCancel();
    });
    Run();
    EXPECT_EQ(log, (std::vector<std::string>{"first init", "first shown", "first destroy"}));
    EXPECT_EQ(platform.unfinishedRuns, 0);
}

} // namespace
} // namespace qv::contract
