// The Options command: the sheet over the window's settings, and the window's side of what its
// pages do at once (the data file, the search terms, the digit grouping of the counts).
#pragma once
#include "mainwindow/data_file_store.h"
#include "mainwindow/history_lists.h"
#include "mainwindow/incremental_search.h"
#include "mainwindow/status_texts.h"
#include "options/options_host.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include <string>

namespace qv {

class COptionsCommand : public IOptionsHost {
  public:
    COptionsCommand(platform::IPlatform& platform, platform::IDialogWindow& window,
                    CSettings& settings, CHistoryLists& lists, CIncrementalSearch& search,
                    CDataFileStore& store, CStatusTexts& status, const std::string& programName)
        : platform_(platform), window_(window), settings_(settings), lists_(lists), search_(search),
          store_(store), status_(status), programName_(programName) {
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
