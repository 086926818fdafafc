// Launch: the one selected item's text opened through the shell on a worker thread, after the
// checks of its text, each with its message. The command returns without waiting for the shell.
#pragma once
#include "launch/launch_jobs.h"
#include "lists/history_lists.h"
#include "window/user_messages.h"
#include "window/window_context.h"

namespace qv {

class CLaunchCommand {
  public:
    CLaunchCommand(const CWindowContext& context, CLaunchJobs& jobs)
        : window_(context.window), lists_(context.lists), messages_(context.messages), jobs_(jobs) {
    }

    void Launch();

    // What a job says when the shell refuses, from the string table.
    static LaunchTexts LoadTexts(const CUserMessages& messages);

  private:
    platform::IDialogWindow& window_;
    CHistoryLists& lists_;
    CUserMessages& messages_;
    CLaunchJobs& jobs_;
};

} // namespace qv
