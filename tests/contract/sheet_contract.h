// What both back ends promise about property sheets, as one table of cases: pages made when
// first shown, Apply on the pages made, a refusing page shown and the sheet kept open, OK, Cancel
// and Close, a quit request, and sheets that cannot be made. The native tier runs the table on
// the headless back end, the Win32 tier on the real one.
#pragma once
#include "platform/platform.h"
#include "resource.h"
#include "resources/resource_tables.h"
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qv::contract {

// The two pages' templates; the Win32 tier's test resources hold templates of the same ids.
constexpr int kFirstPageId = 9020;
constexpr int kSecondPageId = 9021;
constexpr int kPageOptionId = 9022;

inline const platform::DialogTemplate& SheetPageTemplate(int index) {
    using platform::ControlKind;
    using platform::DialogStyle;
    static const platform::DialogTemplate pages[2] = {
        {kFirstPageId,
         "First",
         180,
         80,
         DialogStyle::Page,
         0,
         0,
         false,
         {{ControlKind::CheckBox, kPageOptionId, "First option", 5, 5, 100, 10, 0}}},
        {kSecondPageId,
         "Second",
         180,
         80,
         DialogStyle::Page,
         0,
         0,
         false,
         {{ControlKind::CheckBox, kPageOptionId, "Second option", 5, 5, 100, 10, 0}}}};
    return pages[index];
}

// A page that logs what it hears; a click marks it changed. The back end may hook its first
// initialisation and its posted messages to drive the sheet from inside.
class LoggingPage : public platform::IPageEvents {
  public:
    LoggingPage(std::vector<std::string>& log, std::string name)
        : log_(log), name_(std::move(name)) {}
    bool OnInitDialog(platform::IDialogWindow& window) override {
        window_ = &window;
        log_.push_back(name_ + " init");
        if (onInit)
            onInit(*this);
        return true;
    }
    void OnSetActive() override { log_.push_back(name_ + " shown"); }
    bool OnApply() override {
        log_.push_back(name_ + " apply");
        if (refusals <= 0)
            return true;
        --refusals;
        return false;
    }
    void OnCommand(int id, int) override {
        log_.push_back(name_ + " command " + std::to_string(id));
        window_->SetModified(true);
    }
    void OnPosted(unsigned message, std::uintptr_t, std::intptr_t) override {
        if (onPosted)
            onPosted(*this, message);
    }
    void OnClose() override {}
    void OnDestroy() override { log_.push_back(name_ + " destroy"); }
    platform::IDialogWindow& Window() const { return *window_; }
    bool Made() const { return window_ != nullptr; }

    int refusals = 0; // the next Apply calls that refuse
    std::function<void(LoggingPage&)> onInit;
    std::function<void(LoggingPage&, unsigned)> onPosted;

  private:
    std::vector<std::string>& log_;
    std::string name_;
    platform::IDialogWindow* window_ = nullptr;
};

// The user's hands and eyes on a running sheet.
class SheetDriver {
  public:
    virtual ~SheetDriver() = default;
    virtual void ShowPage(int index) = 0;
    // A click on a control of a page already made.
    virtual void Click(int page, int controlId) = 0;
    virtual void PressOk() = 0;
    virtual void PressCancel() = 0;
    virtual void PressApply() = 0;
    virtual int ActivePage() = 0;
    virtual bool IsOpen() = 0;
    virtual bool ApplyAvailable() = 0;
    // OK reads Close and Cancel is gone.
    virtual bool CancelIsClose() = 0;
};

using SheetStep = std::function<void(SheetDriver&)>;

// A dialog that does nothing of its own.
class Inert : public platform::IDialogEvents {
  public:
    bool OnInitDialog(platform::IDialogWindow&) override { return true; }
    void OnCommand(int, int) override {}
    void OnClose() override {}
    void OnDestroy() override {}
};

class SheetBackEnd {
  public:
    virtual ~SheetBackEnd() = default;
    virtual platform::IPlatform& Platform() = 0;
    // Runs a sheet of the two pages from startPage. Once it shows, the steps act on it one after
    // another, each after the sheet has handled what the one before asked; the last ends it.
    virtual platform::SheetResult Run(LoggingPage& first, LoggingPage& second, int startPage,
                                      std::vector<SheetStep> steps) = 0;
};

// What a case is given: the back end and two fresh pages writing to one log.
struct SheetRig {
    SheetBackEnd& backEnd;
    std::vector<std::string>& log;
    LoggingPage& first;
    LoggingPage& second;
    platform::SheetResult Run(int startPage, std::vector<SheetStep> steps) {
        return backEnd.Run(first, second, startPage, std::move(steps));
    }
};

struct SheetCase {
    const char* name;
    void (*run)(SheetRig& rig);
};

using Log = std::vector<std::string>;

inline const std::vector<SheetCase>& SheetContract() {
    static const std::vector<SheetCase> cases = {
        {"it starts on the asked page, makes pages when first shown and OK applies them",
         [](SheetRig& r) {
             const platform::SheetResult result = r.Run(1, {[](SheetDriver& d) {
                                                            EXPECT_EQ(d.ActivePage(), 1);
                                                            d.Click(1, kPageOptionId);
                                                            EXPECT_TRUE(d.ApplyAvailable());
                                                            d.PressOk();
                                                        }});
             EXPECT_TRUE(result.ok);
             EXPECT_FALSE(result.failed);
             EXPECT_EQ(result.activePage, 1);
             EXPECT_EQ(r.log, (Log{"second init", "second shown", "second command 9022",
                                   "second apply", "second destroy"}));
         }},
        {"a refusing page that is not shown is shown, later pages are not asked, and Cancel "
         "ends the sheet",
         [](SheetRig& r) {
             r.first.refusals = 1;
             const platform::SheetResult result = r.Run(0, {[](SheetDriver& d) { d.ShowPage(1); },
                                                            [](SheetDriver& d) { d.PressOk(); },
                                                            [](SheetDriver& d) {
                                                                EXPECT_TRUE(d.IsOpen());
                                                                EXPECT_EQ(d.ActivePage(), 0);
                                                                d.PressCancel();
                                                            }});
             EXPECT_FALSE(result.ok);
             EXPECT_EQ(result.activePage, 0);
             EXPECT_EQ(r.log,
                       (Log{"first init", "first shown", "second init", "second shown",
                            "first apply", "first shown", "first destroy", "second destroy"}));
         }},
        {"a page marks changes and turns Cancel into Close",
         [](SheetRig& r) {
             EXPECT_TRUE(r.Run(0, {[&r](SheetDriver& d) {
                                   r.first.Window().SetModified(true);
                                   EXPECT_TRUE(d.ApplyAvailable());
                                   EXPECT_FALSE(d.CancelIsClose());
                                   r.first.Window().CancelToClose();
                                   EXPECT_TRUE(d.CancelIsClose());
                                   d.PressOk();
                               }})
                             .ok);
         }},
        {"Apply is offered only for changes, and Cancel after it is no OK",
         [](SheetRig& r) {
             const platform::SheetResult result =
                 r.Run(0, {[](SheetDriver& d) {
                               EXPECT_FALSE(d.ApplyAvailable())
                                   << "greyed while no page is changed";
                               d.ShowPage(1);
                           },
                           [&r](SheetDriver& d) {
                               d.Click(1, kPageOptionId);
                               r.second.Window().SetModified(false);
                               EXPECT_FALSE(d.ApplyAvailable());
                               r.second.Window().SetModified(true);
                               EXPECT_TRUE(d.ApplyAvailable());
                               r.log.clear();
                               d.PressApply();
                           },
                           [](SheetDriver& d) {
                               EXPECT_FALSE(d.ApplyAvailable());
                               EXPECT_TRUE(d.IsOpen());
                               d.PressCancel();
                           }});
             // Both pages made so far apply, in their order; the shown page hears it is shown
             // again.
             EXPECT_EQ(r.log, (Log{"first apply", "second apply", "second shown", "first destroy",
                                   "second destroy"}));
             EXPECT_FALSE(result.ok);
             EXPECT_FALSE(result.failed);
             EXPECT_EQ(result.activePage, 1);
         }},
        {"a refusal on Apply shows the refusing page and applies nothing",
         [](SheetRig& r) {
             r.first.refusals = 1;
             const platform::SheetResult result = r.Run(0, {[](SheetDriver& d) { d.ShowPage(1); },
                                                            [](SheetDriver& d) {
                                                                d.Click(1, kPageOptionId);
                                                                d.PressApply();
                                                            },
                                                            [](SheetDriver& d) {
                                                                EXPECT_EQ(d.ActivePage(), 0);
                                                                EXPECT_TRUE(d.ApplyAvailable())
                                                                    << "nothing was applied";
                                                                d.PressOk();
                                                            }});
             EXPECT_TRUE(result.ok);
             EXPECT_EQ(result.activePage, 0);
         }},
        {"a quit request ends it without OK and reaches the loops around it",
         [](SheetRig& r) {
             const platform::SheetResult result =
                 r.Run(0, {[&r](SheetDriver&) { r.first.Window().PostQuit(4); }});
             EXPECT_FALSE(result.ok);
             EXPECT_FALSE(result.failed) << "the sheet was made";
             EXPECT_EQ(r.backEnd.Platform().QuitCode(), 4);
             Inert outer;
             EXPECT_EQ(r.backEnd.Platform().RunModal(ProgramDialog(IDD_ABOUT), outer, 0), -1);
         }},
        {"a sheet without pages, or with a page that lacks its template or events, fails",
         [](SheetRig& r) {
             platform::SheetContents contents;
             contents.caption = "Options";
             EXPECT_TRUE(r.backEnd.Platform().RunPropertySheet(contents).failed);
             contents.pages = {{&SheetPageTemplate(0), &r.first}, {&SheetPageTemplate(1), nullptr}};
             const platform::SheetResult result = r.backEnd.Platform().RunPropertySheet(contents);
             EXPECT_TRUE(result.failed);
             EXPECT_FALSE(result.ok);
             contents.pages = {{nullptr, &r.second}};
             EXPECT_TRUE(r.backEnd.Platform().RunPropertySheet(contents).failed);
             EXPECT_TRUE(r.log.empty());
         }},
    };
    return cases;
}

// Runs every case with fresh pages on a back end made afresh by make.
template <class BackEnd> void RunSheetContract() {
    for (const SheetCase& c : SheetContract()) {
        SCOPED_TRACE(c.name);
        BackEnd backEnd;
        std::vector<std::string> log;
        LoggingPage first(log, "first");
        LoggingPage second(log, "second");
        SheetRig rig{backEnd, log, first, second};
        c.run(rig);
    }
}

} // namespace qv::contract
