// Saving and loading a full data file (32,767 items) against floors measured in the same run:
// a save against one buffered write of the same bytes and a flush; a load against reading the
// same file and copying its strings into as many strings. The counters give the ratios.
#include "headless/headless_services.h"
#include "history/data_file_pieces.h"
#include "history/data_file_reader.h"
#include "history/data_file_save.h"
#include "history/data_file_writer.h"
#include "support/text_fixtures.h"
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Entry {
    std::string rtf, listText, overflow;
};

constexpr int kItems = 32767;
const std::string kPath = "C:\\bench\\Quorvane.dat";
const std::string kFloorPath = "C:\\bench\\floor.dat";

// List texts of 100 to 503 characters; one item in ten with a 10 KB overflow text, three in ten
// with a 2 KB RTF text.
struct Data {
    Data() {
        fs.CreateFolder("C:"); // the headless drive may exist already
        if (!fs.CreateFolder("C:\\bench"))
            std::abort();
        std::uint32_t x = 12345;
        auto next = [&x] { return x = x * 1664525u + 1013904223u; };
        const std::string overflowText = qv::test::MakeText(10 * 1024, 2);
        const std::string rtfText = "{\\rtf1 " + qv::test::MakeText(2 * 1024 - 8, 3) + "}";
        entries.reserve(kItems);
        for (int i = 0; i < kItems; ++i) {
            Entry e;
            e.listText = qv::test::MakeText(100 + (next() >> 8) % 404, std::uint32_t(i));
            if ((next() >> 8) % 10 == 0)
                e.overflow = overflowText;
            if ((next() >> 8) % 10 < 3)
                e.rtf = rtfText;
            entries.push_back(std::move(e));
        }
        Encode(file);
        if (!fs.WriteFile(kPath, file))
            std::abort();
        FindStrings();
    }

    // Into one string or into pieces that point into the entries.
    template <class Out> void Encode(Out& out) const {
        const qv::platform::headless::HeadlessCodePage codePage;
        qv::CDataFileWriter writer(out, codePage);
        std::size_t size = 0;
        for (const Entry& e : entries)
            size += qv::CDataFileWriter::EntrySize(e.rtf, e.listText, e.overflow);
        writer.ReserveForEntries(size);
        writer.BeginList();
        for (const Entry& e : entries)
            writer.AddEntry(e.rtf, e.listText, e.overflow);
        writer.EndList();
        writer.BeginList();
        writer.EndList();
    }

    // Where each string's characters lie in the file, for the load floor.
    void FindStrings() {
        const auto byte = [&](std::size_t k) { return std::size_t(std::uint8_t(file[k])); };
        std::size_t pos = 8;
        for (int i = 0; i < kItems * 3; ++i) {
            std::size_t length = byte(pos);
            std::size_t prefix = 1;
            if (length == 0xFF) {
                length = byte(pos + 1) | byte(pos + 2) << 8;
                prefix = 3;
                if (length == 0xFFFF) {
                    length = byte(pos + 3) | byte(pos + 4) << 8 | byte(pos + 5) << 16 |
                             byte(pos + 6) << 24;
                    prefix = 7;
                }
            }
            spans.emplace_back(pos + prefix, length);
            pos += prefix + length;
        }
    }

    qv::platform::headless::HeadlessFileSystem fs;
    std::vector<Entry> entries;
    std::string file;
    std::vector<std::pair<std::size_t, std::size_t>> spans;
};

Data& TheData() {
    static Data data;
    return data;
}

