// Figures of the real window under Wine, each as a ratio against a floor measured in the same
// run: the program is started on a generated full data file as the end-to-end driver starts it,
// and the time until the window shows the result of each action is taken.
//
//   real_window_bench.exe --program <Quorvane.exe>
#include "driver/keyboard.h"
#include "driver/program.h"
#include "driver/remote.h"
#include "driver/user_data.h"
#include "history/data_file_writer.h"
#include "resource.h"
#include "win32/win32_text.h"
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
using qv::e2e::Program;

constexpr int kFullList = 32767;
constexpr int kDeleted = 30000;
constexpr unsigned kLimitMs = 600000;

// A full Main List of items of about 2 KB: a 500-character list text with its marker and the
// rest as overflow, lines of varied widths.
std::string FullDataFile() {
    std::string bytes;
    const qv::platform::win32::Win32CodePage codePage;
    qv::CDataFileWriter writer(bytes, codePage);
    writer.BeginList();
    const std::string overflow(1500, 'o');
    for (int i = 0; i < kFullList; ++i) {
        std::string text = "item " + std::to_string(i) + " ";
        text.append(std::size_t(i % 400), 'w');
        text.resize(500, '.');
        writer.AddEntry("", text + "...", overflow);
    }
    writer.EndList();
    writer.BeginList();
    writer.EndList();
    return bytes;
}

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

int ItemCount(Program& program) {
    return qv::e2e::ListCount(program.Control(IDC_HISTORY));
}

// Starts the program on the data file (none when empty) and returns the seconds until its
// History list holds lines lines.
double StartUp(Program& program, const std::string& dataFile, int lines) {
    program.Kill();
    qv::e2e::ResetUserData();
    CreateDirectoryA(qv::e2e::DataFolder().c_str(), nullptr);
    qv::e2e::SetRegistryDword("Misc", "Use Limit", 0);
    if (!dataFile.empty())
        qv::e2e::WriteWholeFile(qv::e2e::DataFilePath(), dataFile);
    program.Other().EmptyClipboard();
    std::string error;
    const auto start = Clock::now();
    if (!program.Launch(error, kLimitMs)) {
        std::fprintf(stderr, "start-up failed: %s\n", error.c_str());
        return -1;
    }
    program.WaitUntil([&] { return ItemCount(program) == lines; }, kLimitMs);
    return Seconds(start);
}

// Runs action and returns the seconds until done() holds.
double Timed(Program& program, const std::function<void()>& action,
             const std::function<bool()>& done) {
    const auto start = Clock::now();
    action();
    if (!program.WaitUntil(done, kLimitMs))
        return -1;
    return Seconds(start);
}

void Report(const char* what, double seconds, double floor, const char* target) {
    std::printf("%-58s %8.3f s  %6.2f x  (target %s)\n", what, seconds,
                floor > 0 ? seconds / floor : 0.0, target);
}

// The number a count label shows, its digit grouping ignored; -1 when it shows none.
long long CountShown(Program& program, int id) {
    long long n = -1;
    for (char c : qv::e2e::TextOf(program.Control(id)))
        if (c >= '0' && c <= '9')
            n = (n < 0 ? 0 : n * 10) + (c - '0');
    return n;
}

// Puts text in the Search field and returns the seconds until the selected count shows
// expected. The edit notice is sent as the field sends it for a keystroke, so that the time is
// the search's alone and not the keyboard's.
double SearchFor(Program& program, const std::string& text, long long expected) {
    const HWND field = program.Control(IDC_SEARCH);
    LRESULT ignored = 0;
    qv::e2e::SendBounded(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), ignored);
    return Timed(
        program,
        [&] {
            DWORD_PTR result = 0;
            SendMessageTimeoutA(program.MainWindow(), WM_COMMAND,
                                MAKEWPARAM(IDC_SEARCH, CBN_EDITCHANGE),
                                reinterpret_cast<LPARAM>(field), SMTO_NORMAL, kLimitMs, &result);
        },
        [&] { return CountShown(program, IDC_SELECTED_COUNT) == expected; });
}

