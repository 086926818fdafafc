// A search run over a full History list: both matchers, two separations, a pattern that occurs
// in few items, one in many and one in none. The floor is a memchr pass over the same bytes,
// timed next to every run; counters give throughput, the ratio to that floor, and allocations per
// run (a constant, independent of the number of items).
#include "history/plain_text.h"
#include "search/scan_kernels.h"
#include "search/search_pattern.h"
#include "support/allocation_probe.h"
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kItems = 32767;

struct Item {
    std::string listText;
    std::string overflowText;
};

class Random {
  public:
    explicit Random(std::uint32_t seed) : x_(seed) {}
    std::uint32_t Next() {
        x_ = x_ * 1664525u + 1013904223u;
        return x_ >> 8;
    }
    std::size_t Below(std::size_t n) { return Next() % n; }

  private:
    std::uint32_t x_;
};

// Everyday English: the first words are picked most often.
const char* const kWords[] = {
    "the",     "of",      "and",      "to",      "in",       "is",      "that",    "for",
    "it",      "as",      "with",     "was",     "on",       "be",      "at",      "by",
    "this",    "had",     "not",      "are",     "but",      "from",    "or",      "have",
    "an",      "they",    "which",    "one",     "you",      "were",    "her",     "all",
    "she",     "there",   "would",    "their",   "we",       "him",     "been",    "has",
    "when",    "who",     "will",     "more",    "no",       "if",      "out",     "so",
    "said",    "what",    "up",       "its",     "about",    "into",    "than",    "them",
    "can",     "only",    "other",    "new",     "some",     "could",   "time",    "these",
    "two",     "may",     "then",     "do",      "first",    "any",     "my",      "now",
    "such",    "like",    "our",      "over",    "man",      "me",      "even",    "made",
    "after",   "also",    "did",      "many",    "before",   "must",    "through", "back",
    "years",   "where",   "much",     "your",    "way",      "well",    "down",    "should",
    "because", "each",    "just",     "those",   "people",   "how",     "too",     "little",
    "state",   "good",    "very",     "make",    "world",    "still",   "own",     "see",
    "men",     "work",    "long",     "get",     "here",     "between", "both",    "life",
    "being",   "under",   "never",    "day",     "same",     "another", "know",    "while",
    "last",    "might",   "us",       "great",   "old",      "year",    "off",     "come",
    "since",   "against", "go",       "came",    "right",    "used",    "take",    "three",
    "report",  "meeting", "address",  "invoice", "password", "project", "server",  "folder",
    "message", "number",  "customer", "order",   "delivery", "release", "version", "document",
};
constexpr std::size_t kWordCount = sizeof kWords / sizeof kWords[0];

const char kRare[] = "zephyrine";
const char kOften[] = "clipboard history";
// Two patterns that occur nowhere: one of common letters, and one that begins with the most
// common English word, so that every "the" of the text is a start the typo matcher must try.
const char kNever[] = "senator";
const char kNeverThe[] = "thermostat";

// Sentences of words with capitals, punctuation and line breaks, about n characters.
std::string Prose(std::size_t n, Random& rng) {
    std::string text;
    text.reserve(n + 16);
    bool sentenceStart = true;
    std::size_t column = 0;
    while (text.size() < n) {
        const double u = double(rng.Below(1 << 16)) / double(1 << 16);
        std::string word = kWords[std::size_t(double(kWordCount) * u * u)];
        if (sentenceStart)
            word[0] = char(word[0] - 'a' + 'A');
        text += word;
        column += word.size();
        sentenceStart = rng.Below(12) == 0;
        if (sentenceStart)
            text += '.';
        if (column > 72) {
            text += "\r\n";
            column = 0;
        } else {
            text += ' ';
            ++column;
        }
    }
    return text;
}

