// The main window's collaborators, for the files of CMainDialog only.
#pragma once
#include "mainwindow/clipboard_capture.h"
#include "mainwindow/data_file_store.h"
#include "mainwindow/history_commands.h"
#include "mainwindow/history_lists.h"
#include "mainwindow/incremental_search.h"
#include "mainwindow/launch_command.h"
#include "mainwindow/main_dialog.h"
#include "mainwindow/mark_point.h"
#include "mainwindow/merge_split.h"
#include "mainwindow/mini_window_keeper.h"
#include "mainwindow/navigation.h"
#include "mainwindow/options_command.h"
#include "mainwindow/pane_format.h"
#include "mainwindow/status_texts.h"
#include "mainwindow/user_messages.h"
#include "resource.h"

namespace qv {

// Declared in the order they are made; each is given the ones it talks to.
struct CMainDialog::Parts {
    Parts(CMainDialog& d, platform::IDialogWindow& window)
        : messages(window, d.platform_.Strings(), d.texts_),
          status(window, d.platform_.Strings(), d.settings_.numbers), navigation(window, status),
          lists(window.ListBox(IDC_HISTORY), d.settings_),
          search(window, lists, navigation, d.settings_, d.platform_.CodePage(), messages),
          store(d.platform_.Files(), d.platform_.Clock(), d.platform_.CodePage(), lists, navigation,
                messages, d.dataFilePath_),
          options(d.platform_, window, d.settings_, lists, search, store, status, d.texts_.name),
          paneFormat(d.platform_, window, d.settings_),
          capture(window, d.platform_.Clipboard(), d.platform_.Clock(), d.watcher_, lists, store,
                  navigation, status, messages),
          commands(window, d.platform_.Clock(), lists, search, navigation, status, store, messages),
          mark(window, lists, search, navigation, capture, messages),
          mergeSplit(d.platform_, window, lists, search, navigation, status, store, messages),
          miniWindow(d.platform_, window, lists, messages),
          launchJobs(d.platform_, CLaunchCommand::LoadTexts(messages)),
          launch(window, lists, search, messages, launchJobs) {
        navigation.SetFollower(&lists.Followers());
    }

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
};

} // namespace qv
