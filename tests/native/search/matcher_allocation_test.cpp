#include "support/allocation_probe.h"
#include "history/plain_text.h"
#include "search/exact_matcher.h"
#include "search/search_pattern.h"
#include "search/typo_matcher.h"
#include "support/text_fixtures.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qv {
namespace {

TEST(MatcherAllocation, MatchingAllocatesNothing) {
    const std::string text = test::MakeText(3000, 7) + " needle";
    const SplitText split = SplitPlainText(text);
    const std::vector<std::string> patterns = {"needle", "neeldE", "absent pattern", " ", "",
                                               "x  y",   "q"};
    CExactMatcher exact;
    CTypoMatcher typo(2);
    SearchPattern exactSearch("needle", false, 2);
    SearchPattern typoSearch("neeldE", true, 2);

    const long before = test::AllocationCount();
    int found = 0;
    for (const std::string& p : patterns) {
        found += exact.Match(text.c_str(), p.c_str());
        found += typo.Match(text.c_str(), p.c_str());
        found += typo.GetTypoCount() >= 0;
    }
    found += ItemMatches(exactSearch, split.listText, split.overflowText);
    found += ItemMatches(typoSearch, split.listText, split.overflowText);
    const long during = test::AllocationCount() - before;

    EXPECT_EQ(during, 0);
    EXPECT_GT(found, 0);
    // The counter itself works: building a pattern allocates.
    const long beforeBuild = test::AllocationCount();
    SearchPattern another(std::string(100, 'x'), true, 3);
    EXPECT_GT(test::AllocationCount(), beforeBuild);
}

} // namespace
} // namespace qv