double Seconds(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Collects the times of an operation and of its floor, measured in turns.
struct Timings {
    std::vector<double> op, floor;

    static double Median(std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v.empty() ? 0 : v[v.size() / 2];
    }

    // Runs both once, taking turns at going first so that neither profits from the other's cache
    // state, and returns the operation's time. The first call also runs both once unmeasured, so
    // that kept buffers and the files exist. reset runs untimed before each run.
    double Round(
        const std::function<void()>& runOp, const std::function<void()>& runFloor,
        const std::function<void()>& reset = [] {}) {
        const auto timed = [&](const std::function<void()>& run) {
            reset();
            return Seconds(run);
        };
        if (op.empty()) {
            timed(runOp);
            timed(runFloor);
        }
        if (op.size() % 2 == 0) {
            op.push_back(timed(runOp));
            floor.push_back(timed(runFloor));
        } else {
            floor.push_back(timed(runFloor));
            op.push_back(timed(runOp));
        }
        return op.back();
    }

    // Medians, so that a round disturbed by other work on the machine does not decide the ratio.
    void Report(benchmark::State& state, double target) const {
        state.counters["op_ms"] = 1000 * Median(op);
        state.counters["floor_ms"] = 1000 * Median(floor);
        state.counters["ratio"] = Median(op) / Median(floor);
        state.counters["target"] = target;
        state.counters["MB"] = double(TheData().file.size()) / (1024 * 1024);
    }
};

std::string ReadWhole(const std::string& hostPath) {
    std::FILE* f = std::fopen(hostPath.c_str(), "rb");
    if (!f || std::fseek(f, 0, SEEK_END) != 0)
        std::abort();
    std::string contents(std::size_t(std::ftell(f)), '\0');
    std::rewind(f);
    if (std::fread(&contents[0], 1, contents.size(), f) != contents.size())
        std::abort();
    std::fclose(f);
    return contents;
}

void WriteFloor(const std::string& hostPath, const std::string& bytes) {
    std::FILE* f = std::fopen(hostPath.c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fflush(f) != 0)
        std::abort();
    std::fclose(f);
}

// keepBuffer: the caller keeps the save buffer from one save to the next, as the main window is
// meant to. Otherwise every save starts from a new buffer, whose first touch of each page can cost
// more than the whole write; that variant is shown for comparison only.
void Save(benchmark::State& state, bool keepBuffer, double target) {
    Data& data = TheData();
    const std::string floorHostPath = data.fs.HostPath(kFloorPath);
    qv::CDataFilePieces kept;
    Timings timings;
    for (auto _ : state) {
        const double t = timings.Round(
            [&] {
                qv::CDataFilePieces fresh;
                qv::CDataFilePieces& buffer = keepBuffer ? kept : fresh;
                data.Encode(buffer);
                if (!qv::SaveFileSafely(data.fs, kPath, buffer.Pieces()))
                    std::abort();
            },
            [&] { WriteFloor(floorHostPath, data.file); });
        state.SetIterationTime(t);
    }
    // The floor is only a floor for the same bytes.
    if (ReadWhole(data.fs.HostPath(kPath)) != data.file)
        std::abort();
    timings.Report(state, target);
}

void BM_Save(benchmark::State& state) {
    Save(state, true, 1.2);
}
void BM_SaveIntoNewBuffer(benchmark::State& state) {
    Save(state, false, 1.5);
}

class KeepingSink : public qv::IDataFileSink {
  public:
    explicit KeepingSink(std::vector<Entry>& out) : out_(out) {}
    void BeginList(int) override {}
    bool AddEntry(int, std::string rtf, std::string listText, std::string overflow) override {
        out_.push_back({std::move(rtf), std::move(listText), std::move(overflow)});
        return true;
    }
    void EndList(int) override {}

  private:
    std::vector<Entry>& out_;
};

// Both sides read the file the same way, in one read straight from the host (the headless file
// system reads a character at a time, which would hide the decoding), so that the ratio shows
// what decoding adds.
void BM_Load(benchmark::State& state) {
    Data& data = TheData();
    const std::string hostPath = data.fs.HostPath(kPath);
    qv::platform::headless::HeadlessCodePage codePage;
    Timings timings;
    std::vector<Entry> opOut, floorOut;
    const auto reset = [&] {
        for (auto* out : {&opOut, &floorOut}) {
            out->clear();
            out->reserve(kItems);
        }
    };
    for (auto _ : state) {
        const double t = timings.Round(
            [&] {
                const std::string contents = ReadWhole(hostPath);
                KeepingSink sink(opOut);
                if (qv::ReadDataFile(contents, codePage, sink) != qv::DataFileReadResult::Ok ||
                    opOut.size() != std::size_t(kItems))
                    std::abort();
            },
            [&] {
                const std::string contents = ReadWhole(hostPath);
                const auto& spans = data.spans;
                const auto str = [&](std::size_t k) {
                    return std::string(contents.data() + spans[k].first, spans[k].second);
                };
                for (std::size_t i = 0; i < spans.size(); i += 3)
                    floorOut.push_back({str(i), str(i + 1), str(i + 2)});
            },
            reset);
        state.SetIterationTime(t);
    }
    timings.Report(state, 2.0);
}

BENCHMARK(BM_Save)->Iterations(31)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveIntoNewBuffer)->Iterations(31)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Iterations(31)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
