// Delete, Undo Delete and Change List on a full History list must stay linear: removing 30,000
// selected lines of 32,767 may cost at most 1.5x per line what removing 3,000 costs, because the
// removals run as one bulk removal whose width refresh happens once.
#include "headless_platform.h"
#include "history/data_file_writer.h"
#include "mainwindow/main_dialog.h"
#include "resource.h"
#include "resources/resource_tables.h"
#include "settings/settings_names.h"
#include "support/program_platform.h"
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kFullList = 32767;

// The main window opened on a data file whose Main List has lines of varied widths (full unless
// told otherwise).
struct FullWindow {
    qv::test::ProgramPlatform platform;
    std::unique_ptr<qv::CMainDialog> dialog;
    std::unique_ptr<qv::platform::headless::HeadlessDialog> window;

    explicit FullWindow(int lines = kFullList) {
        platform.settings.SetRoot(qv::kSettingsCompany, "Quorvane");
        platform.settings.WriteInt(qv::kSectionMisc, qv::kKeyUseLimit, 0);
        platform.settings.WriteInt(qv::kSectionSaving, qv::kKeyChangeLimit, 1 << 30);
        std::string bytes;
        qv::CDataFileWriter writer(bytes, platform.codePage);
        writer.BeginList();
        for (int i = 0; i < lines; ++i)
            writer.AddEntry("", "line " + std::to_string(i) + std::string(std::size_t(i % 97), 'w'),
                            "");
        writer.EndList();
        writer.BeginList();
        writer.EndList();
        platform.files.CreateFolder("C:\\Data");
        platform.files.WriteFile("C:\\Data\\Quorvane.dat", bytes);
        dialog = std::make_unique<qv::CMainDialog>(platform, "C:\\Data\\");
        window = platform.OpenDialog(qv::ProgramDialog(IDD_MAIN), *dialog);
        platform.clock.seconds += 3; // past the guard against a double click
    }
    ~FullWindow() { platform.CloseDialog(std::move(window)); }
    // Selects count lines spread over the list.
    void SelectSpread(int count) {
        auto& list = window->List(IDC_HISTORY);
        list.SetSel(-1, false);
        const int total = list.GetCount();
        for (int k = 0; k < count; ++k)
            list.SetSel(int(static_cast<long long>(k) * total / count), true);
    }
    double Seconds(void (*action)(FullWindow&)) {
        const auto start = Clock::now();
        action(*this);
        return std::chrono::duration<double>(Clock::now() - start).count();
    }
};

void PressDelete(FullWindow& w) {
    w.platform.clock.seconds += 3;
    w.window->Click(IDC_DELETE);
}
void PressUndo(FullWindow& w) {
    w.window->ChooseMenuEntry(IDM_UNDO_DELETE);
}
void PressChangeList(FullWindow& w) {
    w.window->Click(IDC_CHANGE_LIST);
}

void BM_DeleteAndUndoScaling(benchmark::State& state) {
    FullWindow w;
    double del3k = 0, del30k = 0, undo3k = 0, undo30k = 0;
    for (auto _ : state) {
        w.SelectSpread(3000);
        del3k += w.Seconds(PressDelete) / 3000;
        undo3k += w.Seconds(PressUndo) / 3000;
        w.SelectSpread(30000);
        del30k += w.Seconds(PressDelete) / 30000;
        undo30k += w.Seconds(PressUndo) / 30000;
    }
    const double n = double(state.iterations());
    state.counters["delete_us_per_line_3k"] = del3k / n * 1e6;
    state.counters["delete_us_per_line_30k"] = del30k / n * 1e6;
    state.counters["delete_ratio"] = del30k / del3k; // target: at most 1.5
    state.counters["undo_ratio"] = undo30k / undo3k; // target: at most 1.5
}
BENCHMARK(BM_DeleteAndUndoScaling)->Unit(benchmark::kMillisecond)->Iterations(3);

// Both ways, per line: a full list against a list of 3,000 lines.
double ChangeListPerLine(FullWindow& w, int lines) {
    w.SelectSpread(0);
    return (w.Seconds(PressChangeList) + w.Seconds(PressChangeList)) / (2.0 * lines);
}

void BM_ChangeListScaling(benchmark::State& state) {
    FullWindow small(3000), full;
    // The fastest run of each: a busy machine only ever adds time.
    double smallCost = 1e9, fullCost = 1e9;
    for (auto _ : state) {
        smallCost = std::min(smallCost, ChangeListPerLine(small, 3000));
        fullCost = std::min(fullCost, ChangeListPerLine(full, kFullList));
    }
    state.counters["us_per_line_3k"] = smallCost * 1e6;
    state.counters["us_per_line_32k"] = fullCost * 1e6;
    state.counters["ratio"] = fullCost / smallCost; // target: at most 1.5
}
BENCHMARK(BM_ChangeListScaling)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
