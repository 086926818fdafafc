#include "history/width_index.h"
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <set>
#include <vector>

namespace qv {
namespace {

std::vector<std::unique_ptr<CHistoryEntry>> MakeEntries(const std::vector<int>& widths) {
    std::vector<std::unique_ptr<CHistoryEntry>> entries;
    for (int w : widths) {
        entries.push_back(std::make_unique<CHistoryEntry>());
        entries.back()->width = w;
    }
    return entries;
}

TEST(WidthIndex, EmptyIndexHasMaximumZero) {
    CWidthIndex index;
    EXPECT_EQ(index.Maximum(), 0);
    index.Remove(nullptr);
    CHistoryEntry outside;
    index.Remove(&outside); // not in the index: nothing happens
    EXPECT_EQ(index.Inspect().count, 0u);
}

TEST(WidthIndex, MaximumFollowsRemovalsInAnyOrder) {
    // Every removal order of a small set, covering leaves, inner entries with one or two
    // children and the root, with equal widths among them.
    const std::vector<int> widths = {50, 20, 80, 80, 10, 30, 60, 90, 90, 40};
    std::vector<int> order(widths.size());
    std::mt19937 rng(7);
    for (int round = 0; round < 300; ++round) {
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = int(i);
        std::shuffle(order.begin(), order.end(), rng);
        auto entries = MakeEntries(widths);
        CWidthIndex index;
        for (auto& e : entries)
            index.Insert(e.get(), false);
        std::multiset<int> model(widths.begin(), widths.end());
        for (int i : order) {
            ASSERT_EQ(index.Maximum(), *model.rbegin());
            index.Remove(entries[std::size_t(i)].get());
            model.erase(model.find(widths[std::size_t(i)]));
            const auto walk = index.Inspect();
            ASSERT_TRUE(walk.consistent);
            ASSERT_EQ(walk.count, model.size());
        }
        EXPECT_EQ(index.Maximum(), 0);
    }
}

TEST(WidthIndex, ReinsertedEntryWithStaleLinksIsClean) {
    auto entries = MakeEntries({10, 20, 30, 40});
    CWidthIndex index;
    for (auto& e : entries)
        index.Insert(e.get(), false);
    index.Remove(entries[1].get());
    entries[1]->width = 99;
    index.Insert(entries[1].get(), true);
    EXPECT_EQ(index.Maximum(), 99);
    EXPECT_TRUE(index.Inspect().consistent);
    EXPECT_EQ(index.Inspect().count, 4u);
}

TEST(WidthIndex, ClearTouchesNoEntry) {
    auto entries = MakeEntries({5, 6});
    CWidthIndex index;
    for (auto& e : entries)
        index.Insert(e.get(), false);
    index.Clear();
    EXPECT_EQ(index.Maximum(), 0);
    EXPECT_EQ(entries[0]->width, 5);
}

TEST(WidthIndex, StaysShallowForEqualAscendingAndDescendingWidths) {
    const int n = 32767;
    const int bound = int(4 * std::log2(double(n)));
    for (int shape = 0; shape < 3; ++shape) {
        std::vector<int> widths(n);
        for (int i = 0; i < n; ++i)
            widths[std::size_t(i)] = shape == 0 ? 100 : shape == 1 ? i : n - i;
        auto entries = MakeEntries(widths);
        CWidthIndex index;
        for (auto& e : entries)
            index.Insert(e.get(), false);
        const auto walk = index.Inspect();
        EXPECT_TRUE(walk.consistent);
        EXPECT_EQ(walk.count, std::size_t(n));
        EXPECT_LE(walk.depth, bound) << "shape " << shape;
        EXPECT_EQ(index.Maximum(), *std::max_element(widths.begin(), widths.end()));
    }
}

} // namespace
} // namespace qv
