// The index is a treap: ordered by (width, address) so that equal widths have a strict order, and
// heap-ordered by a hash of the entry's address, which keeps its depth logarithmic whatever order
// the widths arrive in (equal and ascending widths are the common case for a list of lines).
#include "history/width_index.h"
#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

namespace qv {

namespace {

std::uint64_t Priority(const CHistoryEntry* entry) {
    std::uint64_t x = reinterpret_cast<std::uintptr_t>(entry);
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

bool Before(const CHistoryEntry* a, const CHistoryEntry* b) {
    if (a->width != b->width)
        return a->width < b->width;
    return std::less<const CHistoryEntry*>()(a, b);
}

} // namespace

void CWidthIndex::Insert(CHistoryEntry* entry, bool /*reset*/) {
    if (!entry)
        return;
    entry->wider_ = nullptr;
    entry->narrower_ = nullptr;
    CHistoryEntry* parent = &sentinel_;
    CHistoryEntry** link = &sentinel_.wider_;
    while (*link) {
        parent = *link;
        link = Before(entry, parent) ? &parent->narrower_ : &parent->wider_;
    }
    *link = entry;
    entry->parent_ = parent;
    while (entry->parent_ != &sentinel_ && Priority(entry) > Priority(entry->parent_))
        RotateUp(entry);
}

void CWidthIndex::RotateUp(CHistoryEntry* x) {
    CHistoryEntry* p = x->parent_;
    CHistoryEntry* g = p->parent_;
    if (p->narrower_ == x) {
        p->narrower_ = x->wider_;
        if (x->wider_)
            x->wider_->parent_ = p;
        x->wider_ = p;
    } else {
        p->wider_ = x->narrower_;
        if (x->narrower_)
            x->narrower_->parent_ = p;
        x->narrower_ = p;
    }
    p->parent_ = x;
    x->parent_ = g;
    if (g->narrower_ == p)
        g->narrower_ = x;
    else
        g->wider_ = x;
}

void CWidthIndex::Remove(CHistoryEntry* entry) {
    if (!entry || !entry->parent_)
        return;
    // Rotate the entry down until it has at most one child, then splice it out.
    while (entry->wider_ && entry->narrower_) {
        CHistoryEntry* child =
            Priority(entry->wider_) > Priority(entry->narrower_) ? entry->wider_ : entry->narrower_;
        RotateUp(child);
    }
    CHistoryEntry* child = entry->wider_ ? entry->wider_ : entry->narrower_;
    CHistoryEntry* parent = entry->parent_;
    if (parent->narrower_ == entry)
        parent->narrower_ = child;
    else
        parent->wider_ = child;
    if (child)
        child->parent_ = parent;
    entry->parent_ = nullptr;
    entry->wider_ = nullptr;
    entry->narrower_ = nullptr;
}

int CWidthIndex::Maximum() const {
    const CHistoryEntry* e = Root();
    if (!e)
        return sentinel_.width;
    while (e->wider_)
        e = e->wider_;
    return e->width;
}

CWidthIndex::Walk CWidthIndex::Inspect() const {
    // Iterative, so that checking even a degenerate tree cannot overflow the stack.
    struct Frame {
        const CHistoryEntry* entry;
        int depth;
    };
    Walk walk;
    std::vector<Frame> stack;
    if (Root()) {
        walk.consistent = Root()->parent_ == &sentinel_;
        stack.push_back(Frame{Root(), 1});
    }
    while (!stack.empty()) {
        const Frame f = stack.back();
        stack.pop_back();
        ++walk.count;
        walk.depth = std::max(walk.depth, f.depth);
        for (const CHistoryEntry* c : {f.entry->narrower_, f.entry->wider_}) {
            if (!c)
                continue;
            const bool ordered = c == f.entry->narrower_ ? Before(c, f.entry) : !Before(c, f.entry);
            walk.consistent = walk.consistent && ordered && c->parent_ == f.entry &&
                              Priority(c) <= Priority(f.entry);
            stack.push_back(Frame{c, f.depth + 1});
        }
    }
    return walk;
}

} // namespace qv
