#include "search/search_terms.h"
#include <algorithm>
#include <cstdio>

namespace qv {

namespace {

constexpr const char kSection[] = "Searching";

std::string TermKey(int k) {
    char key[16];
    std::snprintf(key, sizeof key, "Term%d", k);
    return key;
}

} // namespace

bool SearchTermList::Commit(const std::string& fieldText, const platform::ICodePage& codePage) {
    std::string term = TrimWhiteSpace(fieldText);
    if (term.empty() || Find(term, codePage) != -1)
        return false;
    entries_.push_back(std::move(term));
    return true;
}

int SearchTermList::Find(const std::string& text, const platform::ICodePage& codePage) const {
    for (std::size_t k = 0; k < entries_.size(); ++k)
        if (codePage.EqualIgnoringCase(entries_[k], text))
            return static_cast<int>(k);
    return -1;
}

void SearchTermList::LoadSearchTerms(platform::ISettingsStore& store) {
    for (int k = 0; k < kStoredTerms; ++k) {
        std::string term = store.GetString(kSection, TermKey(k), std::string());
        if (term.empty())
            break;
        entries_.push_back(std::move(term));
    }
}

void SearchTermList::SaveSearchTerms(platform::ISettingsStore& store) const {
    const std::size_t count = entries_.size();
    const std::size_t stored = static_cast<std::size_t>(kStoredTerms);
    const std::size_t first = count > stored ? count - stored : 0;
    for (std::size_t k = 0; first + k < count; ++k)
        store.WriteString(kSection, TermKey(static_cast<int>(k)), entries_[first + k]);
}

void SearchTermList::ClearSearchTerms(platform::ISettingsStore& store) {
    entries_.clear();
    for (int k = 0; k < kStoredTerms; ++k)
        store.DeleteValue(kSection, TermKey(k));
}

} // namespace qv
