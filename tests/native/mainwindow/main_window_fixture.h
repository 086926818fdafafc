// A main window on the headless platform, opened as the program opens it.
#pragma once
#include "headless_platform.h"
#include "mainwindow/main_dialog.h"
#include "resource.h"
#include "resources/resource_tables.h"
#include "settings/settings_names.h"
#include "support/program_platform.h"
#include <gtest/gtest.h>
#include <memory>

namespace qv::test {

using platform::headless::HeadlessDialog;
using platform::headless::HeadlessListBox;
using platform::headless::HeadlessPlatform;
using platform::headless::HeadlessRichEdit;

class MainWindowTest : public ::testing::Test {
  protected:
    ProgramPlatform platform;
    std::unique_ptr<CMainDialog> dialog;
    std::unique_ptr<HeadlessDialog> window;

    MainWindowTest() { platform.settings.SetRoot(kSettingsCompany, "Quorvane"); }
    ~MainWindowTest() override { Close(); }

    void Open() {
        dialog = std::make_unique<CMainDialog>(platform, "C:\\Data\\");
        window = platform.OpenDialog(ProgramDialog(IDD_MAIN), *dialog);
    }
    void Close() {
        if (window)
            platform.CloseDialog(std::move(window));
        dialog.reset();
    }
    // Another application copies text while the main window is in the background, later than
    // the window's own paste window.
    void CopyElsewhere(const std::string& text, const std::string& rtf = std::string()) {
        platform.clock.Advance(1000);
        platform.clipboard.PutFromOtherApp(text, rtf);
    }
    HeadlessListBox& List() { return window->List(IDC_HISTORY); }
    HeadlessRichEdit& Pane() { return window->Pane(IDC_CONTENTS); }
    std::string LineText(int i) {
        std::string text;
        List().GetLineText(i, text);
        return text;
    }
    CHistoryItem* Item(int i) {
        return dynamic_cast<CHistoryItem*>(dialog->History()->GetEntry(i));
    }
    std::string Label(int id) { return window->Label(id).GetText(); }
    void Select(std::initializer_list<int> lines, int caret) {
        List().SetSel(-1, false);
        for (int i : lines)
            List().SetSel(i, true);
        List().SetCaretIndex(caret);
    }
    std::string LastMessage() {
        return platform.messages.shown.empty() ? std::string()
                                               : platform.messages.shown.back().text;
    }
};

} // namespace qv::test
