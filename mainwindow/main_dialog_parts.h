// The main window's collaborators, for the files of CMainDialog only.
#pragma once
#include "clipboard/clipboard_capture.h"
#include "lists/data_file_store.h"
#include "lists/history_commands.h"
#include "lists/history_lists.h"
#include "lists/mark_point.h"
#include "lists/merge_split.h"
#include "mainwindow/help_commands.h"
#include "mainwindow/incremental_search.h"
#include "mainwindow/launch_command.h"
#include "mainwindow/main_dialog.h"
#include "mainwindow/options_command.h"
#include "mainwindow/pane_format.h"
#include "mainwindow/selection_rules.h"
#include "mainwindow/system_menu_builder.h"
#include "miniwindow/mini_window_keeper.h"
#include "resource.h"
#include "window/navigation.h"
#include "window/status_texts.h"
#include "window/user_messages.h"
#include "window/window_context.h"

namespace qv {

// Declared in the order they are made; each is given the context, whose members are made first.
struct CMainDialog::Parts : IListsChanged {
    Parts(CMainDialog& d, platform::IDialogWindow& window)
        : context{d.platform_, window, d.settings_, lists,    search,
                  navigation,  status, store,       messages, *this},
          messages(window, d.platform_.Strings(), d.texts_),
          status(window, d.platform_.Strings(), d.settings_.numbers),
          navigation(window, d.platform_.Strings(), status),
          lists(window.ListBox(IDC_HISTORY), d.settings_), search(context),
          store(d.platform_.Files(), d.platform_.Clock(), d.platform_.CodePage(), lists, navigation,
                messages, d.dataFilePath_),
          options(context, d.texts_.name), paneFormat(d.platform_, window, d.settings_),
          capture(context, d.watcher_), commands(context), mark(context), mergeSplit(context),
          miniWindow(context), launchJobs(d.platform_, CLaunchCommand::LoadTexts(messages)),
          launch(context, launchJobs), systemMenu(context),
          selection(context, capture, search, d.watcher_), help(context) {
        navigation.SetFollower(&lists.Followers());
    }

    // The one place every change of the lists passes through.
    void ListsChanged(ListChange change) override {
        navigation.Refresh();
        status.ShowItemCount();
        if (change == ListChange::Swapped)
            search.Reset();
        if (CountsAsChange(change))
            store.CountChange();
    }

    CWindowContext context;
    CUserMessages messages;
    CStatusTexts status;
    CNavigation navigation;
    CHistoryLists lists;
    CIncrementalSearch search;
    CDataFileStore store;
    COptionsCommand options;
    CPaneFormat paneFormat;
    CClipboardCapture capture;
    CHistoryCommands commands;
    CMarkPoint mark;
    CMergeSplit mergeSplit;
    CMiniWindowKeeper miniWindow;
    // Deleted with the window; each job first waits for its launch, message included.
    CLaunchJobs launchJobs;
    CLaunchCommand launch;
    CSystemMenuBuilder systemMenu;
    CSelectionRules selection;
    CHelpCommands help;
};

} // namespace qv
