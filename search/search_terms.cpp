#include "search/search_terms.h"
#include "settings/settings_names.h"
#include "text/white_space.h"
#include <algorithm>

namespace qv {

namespace {} // namespace

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
        std::string term = store.GetString(kSectionSearching, SearchTermKey(k), std::string());
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
        store.WriteString(kSectionSearching, SearchTermKey(static_cast<int>(k)),
                          entries_[first + k]);
}

void SearchTermList::ClearSearchTerms(platform::ISettingsStore& store) {
    entries_.clear();
    for (int k = 0; k < kStoredTerms; ++k)
        store.DeleteValue(kSectionSearching, SearchTermKey(k));
}

} // namespace qv
