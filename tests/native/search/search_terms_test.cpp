#include "headless/headless_services.h"
#include "search/search_terms.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qv {
namespace {

using Terms = std::vector<std::string>;

class SearchTermsTest : public ::testing::Test {
  protected:
    SearchTermsTest() { store.SetRoot("Harrowmere Software", "Quorvane"); }

    // The stored "Term%d" values of section "Searching", by name.
    std::map<std::string, platform::headless::SettingValue>& Stored() {
        return store.keys["Software\\Harrowmere Software\\Quorvane\\Searching"];
    }
    std::string StoredTerm(int k) {
        return store.GetString("Searching", "Term" + std::to_string(k), "<missing>");
    }

    platform::headless::HeadlessSettings store;
    platform::headless::HeadlessCodePage codePage;
    SearchTermList list;
};

TEST_F(SearchTermsTest, CommitTrimsAndKeepsOneEntryPerTermIgnoringCase) {
    EXPECT_TRUE(list.Commit("  hello world \t\r\n", codePage));
    EXPECT_FALSE(list.Commit("HELLO World", codePage));
    EXPECT_FALSE(list.Commit(" hello world", codePage));
    EXPECT_FALSE(list.Commit("", codePage));
    EXPECT_FALSE(list.Commit(" \t\v\f\r\n ", codePage));
    EXPECT_TRUE(list.Commit("caf\xE9", codePage));
    EXPECT_FALSE(list.Commit("CAF\xC9", codePage)); // as the drop-down compares: one term
    EXPECT_TRUE(list.Commit("a", codePage));
    EXPECT_EQ(list.Entries(), (Terms{"hello world", "caf\xE9", "a"}));
    EXPECT_EQ(list.Find("Hello WORLD", codePage), 0);
    EXPECT_EQ(list.Find("hello", codePage), -1);
}

TEST_F(SearchTermsTest, UnicodeTermsAreOneTermIgnoringCase) {
    codePage.program = platform::headless::HeadlessCodePage::Program::Utf8;
    EXPECT_TRUE(list.Commit("caf\xC3\xA9 \xE6\x97\xA5", codePage));
    EXPECT_FALSE(list.Commit("CAF\xC3\x89 \xE6\x97\xA5", codePage));
    EXPECT_TRUE(list.Commit("caf\xC3\xA8", codePage)); // another letter
    EXPECT_EQ(list.Entries().size(), 2u);
}

TEST_F(SearchTermsTest, SaveWritesTheLatestTenOldestFirst) {
    for (int k = 1; k <= 12; ++k)
        ASSERT_TRUE(list.Commit("term " + std::to_string(k), codePage));
    list.SaveSearchTerms(store);
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(StoredTerm(k), "term " + std::to_string(k + 3));
    EXPECT_EQ(Stored().size(), 10u);
    EXPECT_EQ(list.Entries().size(), 12u); // the running list has no bound
}

TEST_F(SearchTermsTest, SaveLeavesLaterValuesAsTheyAre) {
    for (int k = 0; k < 10; ++k)
        store.WriteString("Searching", "Term" + std::to_string(k), "old " + std::to_string(k));
    list.Commit("new", codePage);
    list.SaveSearchTerms(store);
    EXPECT_EQ(StoredTerm(0), "new");
    EXPECT_EQ(StoredTerm(1), "old 1");
    EXPECT_EQ(StoredTerm(9), "old 9");
}

TEST_F(SearchTermsTest, LoadStopsAtTheFirstEmptyOrUnreadableValue) {
    store.WriteString("Searching", "Term0", "alpha");
    store.WriteString("Searching", "Term1", "ALPHA");
    store.WriteString("Searching", "Term2", "");
    store.WriteString("Searching", "Term3", "beyond the gap");
    list.LoadSearchTerms(store);
    EXPECT_EQ(list.Entries(), (Terms{"alpha", "ALPHA"})); // no duplicate check on loading

    SearchTermList wrongType;
    store.WriteString("Searching", "Term2", "gamma");
    store.WriteInt("Searching", "Term1", 5);
    wrongType.LoadSearchTerms(store);
    EXPECT_EQ(wrongType.Entries(), (Terms{"alpha"}));
}

TEST_F(SearchTermsTest, LoadReadsAtMostTen) {
    for (int k = 0; k < 11; ++k)
        store.WriteString("Searching", "Term" + std::to_string(k), "t" + std::to_string(k));
    list.LoadSearchTerms(store);
    ASSERT_EQ(list.Entries().size(), 10u);
    EXPECT_EQ(list.Entries().back(), "t9");
}

TEST_F(SearchTermsTest, SurviveARestart) {
    for (int k = 1; k <= 12; ++k)
        list.Commit("term " + std::to_string(k), codePage);
    list.SaveSearchTerms(store);
    SearchTermList next;
    next.LoadSearchTerms(store);
    EXPECT_EQ(next.Entries(), Terms(list.Entries().begin() + 2, list.Entries().end()));
    EXPECT_FALSE(next.Commit("TERM 12", codePage));
}

TEST_F(SearchTermsTest, ClearEmptiesTheListAndTheStore) {
    for (int k = 1; k <= 4; ++k)
        list.Commit("term " + std::to_string(k), codePage);
    list.SaveSearchTerms(store);
    list.ClearSearchTerms(store);
    EXPECT_TRUE(list.Entries().empty());
    for (int k = 0; k < SearchTermList::kStoredTerms; ++k) // deleted, not emptied
        EXPECT_EQ(store.GetString("Searching", "Term" + std::to_string(k), "none"), "none");
    SearchTermList next;
    next.LoadSearchTerms(store);
    EXPECT_TRUE(next.Entries().empty());

    // A later save of fewer terms does not bring cleared ones back.
    list.Commit("fresh", codePage);
    list.SaveSearchTerms(store);
    SearchTermList after;
    after.LoadSearchTerms(store);
    EXPECT_EQ(after.Entries(), (Terms{"fresh"}));
}

} // namespace
} // namespace qv
