// The property sheet contract on the real platform, and what only it shows: a page whose Apply
// fails, the sheet's owner, a template the resources lack and a list view on a page.
#include "contract/sheet_contract.h"
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

// The contract's pages are templates of the test resources.
static_assert(contract::kFirstPageId == IDD_TEST_PAGE_FIRST &&
              contract::kSecondPageId == IDD_TEST_PAGE_SECOND &&
              contract::kPageOptionId == IDC_TEST_OPTION);

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
    bool failsToApply = false; // the next Apply throws
    std::vector<std::function<void(TestPage&)>> steps;

  private:
    std::vector<std::string>& log_;
    std::string name_;
    platform::IDialogWindow* window_ = nullptr;
};

// Acts on the real sheet from inside its loop: every step runs on a message posted to a page,
// after what the step before posted to the sheet.
class Win32Driver : public contract::SheetDriver {
  public:
    Win32Driver(contract::LoggingPage& first, contract::LoggingPage& second)
        : pages_{&first, &second} {}
    void ShowPage(int index) override { PostMessageA(Sheet(), PSM_SETCURSEL, index, 0); }
    void Click(int page, int controlId) override {
        SendMessageA(GetDlgItem(PageWindow(page), controlId), BM_CLICK, 0, 0);
    }
    void PressOk() override { PostMessageA(Sheet(), PSM_PRESSBUTTON, PSBTN_OK, 0); }
    void PressCancel() override { PostMessageA(Sheet(), PSM_PRESSBUTTON, PSBTN_CANCEL, 0); }
    void PressApply() override { PostMessageA(Sheet(), PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0); }
    int ActivePage() override {
        const HWND shown =
            reinterpret_cast<HWND>(SendMessageA(Sheet(), PSM_GETCURRENTPAGEHWND, 0, 0));
        for (int i = 0; i < 2; ++i)
            if (shown == PageWindow(i))
                return i;
        return -1;
    }
    bool IsOpen() override { return IsWindow(Sheet()) != FALSE; }
    bool ApplyAvailable() override {
        return IsWindowEnabled(GetDlgItem(Sheet(), 0x3021)) != FALSE; // Apply
    }
    bool CancelIsClose() override {
        return pw::WindowText(GetDlgItem(Sheet(), IDOK)) == "Close" &&
               IsWindowEnabled(GetDlgItem(Sheet(), IDCANCEL)) == FALSE;
    }
    // The first page made, which the steps are posted to.
    HWND sheet = nullptr;

  private:
    HWND Sheet() const { return sheet; }
    HWND PageWindow(int index) const {
        const contract::LoggingPage& page = *pages_[index];
        return page.Made() ? reinterpret_cast<HWND>(page.Window().Handle()) : nullptr;
    }
    contract::LoggingPage* pages_[2];
};

class Win32SheetBackEnd : public contract::SheetBackEnd {
  public:
    platform::IPlatform& Platform() override { return TestPlatform(); }
    platform::SheetResult Run(contract::LoggingPage& first, contract::LoggingPage& second,
                              int startPage, std::vector<contract::SheetStep> steps) override {
        Win32Driver driver(first, second);
        std::size_t ran = 0;
        HWND target = nullptr;
        const auto post = [&target] { PostMessageA(target, kStep, 0, 0); };
        const auto started = [&](contract::LoggingPage& page) {
            if (target)
                return;
            target = reinterpret_cast<HWND>(page.Window().Handle());
            driver.sheet = GetParent(target);
            post();
        };
        const auto step = [&](contract::LoggingPage&, unsigned message) {
            if (message != kStep || ran >= steps.size())
                return;
            steps[ran++](driver);
            if (ran < steps.size())
                post();
        };
        for (contract::LoggingPage* page : {&first, &second}) {
            page->onInit = started;
            page->onPosted = step;
        }
        platform::SheetContents contents;
        contents.caption = "Options";
        contents.pages = {{&contract::SheetPageTemplate(0), &first},
                          {&contract::SheetPageTemplate(1), &second}};
        contents.startPage = startPage;
        const platform::SheetResult result = TestPlatform().RunPropertySheet(contents);
        EXPECT_EQ(ran, steps.size()) << "the sheet ended before every step ran";
        return result;
    }
};

TEST(SheetContract, Win32BackEnd) {
    contract::RunSheetContract<Win32SheetBackEnd>();
}

class SheetTest : public ::testing::Test {
  protected:
    platform::SheetResult Run(int startPage) {
        platform::SheetContents contents;
        contents.caption = "Options";
        contents.pages = {{&contract::SheetPageTemplate(0), &first_},
                          {&contract::SheetPageTemplate(1), &second_}};
        contents.startPage = startPage;
        return TestPlatform().RunPropertySheet(contents);
    }
    std::vector<std::string> log_;
    TestPage first_{log_, "first"};
    TestPage second_{log_, "second"};
};

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
    contents.pages = {{&contract::SheetPageTemplate(0), &first_}};
    contents.owner = owner->Handle();
    EXPECT_TRUE(TestPlatform().RunPropertySheet(contents).ok);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_EQ(sheetOwner, owner->Window());
    EXPECT_EQ(caption, "Options");
    EXPECT_TRUE(IsWindowEnabled(owner->Window()));
}

TEST_F(SheetTest, ASheetWithATemplateTheResourcesLackFails) {
    // Ends a sheet that was made all the same.
    first_.startsScript = true;
    first_.steps.push_back([](TestPage& page) { page.Press(PSBTN_CANCEL); });
    platform::SheetContents contents;
    contents.caption = "Options";
    contents.pages = {{&contract::SheetPageTemplate(0), &first_}, {&MissingPageDialog(), &second_}};
    contents.startPage = 1;
    const platform::SheetResult result = TestPlatform().RunPropertySheet(contents);
    EXPECT_TRUE(result.failed);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(log_.empty());
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
    contents.pages = {{&contract::SheetPageTemplate(0), &first_}, {&ListPageDialog(), &page}};
    contents.startPage = 1;
    EXPECT_TRUE(TestPlatform().RunPropertySheet(contents).ok);
    EXPECT_EQ(page.shown, "Merging items");
}

} // namespace
} // namespace qv::win32test
