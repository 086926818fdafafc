// Merge and Split: new unformatted items made from the full texts of selected items, appended at
// the end of the shown list and selected there. The items read stay as they are.
#pragma once
#include "mainwindow/data_file_store.h"
#include "mainwindow/history_lists.h"
#include "mainwindow/incremental_search.h"
#include "mainwindow/navigation.h"
#include "mainwindow/status_texts.h"
#include "mainwindow/user_messages.h"
#include "platform/platform.h"
#include <string>

namespace qv {

class CMergeSplit {
  public:
    CMergeSplit(platform::IPlatform& platform, platform::IDialogWindow& window,
                CHistoryLists& lists, CIncrementalSearch& search, CNavigation& navigation,
                CStatusTexts& status, CDataFileStore& store, CUserMessages& messages)
        : platform_(platform), window_(window), lists_(lists), search_(search),
          navigation_(navigation), status_(status), store_(store), messages_(messages) {}

    // Joins the selected items, in list order and trimmed, with the separator the Merge Items
    // dialog gives.
    void Merge();
    // Makes an item of each non-blank line of the one selected item.
    void Split();

  private:
    // Adds an unformatted item made from text; the line it ends on after the History Limit, or -1.
    int AddItem(std::string text);
    // The selected items' full text without white space at either end; false when a line has no
    // item.
    bool FullText(int line, std::string& text) const;
    void Warn(int textId);
    void Finish();

    platform::IPlatform& platform_;
    platform::IDialogWindow& window_;
    CHistoryLists& lists_;
    CIncrementalSearch& search_;
    CNavigation& navigation_;
    CStatusTexts& status_;
    CDataFileStore& store_;
    CUserMessages& messages_;
};

} // namespace qv
