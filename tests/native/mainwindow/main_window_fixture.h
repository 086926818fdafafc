// A main window on the headless platform, opened as the program opens it, with what a user and
// other programs do to it; and the window's controls alone, for its collaborators.
#pragma once
#include "headless_platform.h"
#include "mainwindow/main_dialog.h"
#include "resource.h"
#include "resources/resource_tables.h"
#include "settings/settings_names.h"
#include "support/program_platform.h"
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace qv::test {

using platform::headless::HeadlessDialog;
using platform::headless::HeadlessListBox;
using platform::headless::HeadlessRichEdit;

// What tests read of a window's controls and the platform's records.
class WindowReading {
  protected:
    ProgramPlatform platform;
    std::unique_ptr<HeadlessDialog> window;
    const std::string dataFile = "C:\\Data\\Quorvane.dat";

    HeadlessListBox& List() { return window->List(IDC_HISTORY); }
    HeadlessRichEdit& Pane() { return window->Pane(IDC_CONTENTS); }
    std::string LineText(int i) {
        std::string text;
        List().GetLineText(i, text);
        return text;
    }
    std::string Label(int id) { return window->Label(id).GetText(); }
    // Every line of the History list, top to bottom.
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (int i = 0; i < List().GetCount(); ++i)
            lines.push_back(LineText(i));
        return lines;
    }
    // The texts "item n" of the numbers, as CopyItems copies them.
    static std::vector<std::string> Items(std::initializer_list<int> numbers) {
        std::vector<std::string> lines;
        for (int i : numbers)
            lines.push_back("item " + std::to_string(i));
        return lines;
    }
    // Sets the selection and the caret as they stand after the user's clicks, without the
    // notice of the change.
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
    std::string FileBytes(const std::string& path) {
        std::string bytes;
        platform.files.ReadFile(path, bytes);
        return bytes;
    }
    bool Exists(const std::string& path) { return platform.files.FindFirst(path); }
};

class MainWindowTest : public ::testing::Test, protected WindowReading {
  protected:
    std::unique_ptr<CMainDialog> dialog;

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
    // Closes and opens the window again on an empty clipboard, as a new run of the program.
    void Reopen() {
        Close();
        platform.clipboard.EmptyFromOtherApp();
        Open();
    }
    void SetOption(const char* section, const char* key, int value) {
        platform.settings.WriteInt(section, key, value);
    }

    // Another application copies text while the main window is in the background, later than
    // the window's own paste window.
    void CopyElsewhere(const std::string& text, const std::string& rtf = std::string()) {
        platform.clock.Advance(1000);
        platform.clipboard.PutFromOtherApp(text, rtf);
    }
    // The clipboard holds text that is no item: copied while the user worked in the window.
    void HoldOnClipboard(const std::string& text) {
        Events().OnActivate(true);
        platform.clipboard.PutFromOtherApp(text);
        Events().OnActivate(false);
    }
    // Another application copies "item 0" to "item count-1".
    void CopyItems(int count) {
        for (int i = 0; i < count; ++i)
            CopyElsewhere("item " + std::to_string(i));
    }
    // The user selects lines; the list box reports the change.
    void SelectByUser(std::initializer_list<int> lines, int caret) {
        Select(lines, caret);
        window->Events().OnCommand(IDC_HISTORY, platform::kListSelChange);
    }
    void DoubleClick(int line) {
        SelectByUser({line}, line);
        window->Events().OnCommand(IDC_HISTORY, platform::kListDoubleClick);
    }
    // The Search field's drop-down: opened, and an entry picked.
    void OpenSearchDropDown() { window->Events().OnCommand(IDC_SEARCH, platform::kComboDropDown); }
    void PickSearchEntry(int index) {
        window->Combo(IDC_SEARCH).SetCurSel(index);
        window->Events().OnCommand(IDC_SEARCH, platform::kComboSelChange);
    }
    // Esc, through the window's accelerators.
    void PressEscape() { window->Events().OnCommand(IDM_EXIT_ASK, 1); }

    // What the platform tells the main window.
    platform::IMainWindowEvents& Events() { return *window->MainEvents(); }
    void Activate(bool active) { Events().OnActivate(active); }
    void Resize(platform::SizeKind kind) { Events().OnSize(kind); }
    void LogOff(bool ending = true) { Events().OnEndSession(ending); }
};

// The main window's controls without its logic, for a collaborator on its own. Collaborators
// declared after `window` in a test go before it.
class WindowPartsTest : public ::testing::Test, protected WindowReading {
  protected:
    WindowPartsTest() { window = platform.OpenDialog(ProgramDialog(IDD_MAIN), events_); }

  private:
    struct NoEvents : platform::IDialogEvents {
        bool OnInitDialog(platform::IDialogWindow&) override { return true; }
        void OnCommand(int, int) override {}
        void OnClose() override {}
        void OnDestroy() override {}
    } events_;
};

} // namespace qv::test
