// The texts the program shows in message boxes and titles.
#pragma once

namespace qv {

constexpr const char kMsgOutOfMemory[] =
    "Out of memory.  Please close another program and try again.";
constexpr const char kMsgCannotInitialize[] =
    "This program could not initialize.  Please reinstall it and try again.  This program will "
    "close after you press OK.";
constexpr const char kMsgNoClipboardSuffix[] =
    " did not connect to the Clipboard and will shut down.  Please restart it.  You may need to "
    "reboot your computer.";
constexpr const char kCaptionClipboardConnection[] = "Clipboard Connection";
constexpr const char kMsgConfirmExitPrefix[] = "Do you want to exit ";
constexpr const char kCaptionConfirmExit[] = "Confirm Exit";
constexpr const char kMsgSelectSingleItem[] = "Please select a single item.";
constexpr const char kMsgCannotRetrieve[] =
    "Could not retrieve this item.  You may want to delete it.";

constexpr const char kMsgCannotSave[] = "Could not save Clipboard data into \"%s\".";
constexpr const char kMsgCannotRead[] = "Could not read Clipboard data from \"%s\".";
constexpr const char kMsgCannotReadIntoMemory[] =
    "Could not read the data file into memory.  Close another application and try again.";
constexpr const char kMsgNewerDataFile[] =
    "This program cannot load a data file that has a higher version number.  Do you want to exit "
    "this program without changing the stored settings?";

constexpr const char kTitleNotWatching[] = " - [not watching Clipboard]";
constexpr const char kTitleEmpty[] = " - [empty]";
constexpr const char kTitleImage[] = " - [image]";
constexpr const char kTitleFiles[] = " - [files or folders]";
constexpr const char kTitleOtherFormat[] = " - [other data format]";

// Exit codes of the program's quit requests.
constexpr int kExitOutOfMemory = 1;
constexpr int kExitNoClipboard = 2;
constexpr int kExitNewerDataFile = 3;

} // namespace qv
