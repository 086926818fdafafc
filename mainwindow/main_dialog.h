// The main window: owns the History list and the other lists, watches the clipboard, and routes
// every command of the window.
#pragma once
#include "history/history_entry.h"
#include "history/history_list_box.h"
#include "history/stored_record.h"
#include "mainwindow/clipboard_watcher.h"
#include "mainwindow/placement_keeper.h"
#include "mainwindow/status_texts.h"
#include "platform/platform.h"
#include "search/search_terms.h"
#include "settings/settings.h"
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace qv {

class CMainDialog : public platform::IMainWindowEvents {
  public:
    CMainDialog(platform::IPlatform& platform, std::string dataFolder);
    ~CMainDialog() override;
    CMainDialog(const CMainDialog&) = delete;
    CMainDialog& operator=(const CMainDialog&) = delete;

    // Window events.
    bool OnInitDialog(platform::IDialogWindow& window) override;
    void OnCommand(int id, int notifyCode) override;
    bool OnSysCommand(unsigned command) override;
    void OnClose() override;
    void OnDestroy() override;
    void OnDrawClipboard(const platform::ClipboardNotice& notice) override;
    void OnChangeCbChain(platform::WindowRef removed, platform::WindowRef after) override;
    void OnActivate(bool active) override;
    void OnSize(platform::SizeKind kind) override;
    bool OnQueryEndSession() override { return true; }
    void OnEndSession(bool ending) override;
    void OnFontChange() override;
    int OnGetDefaultButton() override { return 0; }

    // History lists.
    // Appends an item to the shown list; the item is deleted on failure. Index or -1.
    int AppendToHistory(const std::string& listText, std::unique_ptr<CHistoryItem> item);
    void ApplyHistoryLimit();

    // Clipboard capture and recall.
    void UpdateFromClipboard();
    bool AddCapturedItem(platform::IRichEdit& control);
    void UpdateTitle(platform::IRichEdit& control);
    void CopyToClipboard(bool addAsItem);
    void ClearClipboard();
    bool RefreshClipboard();
    bool Recall(bool useCaret);
    void SetWatching();
    void SetIncludeFormatting();

    // The data file: both lists, written after Change Limit changes and at exit.
    bool SaveDataFile();
    bool LoadDataFile();
    bool SavesAtExit() const { return saveAtExit_; }
    // Where the data file stands: saves are allowed only once it was read at start-up, and never
    // after a newer file was declined (it belongs to a newer version of the program).
    enum class DataFileState { NotRead, Read, Declined };
    DataFileState DataFile() const { return dataFileState_; }
    const std::vector<CStoredRecord>& ParkedRetainList() const { return parkedRetainList_; }

    // Start-up and shutdown.
    bool JoinClipboardChain();
    void SavePlacement();
    bool RestorePlacement(bool startMinimized);

    // Previous (-1) and Next (+1) from the caret line, and the refresh of their buttons and menu
    // entries after every change of the selection or the lines.
    void Step(int delta);
    void NavigationRefresh();

    // The Search field.
    void CommitSearchTerm();
    void SearchRun();
    // Nearest selected line above (direction -1) or below (+1) position; -1 when none.
    int FindFoundNeighbour(int position, int direction) const;
    void UpdateBackAndForward(int position);
    // Back (-1) and Forward (+1).
    void StepFound(int direction);
    void LoadSearchTerms();
    void SaveSearchTerms();
    const SearchTermList& SearchTerms() const { return searchTerms_; }
    bool IsSearchStepping() const { return searchStepping_; }

    // Status texts.
    void UpdateCharCount() {
        if (status_)
            status_->ShowCharCount();
    }
    void UpdateSelectedCount() {
        if (status_)
            status_->ShowSelectedCount();
    }
    void UpdateItemCount() {
        if (status_)
            status_->ShowItemCount();
    }
    // The one selected line, or -1 when not exactly one line is selected.
    int GetSingleSelection() const;

    // Read access for the window's owner and for tests.
    const std::string& ProgramName() const { return programName_; }
    const std::string& DataFilePath() const { return dataFilePath_; }
    CHistoryListBox* History() const { return history_.get(); }
    const CSettings& Settings() const { return settings_; }
    CSettings& MutableSettings() { return settings_; }
    bool IsWatching() const { return watcher_.IsWatching(); }
    bool IncludesFormatting() const { return includeFormatting_; }
    bool IsJoined() const { return watcher_.IsJoined(); }
    platform::WindowRef NextViewer() const { return watcher_.NextViewer(); }
    int ChangeCounter() const { return changeCounter_; }
    int MarkIndex() const { return markIndex_; }
    bool IsForeground() const { return watcher_.IsForeground(); }

  private:
    void OnHistorySelChange();
    void AskExit();
    void OnSearchField(int notifyCode);
    void UpdateNavigationLabel(bool previous, bool hasNeighbour, int position);
    // True unless the user answers No to the exit question.
    bool ConfirmExit();
    void BuildSystemMenu();
    void CountChange();
    void LeaveClipboardChain();
    void ShowEmptyClipboardState(const std::string& titleSuffix);
    void SetTitleSuffix(const std::string& suffix);
    // A text of the string table.
    std::string Text(int id) const { return platform_.Strings().Load(id); }
    platform::MsgResult Message(const std::string& text, platform::MsgButtons buttons,
                                platform::MsgIcon icon);
    // Seams that the features still to come fill: data file, search terms, navigation, tips.
    void ShowTipOfTheDay() {}
    void ShowAboutBox();
    void OpenOptionsSheet() {}
    void ClearMark();
    class LoadSink;
    // Fills saveBuffer_ with both lists; false when an entry could not be written.
    bool EncodeLists();
    template <class Visit> bool ForEachShownEntry(Visit&& visit);
    template <class Visit>
    void ForEachParkedEntry(const std::vector<CStoredRecord>& records, Visit&& visit);

    // Results the dialog ends with: Esc after the question, and the Close command.
    static constexpr int kEndOk = 1;
    static constexpr int kEndCancel = 2;

    platform::IPlatform& platform_;
    CClipboardWatcher watcher_;
    std::unique_ptr<CStatusTexts> status_; // made with the window
    platform::IDialogWindow* window_ = nullptr;
    std::string programName_;
    // Loaded at the start: showing it must not need memory that has run out.
    std::string outOfMemoryText_;
    bool outOfMemoryAtStart_ = false;

    bool minimized_ = false;
    bool saveAtExit_ = true;
    DataFileState dataFileState_ = DataFileState::NotRead;
    bool searchStepping_ = false;
    std::string dataFolder_;
    std::string dataFilePath_;
    std::unique_ptr<CHistoryListBox> history_;
    int changeCounter_ = 0;
    bool includeFormatting_ = true;
    int markIndex_ = -1;
    platform::CharFormat defaultCharFormat_;
    std::unique_ptr<CPlacementKeeper> placementKeeper_;
    std::vector<CStoredRecord> undoBuffer_;
    std::vector<CStoredRecord> parkedMainList_;
    std::vector<CStoredRecord> parkedRetainList_;
    bool mainListShown_ = true;
    CSettings settings_;
    SearchTermList searchTerms_;
    // Kept between saves: a large save then writes into memory that is already mapped.
    std::string saveBuffer_;
};

} // namespace qv
