// The Search field's remembered terms: committed while the program runs, the latest ten kept in
// the settings store between runs.
#pragma once
#include "platform/services.h"
#include <cstddef>
#include <string>
#include <vector>

namespace qv {

class SearchTermList {
  public:
    // How many terms the settings store keeps.
    static constexpr int kStoredTerms = 10;

    // Commits the Search field's text: trimmed of white space at both ends, it is appended unless
    // empty or already listed (letter case ignored as the platform's drop-down ignores it). True
    // when appended. Throws std::bad_alloc when memory runs out.
    bool Commit(const std::string& fieldText, const platform::ICodePage& codePage);

    // Appends the stored terms, oldest first, up to the first missing or empty one. No duplicate
    // check: the store holds what an earlier run saved.
    void LoadSearchTerms(platform::ISettingsStore& store);
    // Writes the latest kStoredTerms entries, the oldest of them as the first value; later values
    // are left as they are.
    void SaveSearchTerms(platform::ISettingsStore& store) const;
    // Empties the list and the stored terms.
    void ClearSearchTerms(platform::ISettingsStore& store);

    // The index of the entry equal to text with letter case ignored, -1 when none.
    int Find(const std::string& text, const platform::ICodePage& codePage) const;
    const std::vector<std::string>& Entries() const { return entries_; }

  private:
    std::vector<std::string> entries_;
};

} // namespace qv
