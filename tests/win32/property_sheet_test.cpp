// The property sheet on the real platform: its start page, Apply and OK through the pages'
// events, a page that refuses or fails, Cancel, the page's requests to the sheet, its owner, a
// sheet that cannot be made, a list view on a page, and a quit request.
#include "test_dialogs.h"
#include "win32_fixture.h"
#include <algorithm>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <prsht.h>
#include <stdexcept>

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
        if (failsToApply) {
            failsToApply = false;
            Next();
            throw std::runtime_error("the page's values could not be taken");
        }
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
    bool failsToApply = false; // the next Apply throws
    std::vector<std::function<void(TestPage&)>> steps;

  private:
    std::vector<std::string>& log_;
    std::string name_;
    platform::IDialogWindow* window_ = nullptr;
};

class SheetTest : public ::testing::Test {
  protected:
    platform::SheetResult Run(int startPage) {
        platform::SheetContents contents;
        contents.caption = "Options";
        contents.pages = {{&PageDialog(true), &first_}, {&PageDialog(false), &second_}};
        contents.startPage = startPage;
        return TestPlatform().RunPropertySheet(contents);
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

TEST_F(SheetTest, APageWhoseApplyFailsKeepsTheSheetOpen) {
    bool openAfterFailure = false;
    first_.startsScript = true;
    first_.failsToApply = true;
    first_.steps.push_back([](TestPage& page) { page.Press(PSBTN_OK); });
    first_.steps.push_back([&](TestPage& page) {
        openAfterFailure = IsWindow(page.Sheet()) != FALSE;
        page.Press(PSBTN_OK);
    });
    EXPECT_TRUE(Run(0).ok);
    EXPECT_TRUE(openAfterFailure);
    EXPECT_EQ(std::count(log_.begin(), log_.end(), "first apply"), 2);
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

TEST_F(SheetTest, ARefusingPageThatIsNotShownIsShownAndTheLaterPagesAreNotAsked) {
    HWND shownAfterRefusal = nullptr;
    HWND refusing = nullptr;
    first_.startsScript = true;
    first_.refusals = 1;
    first_.steps.push_back([](TestPage& page) {
        // The user picks the second tab, then presses OK.
        PostMessageA(page.Sheet(), PSM_SETCURSEL, 1, 0);
        page.Next();
    });
    first_.steps.push_back([](TestPage& page) { page.Press(PSBTN_OK); });
    first_.steps.push_back([&](TestPage& page) {
        shownAfterRefusal =
            reinterpret_cast<HWND>(SendMessageA(page.Sheet(), PSM_GETCURRENTPAGEHWND, 0, 0));
        refusing = page.Page();
        page.Press(PSBTN_CANCEL);
    });
    const platform::SheetResult result = Run(0);
    EXPECT_EQ(shownAfterRefusal, refusing);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.activePage, 0);
    EXPECT_EQ(log_, (std::vector<std::string>{"first init", "first shown", "second init",
                                              "second shown", "first apply", "first shown",
                                              "first destroy", "second destroy"}));
}

TEST_F(SheetTest, ApplyIsOfferedForChangesAndCancelAfterItIsNotOk) {
    bool enabledAtStart = true, enabledWhenModified = false, enabledWhenUnmodified = true,
         enabledAfterApply = true;
    first_.startsScript = true;
    first_.steps.push_back([&](TestPage& page) {
        const HWND apply = GetDlgItem(page.Sheet(), 0x3021);
        enabledAtStart = IsWindowEnabled(apply) != FALSE;
        page.Window().SetModified(true);
        page.Window().SetModified(false);
        enabledWhenUnmodified = IsWindowEnabled(apply) != FALSE;
        page.Window().SetModified(true);
        enabledWhenModified = IsWindowEnabled(apply) != FALSE;
        page.Press(PSBTN_APPLYNOW);
        page.Next();
    });
    first_.steps.push_back([&](TestPage& page) {
        enabledAfterApply = IsWindowEnabled(GetDlgItem(page.Sheet(), 0x3021)) != FALSE;
        page.Press(PSBTN_CANCEL);
    });
    const platform::SheetResult result = Run(0);
    EXPECT_FALSE(enabledAtStart);
    EXPECT_FALSE(enabledWhenUnmodified);
    EXPECT_TRUE(enabledWhenModified);
    EXPECT_FALSE(enabledAfterApply);
    // The sheet shows its page again after Apply; the Cancel after it still is no OK.
    EXPECT_EQ(log_, (std::vector<std::string>{"first init", "first shown", "first apply",
                                              "first shown", "first destroy"}));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.failed);
}

TEST_F(SheetTest, ItsOwnerTakesNoInputWhileItRuns) {
    RecordingEvents log;
    RecordingDialogEvents ownerEvents(log);
    const std::unique_ptr<pw::Win32Dialog> owner = OpenDialog(ownerEvents, IDD_ABOUT);
    ASSERT_TRUE(owner);
    bool ownerEnabled = true;
    HWND sheetOwner = nullptr;
    std::string caption;
    first_.startsScript = true;
    first_.steps.push_back([&](TestPage& page) {
        ownerEnabled = IsWindowEnabled(owner->Window()) != FALSE;
        sheetOwner = GetWindow(page.Sheet(), GW_OWNER);
        caption = pw::WindowText(page.Sheet());
        page.Press(PSBTN_OK);
    });
    platform::SheetContents contents;
    contents.caption = "Options";
    contents.pages = {{&PageDialog(true), &first_}};
    contents.owner = owner->Handle();
    EXPECT_TRUE(TestPlatform().RunPropertySheet(contents).ok);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_EQ(sheetOwner, owner->Window());
    EXPECT_EQ(caption, "Options");
    EXPECT_TRUE(IsWindowEnabled(owner->Window()));
}

TEST_F(SheetTest, ASheetThatCannotBeMadeFails) {
    // Ends a sheet that was made all the same.
    first_.startsScript = true;
    first_.steps.push_back([](TestPage& page) { page.Press(PSBTN_CANCEL); });
    platform::SheetContents contents;
    contents.caption = "Options";
    contents.pages = {{&PageDialog(true), &first_}, {&MissingPageDialog(), &second_}};
    contents.startPage = 1;
    const platform::SheetResult result = TestPlatform().RunPropertySheet(contents);
    EXPECT_TRUE(result.failed);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(log_.empty());

    contents.pages[1].events = nullptr;
    EXPECT_TRUE(TestPlatform().RunPropertySheet(contents).failed);
    contents.pages.clear();
    EXPECT_TRUE(TestPlatform().RunPropertySheet(contents).failed);
}

// A page with a report list view: the sheet makes the page, and the texts are still asked for.
class ListPage : public platform::IPageEvents {
  public:
    bool OnInitDialog(platform::IDialogWindow& window) override {
        window_ = &window;
        platform::IListView& list = window.ListView(IDC_TEST_PAGE_LIST);
        list.SetColumns({{"Topic", 100, false}});
        list.SetTextSource([](void* data, int) { return *static_cast<std::string*>(data); });
        list.InsertRow(-1, &topic_);
        PostMessageA(reinterpret_cast<HWND>(window.Handle()), kStep, 0, 0);
        return true;
    }
    void OnPosted(unsigned message, std::uintptr_t, std::intptr_t) override {
        if (message != kStep)
            return;
        shown = window_->ListView(IDC_TEST_PAGE_LIST).GetCellText(0, 0);
        PostMessageA(GetParent(reinterpret_cast<HWND>(window_->Handle())), PSM_PRESSBUTTON,
                     PSBTN_OK, 0);
    }
    bool OnApply() override { return true; }
    void OnCommand(int, int) override {}
    void OnClose() override {}
    void OnDestroy() override {}
    std::string shown;

  private:
    platform::IDialogWindow* window_ = nullptr;
    std::string topic_ = "Merging items";
};

TEST_F(SheetTest, AListViewOnAPageAsksForItsTexts) {
    ListPage page;
    platform::SheetContents contents;
    contents.pages = {{&PageDialog(true), &first_}, {&ListPageDialog(), &page}};
    contents.startPage = 1;
    EXPECT_TRUE(TestPlatform().RunPropertySheet(contents).ok);
    EXPECT_EQ(page.shown, "Merging items");
}

TEST_F(SheetTest, AQuitRequestEndsItAndReachesTheLoopsAroundIt) {
    first_.startsScript = true;
    first_.steps.push_back([](TestPage& page) { page.Window().PostQuit(5); });
    const platform::SheetResult result = Run(0);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.failed) << "the sheet was made";
    EXPECT_EQ(TestPlatform().QuitCode(), 5);
    // The loop around the sheet ends too.
    RecordingEvents log;
    RecordingDialogEvents outer(log);
    EXPECT_EQ(TestPlatform().RunModal(ProgramDialog(IDD_ABOUT), outer, 0), -1);
}

} // namespace
} // namespace qv::win32test
