// The width index must scale: an insertion or removal at 32,767 lines may cost at most 4x what it
// costs at 1,000. Capture must be linear: per byte, a 4 MB capture may cost at most 1.5x a 64 KB
// one.
#include "clipboard/clipboard_capture.h"
#include "headless_platform.h"
#include "history/width_index.h"
#include "lists/data_file_store.h"
#include "mainwindow/incremental_search.h"
#include "resource.h"
#include "support/program_platform.h"
#include "support/text_fixtures.h"
#include "window/navigation.h"
#include "window/status_texts.h"
#include "window/user_messages.h"
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <random>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

enum Shape { kEqual, kAscending, kRandom };

// Nanoseconds per index operation for filling n entries and removing them from the top.
double IndexCostPerOperation(int n, Shape shape, std::mt19937& rng) {
    std::vector<std::unique_ptr<qv::CHistoryEntry>> entries(static_cast<std::size_t>(n));
    std::uniform_int_distribution<int> width(6, 32767);
    for (int i = 0; i < n; ++i) {
        entries[std::size_t(i)] = std::make_unique<qv::CHistoryEntry>();
        entries[std::size_t(i)]->width = shape == kEqual       ? 300
                                         : shape == kAscending ? i
                                                               : width(rng);
    }
    qv::CWidthIndex index;
    const auto start = Clock::now();
    for (auto& e : entries)
        index.Insert(e.get(), false);
    int widest = 0;
    for (auto& e : entries) {
        index.Remove(e.get());
        widest += index.Maximum(); // removing the widest line walks to the new maximum
    }
    benchmark::DoNotOptimize(widest);
    const auto ns = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    return ns / (3.0 * n);
}

void BM_WidthIndexScaling(benchmark::State& state) {
    const Shape shape = static_cast<Shape>(state.range(0));
    std::mt19937 rng(42);
    double small = 0, large = 0;
    for (auto _ : state) {
        for (int rep = 0; rep < 33; ++rep)
            small += IndexCostPerOperation(1000, shape, rng);
        large += IndexCostPerOperation(32767, shape, rng);
    }
    small /= 33.0 * double(state.iterations());
    large /= double(state.iterations());
    state.counters["ns_per_op_1k"] = small;
    state.counters["ns_per_op_32k"] = large;
    state.counters["ratio"] = large / small; // target: at most 4
}
BENCHMARK(BM_WidthIndexScaling)
    ->Arg(kEqual)
    ->Arg(kAscending)
    ->Arg(kRandom)
    ->ArgNames({"shape"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The main window's controls with the parts that take a capture, on the headless platform.
struct NoEvents : qv::platform::IDialogEvents {
    bool OnInitDialog(qv::platform::IDialogWindow&) override { return true; }
    void OnCommand(int, int) override {}
    void OnClose() override {}
    void OnDestroy() override {}
};

struct CaptureRig {
    qv::test::ProgramPlatform platform;
    NoEvents events;
    std::unique_ptr<qv::platform::headless::HeadlessDialog> window =
        platform.OpenDialog(qv::ProgramDialog(IDD_MAIN), events);
    qv::CSettings settings;
    qv::ProgramTexts texts = qv::ProgramTexts::Load(platform.strings);
    qv::CUserMessages messages{*window, platform.strings, texts};
    qv::CStatusTexts status{*window, platform.strings, settings.numbers};
    qv::CNavigation navigation{*window, platform.strings, status};
    qv::CHistoryLists lists{window->ListBox(IDC_HISTORY), settings};
    qv::CDataFileStore store{platform.files, platform.clock, platform.codePage,       lists,
                             navigation,     messages,       "C:\\Data\\Quorvane.dat"};
    // Captures count as changes only: the window's other parts do not follow in this rig.
    struct CountOnly : qv::IListsChanged {
        explicit CountOnly(qv::CDataFileStore& s) : store(s) {}
        void ListsChanged(qv::ListChange) override { store.CountChange(); }
        qv::CDataFileStore& store;
    } changes{store};
    qv::CWindowContext context{platform,   *window, settings, lists,    search,
                               navigation, status,  store,    messages, changes};
    qv::CIncrementalSearch search{context};
    qv::CClipboardWatcher watcher{platform.clipboard};
    qv::CClipboardCapture capture{context, watcher};
    CaptureRig() { settings.changeLimit = 1 << 30; } // no data file writes in the loop
};

double CaptureCostPerByte(CaptureRig& rig, const std::string& text, int reps) {
    qv::platform::headless::HeadlessRichEdit pane(rig.platform.clipboard);
    pane.SetText(text);
    const auto start = Clock::now();
    for (int i = 0; i < reps; ++i)
        rig.capture.AddItem(pane);
    const auto ns = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    return ns / (double(reps) * double(text.size()));
}

void BM_CaptureLinearity(benchmark::State& state) {
    CaptureRig w;
    const std::string small = qv::test::MakeText(64 * 1024);
    const std::string large = qv::test::MakeText(4 * 1024 * 1024);
    double smallCost = 0, largeCost = 0;
    for (auto _ : state) {
        smallCost += CaptureCostPerByte(w, small, 64);
        largeCost += CaptureCostPerByte(w, large, 1);
    }
    state.counters["ns_per_byte_64k"] = smallCost / double(state.iterations());
    state.counters["ns_per_byte_4m"] = largeCost / double(state.iterations());
    state.counters["ratio"] = largeCost / smallCost; // target: at most 1.5
}
BENCHMARK(BM_CaptureLinearity)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
