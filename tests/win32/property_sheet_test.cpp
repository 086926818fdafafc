// The property sheet on the real platform: its start page, Apply and OK through the pages'
// events, a page that refuses, Cancel, the page's requests to the sheet, and a quit request.
#include "test_dialogs.h"
#include "win32_fixture.h"
#include <algorithm>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <prsht.h>

namespace qv::win32test {
namespace {

constexpr unsigned kStep = 0x8001;

// A page that logs what it hears and runs the test's next step when it posts itself kStep.
class TestPage : public platform::IPageEvents {
  public:
    TestPage(std::vector<std::string>& log, std::string name) : log_(log), name_(std::move(name)) {}
    bool OnInitDialog(platform::IDialogWindow& window) override {
        window_ = &window;
        log_.push_back(name_ + " init");
        if (startsScript)
            Next();
        return true;
    }
    void OnSetActive() override { log_.push_back(name_ + " shown"); }
    bool OnApply() override {
        log_.push_back(name_ + " apply");
        if (refusals > 0) {
            --refusals;
            Next();
            return false;
        }
        return true;
    }
    void OnCommand(int, int) override {}
    void OnPosted(unsigned message, std::uintptr_t, std::intptr_t) override {
        if (message == kStep && !steps.empty()) {
            auto step = std::move(steps.front());
            steps.erase(steps.begin());
            step(*this);
        }
    }
    void OnClose() override {}
    void OnDestroy() override { log_.push_back(name_ + " destroy"); }

    void Next() { PostMessageA(Page(), kStep, 0, 0); }
    HWND Page() const { return reinterpret_cast<HWND>(window_->Handle()); }
    HWND Sheet() const { return GetParent(Page()); }
    void Press(int button) { PostMessageA(Sheet(), PSM_PRESSBUTTON, button, 0); }
    platform::IDialogWindow& Window() { return *window_; }

    bool startsScript = false;
    int refusals = 0;
    std::vector<std::function<void(TestPage&)>> steps;

  private:
    std::vector<std::string>& log_;
    std::string name_;
    platform::IDialogWindow* window_ = nullptr;
};

class SheetTest : public ::testing::Test {
  protected:
    platform::SheetResult Run(int startPage) {
        platform::SheetSpec spec;
        spec.caption = "Options";
        spec.pages = {{&PageDialog(true), &first_}, {&PageDialog(false), &second_}};
        spec.startPage = startPage;
        return TestPlatform().RunPropertySheet(spec);
    }
    std::vector<std::string> log_;
    TestPage first_{log_, "first"};
    TestPage second_{log_, "second"};
};

TEST_F(SheetTest, StartsOnTheAskedPageAndOkAppliesTheShownPages) {
    second_.startsScript = true;
    second_.steps.push_back([](TestPage& page) { page.Press(PSBTN_OK); });
    const platform::SheetResult result = Run(1);
    EXPECT_TRUE(result.ok);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.activePage, 1);
    EXPECT_EQ(log_, (std::vector<std::string>{"second init", "second shown", "second apply",
                                              "second destroy"}));
}

TEST_F(SheetTest, APageThatRefusesKeepsTheSheetOpenAndCancelEndsIt) {
    bool openAfterRefusal = false;
    first_.startsScript = true;
    first_.refusals = 1;
    first_.steps.push_back([](TestPage& page) { page.Press(PSBTN_OK); });
    first_.steps.push_back([&](TestPage& page) {
        openAfterRefusal = IsWindow(page.Sheet()) != FALSE;
        page.Press(PSBTN_CANCEL);
    });
    const platform::SheetResult result = Run(0);
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.activePage, 0);
    EXPECT_EQ(std::count(log_.begin(), log_.end(), "first apply"), 1);
}

TEST_F(SheetTest, PagesMarkChangesAndTurnCancelIntoClose) {
    bool applyEnabled = false;
    std::string okText;
    bool cancelEnabled = true;
    first_.startsScript = true;
    first_.steps.push_back([&](TestPage& page) {
        page.Window().SetModified(true);
        applyEnabled = IsWindowEnabled(GetDlgItem(page.Sheet(), 0x3021)) != FALSE; // Apply
        page.Window().CancelToClose();
        okText = pw::WindowText(GetDlgItem(page.Sheet(), IDOK));
        cancelEnabled = IsWindowEnabled(GetDlgItem(page.Sheet(), IDCANCEL)) != FALSE;
        page.Press(PSBTN_OK);
    });
    EXPECT_TRUE(Run(0).ok);
    EXPECT_TRUE(applyEnabled);
    EXPECT_EQ(okText, "Close");
    EXPECT_FALSE(cancelEnabled);
}

TEST_F(SheetTest, AQuitRequestEndsItAndReachesTheLoopsAroundIt) {
    first_.startsScript = true;
    first_.steps.push_back([](TestPage& page) { page.Window().PostQuit(5); });
    const platform::SheetResult result = Run(0);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(TestPlatform().QuitCode(), 5);
    // The loop around the sheet ends too.
    RecordingEvents log;
    RecordingDialogEvents outer(log);
    EXPECT_EQ(TestPlatform().RunModal(ProgramDialog(IDD_ABOUT), outer, 0), -1);
}

} // namespace
} // namespace qv::win32test
