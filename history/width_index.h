// An ordered index of History records by line width, linked through the records' own links, so
// that the widest line is found without measuring every line again. It allocates nothing.
#pragma once
#include "history/history_entry.h"
#include <cstddef>

namespace qv {

class CWidthIndex {
  public:
    CWidthIndex() = default;
    CWidthIndex(const CWidthIndex&) = delete;
    CWidthIndex& operator=(const CWidthIndex&) = delete;

    // Adds the entry. reset tells that the entry may still carry links from an earlier index
    // membership; the entry always goes in as a leaf, so its links are cleared either way.
    void Insert(CHistoryEntry* entry, bool reset);
    // Takes the entry out; nothing happens for a null entry or one that is not in the index.
    void Remove(CHistoryEntry* entry);
    // Width of the widest entry; 0 when the index is empty.
    int Maximum() const;
    // Empties the index without touching any entry.
    void Clear() { sentinel_.wider_ = nullptr; }

    // Checks for tests: entries in the index, depth of the tree, and whether order, parent links
    // and heap priorities all hold.
    struct Walk {
        std::size_t count = 0;
        int depth = 0;
        bool consistent = true;
    };
    Walk Inspect() const;

  private:
    CHistoryEntry* Root() const { return sentinel_.wider_; }
    void RotateUp(CHistoryEntry* entry);

    // The sentinel's wider link is the root; the root's parent is the sentinel.
    CHistoryEntry sentinel_;
};

} // namespace qv
