#include "mainwindow/launch_command.h"
#include "launch/launch_text.h"
#include "resource.h"
#include "text/white_space.h"
#include <new>

namespace qv {

using platform::MsgButtons;
using platform::MsgIcon;

namespace {

int ProblemText(LaunchTextProblem problem) {
    switch (problem) {
    case LaunchTextProblem::Empty:
        return IDS_SELECT_NON_EMPTY_TO_LAUNCH;
    case LaunchTextProblem::TooLong:
        return IDS_LAUNCH_TOO_LONG;
    case LaunchTextProblem::MultipleLines:
        return IDS_LAUNCH_MULTIPLE_LINES;
    case LaunchTextProblem::None:
        break;
    }
    return 0;
}

} // namespace

LaunchTexts CLaunchCommand::LoadTexts(const CUserMessages& messages) {
    LaunchTexts texts;
    texts.caption = messages.ProgramName();
    texts.cannotOpen = messages.Text(IDS_CANNOT_OPEN);
    texts.fileNotFound = messages.Text(IDS_OPEN_FILE_NOT_FOUND);
    texts.accessDenied = messages.Text(IDS_OPEN_ACCESS_DENIED);
    texts.outOfMemory = messages.Text(IDS_OPEN_OUT_OF_MEMORY);
    texts.noAssociation = messages.Text(IDS_OPEN_NO_ASSOCIATION);
    return texts;
}

void CLaunchCommand::Launch() {
    const int line = lists_.SingleSelection();
    if (line < 0) {
        messages_.Show(IDS_SELECT_SINGLE_TO_LAUNCH, MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    try {
        const std::string text = TrimWhiteSpace(lists_.LineText(line));
        // An item with overflow text is longer than its list text shows: trimmed of white space
        // the list text alone could pass, and the shell would get the cut text with its marker.
        const CHistoryItem* item = lists_.Item(line);
        const LaunchTextProblem problem = item && !item->overflowText.empty()
                                              ? LaunchTextProblem::TooLong
                                              : CheckLaunchText(text);
        if (problem != LaunchTextProblem::None) {
            messages_.Show(ProblemText(problem), MsgButtons::Ok, MsgIcon::Exclamation);
            return;
        }
        // A thread that cannot be made is not reported.
        jobs_.Launch(text, window_.Handle());
    } catch (const std::bad_alloc&) {
        messages_.Show(IDS_CANNOT_LAUNCH, MsgButtons::Ok, MsgIcon::Exclamation);
    }
}

} // namespace qv
