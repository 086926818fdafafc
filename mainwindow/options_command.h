// The Options command: the sheet over the window's settings, and the window's side of what its
// pages do at once (the data file, the search terms, the digit grouping of the counts).
#pragma once
#include "lists/data_file_store.h"
#include "lists/history_lists.h"
#include "mainwindow/incremental_search.h"
#include "options/options_host.h"
#include "window/window_context.h"
#include <string>

namespace qv {

class COptionsCommand : public IOptionsHost {
  public:
    COptionsCommand(const CWindowContext& context, const std::string& programName)
        : platform_(context.platform), window_(context.window), settings_(context.settings),
          lists_(context.lists), search_(context.search), store_(context.store),
          status_(context.status), programName_(programName) {
        // A data file that cannot be read opens the sheet, where it can be read again.
        store_.OnReadFailure([this] { Run(); });
    }

    // Commits the search term, runs the sheet and, on OK, takes its settings: a search runs
    // again with them when the Search field has text, and they are written to the store.
    void Run();

    bool SaveDataFile() override { return store_.Save(); }
    bool LoadDataFile() override;
    int ChangeCount() const override { return lists_.Changes(); }
    int SearchTermCount() const override { return search_.TermCount(); }
    void ClearSearchTerms() override { search_.ClearTerms(platform_.Settings()); }
    void SetNumberFormat(const CNumberFormat& format) override;

  private:
    platform::IPlatform& platform_;
    platform::IDialogWindow& window_;
    CSettings& settings_;
    CHistoryLists& lists_;
    CIncrementalSearch& search_;
    CDataFileStore& store_;
    CStatusTexts& status_;
    const std::string& programName_;
    // The page shown last, for the whole run of the program (not stored).
    int rememberedPage_ = 0;
};

} // namespace qv
