// Launch: the one selected item's text opened through the shell on a worker thread, after the
// checks of its text, each with its message. The command returns without waiting for the shell.
#pragma once
#include "launch/launch_jobs.h"
#include "mainwindow/history_lists.h"
#include "mainwindow/incremental_search.h"
#include "mainwindow/user_messages.h"
#include "platform/window.h"

namespace qv {

class CLaunchCommand {
  public:
    CLaunchCommand(platform::IDialogWindow& window, CHistoryLists& lists,
                   CIncrementalSearch& search, CUserMessages& messages, CLaunchJobs& jobs)
        : window_(window), lists_(lists), search_(search), messages_(messages), jobs_(jobs) {}

    void Launch();

    // What a job says when the shell refuses, from the string table.
    static LaunchTexts LoadTexts(const CUserMessages& messages);

  private:
    platform::IDialogWindow& window_;
    CHistoryLists& lists_;
    CIncrementalSearch& search_;
    CUserMessages& messages_;
    CLaunchJobs& jobs_;
};

} // namespace qv
