// The Options sheet over a recording stand-in for the main window, run by the test's scripts on
// the headless platform.
#pragma once
#include "headless_platform.h"
#include "options/options_sheet.h"
#include "resource.h"
#include "support/program_platform.h"
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qv::test {

using platform::headless::HeadlessDialog;
using platform::headless::HeadlessSheet;

class FakeHost : public IOptionsHost {
  public:
    bool SaveDataFile() override {
        calls.push_back("save");
        return saves;
    }
    bool LoadDataFile() override {
        calls.push_back("load");
        return loads;
    }
    int ChangeCount() const override { return changes; }
    int SearchTermCount() const override { return terms; }
    void ClearSearchTerms() override {
        calls.push_back("clear terms");
        terms = 0;
    }
    void SetNumberFormat(const CNumberFormat& format) override {
        calls.push_back(std::string("separator ") + (format.useThousandsSep ? "on " : "off ") +
                        format.thousandsSeparator);
    }
    bool saves = true, loads = true;
    int changes = 0, terms = 0;
    std::vector<std::string> calls;
};

class OptionsTest : public ::testing::Test {
  protected:
    // Runs one sheet over settings with the script; true when it ended with OK.
    bool RunSheet(std::function<void(HeadlessSheet&)> script) {
        platform.OnSheet(std::move(script));
        return sheet.Run(owner, settings);
    }
    // Runs one sheet that shows the page of the template, lets check look at it and ends with OK.
    bool OnPage(int templateId, const std::function<void(HeadlessDialog&, HeadlessSheet&)>& check) {
        const int page = COptionsSheet::PageOf(templateId);
        return RunSheet([&](HeadlessSheet& s) {
            s.ShowPage(page);
            check(s.Page(page), s);
            if (!s.Ended())
                s.PressOk();
        });
    }
    std::string LastMessage() const {
        return platform.messages.shown.empty() ? std::string()
                                               : platform.messages.shown.back().text;
    }

    ProgramPlatform platform;
    FakeHost host;
    CSettings settings;
    const std::string programName = "Quorvane";
    int rememberedPage = 0;
    const platform::WindowRef owner = 0x42;
    COptionsSheet sheet{platform, host, programName, rememberedPage};
};

} // namespace qv::test