// 5% of the items hold 20 KB and so have overflow text; the others 256 to 1,791 bytes.
const std::vector<Item>& Items() {
    static const std::vector<Item> items = [] {
        Random rng(12345);
        std::vector<Item> out;
        out.reserve(kItems);
        for (int k = 0; k < kItems; ++k) {
            const std::size_t size = k % 20 == 7 ? 20 * 1024 : 256 + rng.Below(1536);
            std::string plain = Prose(size, rng);
            if (rng.Below(500) == 0)
                plain.insert(rng.Below(plain.size()), std::string(" ") + kRare + " ");
            if (rng.Below(2) == 0)
                plain.insert(rng.Below(plain.size()), std::string(" ") + kOften + " ");
            qv::SplitText split = qv::SplitPlainText(plain);
            out.push_back({std::move(split.listText), std::move(split.overflowText)});
        }
        return out;
    }();
    return items;
}

double TotalBytes() {
    double bytes = 0;
    for (const Item& item : Items())
        bytes += double(item.listText.size() + item.overflowText.size());
    return bytes;
}

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// The floor: one memchr for a byte that never occurs over each piece of each item.
std::size_t MemchrPass() {
    std::size_t hits = 0;
    for (const Item& item : Items()) {
        hits += std::memchr(item.listText.data(), 1, item.listText.size()) != nullptr;
        hits += std::memchr(item.overflowText.data(), 1, item.overflowText.size()) != nullptr;
    }
    return hits;
}

// One search run as the main window makes it: one pattern and matcher, every item tested.
int SearchRun(const char* pattern, bool allowTypos, int separation) {
    qv::SearchPattern search(pattern, allowTypos, separation);
    int found = 0;
    for (const Item& item : Items())
        found += qv::ItemMatches(search, item.listText, item.overflowText);
    return found;
}

void BM_Search(benchmark::State& state, const char* pattern, bool allowTypos, int separation) {
    const double bytes = TotalBytes();
    double searchSeconds = 0;
    double floorSeconds = 0;
    // Each run is compared with the floor pass just before it; the median of those ratios is
    // what other load on a shared machine disturbs least.
    std::vector<double> ratios;
    long allocations = 0;
    int found = 0;
    for (auto _ : state) {
        const Clock::time_point t0 = Clock::now();
        benchmark::DoNotOptimize(MemchrPass());
        const Clock::time_point t1 = Clock::now();
        const long before = qv::test::AllocationCount();
        found = SearchRun(pattern, allowTypos, separation);
        const long after = qv::test::AllocationCount();
        const Clock::time_point t2 = Clock::now();
        benchmark::DoNotOptimize(found);
        floorSeconds += Seconds(t0, t1);
        searchSeconds += Seconds(t1, t2);
        ratios.push_back(Seconds(t1, t2) / Seconds(t0, t1));
        allocations = after - before;
        state.SetIterationTime(Seconds(t1, t2));
    }
    const double runs = double(state.iterations());
    state.counters["MB_per_s"] = bytes * runs / searchSeconds / 1e6;
    state.counters["memchr_MB_per_s"] = bytes * runs / floorSeconds / 1e6;
    std::sort(ratios.begin(), ratios.end());
    state.counters["x_memchr"] = ratios.empty() ? 0 : ratios[ratios.size() / 2];
    state.counters["target_x"] = allowTypos ? 4 : 1.5;
    state.counters["allocs_per_run"] = double(allocations);
    state.counters["found"] = found;
    state.counters["items"] = kItems;
    // The block-scan kernel this processor gets (the figures differ between them).
    state.SetLabel(qv::match::ChosenScanKernel().name);
}

void Register() {
    struct Pattern {
        const char* label;
        const char* text;
    };
    const Pattern patterns[] = {
        {"rare", kRare}, {"often", kOften}, {"never", kNever}, {"never_the", kNeverThe}};
    for (const Pattern& p : patterns) {
        benchmark::RegisterBenchmark((std::string("exact/") + p.label).c_str(), BM_Search, p.text,
                                     false, 2)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->MinTime(1.0);
        for (int separation : {2, 9})
            benchmark::RegisterBenchmark(
                (std::string("typo/sep") + std::to_string(separation) + "/" + p.label).c_str(),
                BM_Search, p.text, true, separation)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->MinTime(1.0);
    }
}

const int kRegistered = (Register(), 0);

} // namespace