// Copies text elsewhere and returns the seconds until the History list holds lines lines and
// the pane's character count shows at least characters.
double Capture(Program& program, const std::string& text, int lines, long long characters) {
    qv::e2e::PumpFor(700); // past the guard against the program's own writes
    return Timed(
        program, [&] { program.Other().CopyText(text); },
        [&] {
            const long long shown = CountShown(program, IDC_CHAR_COUNT);
            return ItemCount(program) == lines && shown >= characters;
        });
}

// About 1 MB of 78-character lines.
std::string LongText() {
    const std::string line = std::string(77, 'x') + ".\r\n";
    std::string text;
    text.reserve(1 << 20);
    for (int i = 0; text.size() + line.size() <= (1u << 20); ++i)
        text += line;
    return text;
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--program")
            qv::e2e::Options().program = argv[++i];
    if (qv::e2e::Options().program.empty()) {
        std::fprintf(stderr, "usage: %s --program <Quorvane.exe>\n", argv[0]);
        return 2;
    }
    Program program;
    const std::string full = FullDataFile();
    const double empty = StartUp(program, std::string(), 0);

    // Captures on the empty list: a long text, then a short one that replaces it in the pane.
    const std::string longText = LongText();
    const double longCapture = Capture(program, longText, 1, 1000000);
    Report("Capture of a 1 MB text of 78-character lines", longCapture, 0, "1 s");
    const double shortCapture = Capture(program, "short", 2, 5);
    Report("Short capture after it", shortCapture, 0, "1 s");

    const double loaded = StartUp(program, full, kFullList);
    const double load = loaded - empty;
    std::printf("start-up with no data file %.3f s, with %d items %.3f s: loading takes %.3f s\n",
                empty, kFullList, loaded, load);

    // Delete 30,000 lines spread over the list: all selected, then every twelfth left out.
    const HWND history = program.Control(IDC_HISTORY);
    LRESULT ignored = 0;
    qv::e2e::SendBounded(history, LB_SETSEL, TRUE, -1, ignored);
    for (int k = 0; k < kFullList - kDeleted; ++k)
        qv::e2e::SendBounded(history, LB_SETSEL, FALSE, k * 11 + 5, ignored);
    qv::e2e::PumpFor(2500); // past the guard against a double click
    const double deleted = Timed(
        program, [&] { program.Click(IDC_DELETE); },
        [&] { return ItemCount(program) == kFullList - kDeleted; });
    Report("Delete of 30,000 of 32,767 lines, against loading them", deleted, load, "2");
    const double undone = Timed(
        program,
        [&] {
            program.TakeForeground();
            qv::e2e::PressKey('Z', VK_CONTROL);
        },
        [&] { return ItemCount(program) == kFullList; });
    Report("Undo Delete of them, against loading them", undone, load, "2");

    // Search keystrokes over the full list: one that finds nothing (from nothing selected), then
    // one that finds every line, and the same again with every line already selected.
    SearchFor(program, "zz", 0);
    const double none = SearchFor(program, "z", 0);
    const double every = SearchFor(program, "i", kFullList);
    Report("Search keystroke finding every line, against finding none", every, none, "2");
    const double again = SearchFor(program, "it", kFullList);
    Report("Search keystroke finding every line again, against none", again, none, "-");

    HWND mini = nullptr;
    const double opened = Timed(
        program,
        [&] {
            program.TakeForeground();
            qv::e2e::PressKey('M', VK_CONTROL);
        },
        [&] {
            for (HWND w : qv::e2e::WindowsOf(program.ProcessId()))
                if (qv::e2e::TextOf(w) == "Quorvane Mini-Window")
                    mini = w;
            return mini && IsWindowVisible(mini) &&
                   qv::e2e::ListCount(GetDlgItem(mini, IDC_HISTORY)) == kFullList;
        });
    Report("Mini-Window opened on 32,767 rows, against loading them", opened, load, "1");
    program.Kill();
    return 0;
}
