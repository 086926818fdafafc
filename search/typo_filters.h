// Start-position filters for the typo matcher. Every step of an alignment other than a
// substitution rests on a text character equal to a pattern character, a substitution is
// followed by an exact step, and these equalities t[s + a] = p[b] rise in both a and b from step
// to step. A match from s therefore needs a chain of them among the pairs that the first steps
// can produce; e(a, b) below stands for one such equality.
#pragma once
#include "search/match_chars.h"
#include "search/text_scan.h"
#include <cstdint>

namespace qv::match {

namespace detail {

// The conditions are written once and evaluated on one position (bool) or on sixteen (lanes).
inline bool And(bool a, bool b) {
    return a && b;
}
inline bool Or(bool a, bool b) {
    return a || b;
}
#if defined(__SSE2__)
inline __m128i And(__m128i a, __m128i b) {
    return _mm_and_si128(a, b);
}
inline __m128i Or(__m128i a, __m128i b) {
    return _mm_or_si128(a, b);
}
#endif

template <class V> V Any4(const V& a, const V& b, const V& c, const V& d) {
    return Or(Or(a, b), Or(c, d));
}

// Two equalities in a row from the pattern's first four characters.
template <class Eq> auto PairCondition(const Eq& e, bool lowSeparation) {
    // First step exact, then any second step; or a transposition, a missing or an extra
    // character first; or a substitution, then an exact step.
    auto hit = And(e(0, 0), Any4(e(1, 1), e(1, 2), e(2, 1), e(2, 2)));
    hit = Or(hit, And(e(0, 1), Or(e(1, 2), e(2, 2))));
    hit = Or(hit, And(e(1, 0), Or(e(2, 1), e(2, 2))));
    auto afterSubstitution = e(2, 2);
    // With a separation of 1 the step after that exact one may be a correction again.
    if (lowSeparation)
        afterSubstitution = Or(afterSubstitution, Or(e(2, 3), Or(e(3, 2), e(3, 3))));
    return Or(hit, And(e(1, 1), afterSubstitution));
}

// Three equalities in a row from the pattern's first five characters, for a separation of 2 or
// more (a transposition or substitution is followed by two exact steps, an extra or missing
// character by one).
template <class Eq> auto TripleCondition(const Eq& e) {
    // First step exact, then an exact second step and any third; or a transposition, extra or
    // missing character, or substitution second, each with the equality that follows it.
    auto second = And(e(1, 1), Any4(e(2, 2), e(2, 3), e(3, 2), e(3, 3)));
    second = Or(second, And(e(2, 1), Or(e(3, 2), e(3, 3))));
    second = Or(second, Or(And(e(1, 2), e(2, 3)), And(e(2, 2), e(3, 3))));
    auto hit = And(e(0, 0), second);
    // A transposition first: two exact steps follow.
    hit = Or(hit, And(And(e(0, 1), e(1, 0)), And(e(2, 2), e(3, 3))));
    // An extra character first: one exact step, then any step.
    hit = Or(hit, And(And(e(1, 0), e(2, 1)), Any4(e(3, 2), e(3, 3), e(4, 2), e(4, 3))));
    // A missing character first: one exact step, then any step.
    hit = Or(hit, And(And(e(0, 1), e(1, 2)), Any4(e(2, 3), e(2, 4), e(3, 3), e(3, 4))));
    // A substitution first: two exact steps, then any step.
    return Or(hit, And(And(e(1, 1), e(2, 2)), Any4(e(3, 3), e(3, 4), e(4, 3), e(4, 4))));
}

} // namespace detail

// Applies a condition over the pattern's first N characters (none a blank, the pattern at least
// that long); the condition is PairCondition (N = 4) or TripleCondition (N = 5).
template <int N> class TypoChainFilter {
    static_assert(N == 4 || N == 5, "a pair or a triple of equalities");

  public:
    explicit TypoChainFilter(const unsigned char* pattern, bool lowSeparation = false)
        : lowSeparation_(lowSeparation) {
        for (int k = 0; k < N; ++k)
            bytes_[k] = Loose(pattern[k]);
        // The first depth characters must all be consumed by steps: none a blank, and none the
        // last character, which may go missing instead.
        int length = 0;
        while (length <= kMaxDepth && pattern[length] != 0)
            ++length;
        int depth = 0;
        while (depth < kMaxDepth && depth + 1 < length && !IsBlank(pattern[depth]))
            ++depth;
        if (depth >= kMinDepth) {
            depth_ = depth;
            for (int b = 0; b < depth; ++b)
                chain_[b] = Loose(pattern[b]);
        }
    }
    std::size_t Reach() const { return N - 1; }
    template <class Text> bool Accepts(const Text& text, std::size_t s) const {
        unsigned char t[N];
        for (int a = 0; a < N; ++a)
            t[a] = Loose(text.At(s + static_cast<std::size_t>(a)));
        return Condition([&](int a, int b) { return t[a] == bytes_[b]; });
    }
#if defined(__SSE2__)
    __m128i Lanes(const unsigned char* p) const {
        __m128i v[N];
        __m128i b[N];
        for (int a = 0; a < N; ++a) {
            v[a] = LoadLoose16(p + a);
            b[a] = Splat(bytes_[a]);
        }
        return Condition([&](int x, int y) { return _mm_cmpeq_epi8(v[x], b[y]); });
    }

    // Drops from hits (bit k for position d + k) the positions from which no run of steps
    // consumes the pattern's first depth characters; needs 32 readable bytes from d.
    unsigned Refine(const unsigned char* d, unsigned hits, std::size_t available) const {
        if (depth_ == 0 || available < 32)
            return hits;
        const __m128i low = LoadLoose16(d);
        const __m128i high = LoadLoose16(d + 16);
        const auto eq = [&](int b) {
            if (b >= depth_ || b >= kMaxDepth) // depth_ never exceeds kMaxDepth
                return ~std::uint32_t{0};
            const __m128i c = Splat(chain_[b]);
            return Bits(_mm_cmpeq_epi8(low, c)) | Bits(_mm_cmpeq_epi8(high, c)) << 16;
        };
        for (unsigned rest = hits; rest != 0; rest &= rest - 1) {
            const unsigned bit = rest & (0u - rest);
            if (!ChainReaches(eq, std::uint32_t{bit}))
                hits &= ~bit;
        }
        return hits;
    }

    // Whether none of hits (bit k for d + k, k below 32) can begin a match; reads 48 bytes from
    // d. The state sets of different starts only ever join, so all go through at once.
    bool RejectsWindow(const unsigned char* d, unsigned hits) const {
        if (depth_ == 0)
            return false;
        const __m128i v0 = LoadLoose16(d);
        const __m128i v1 = LoadLoose16(d + 16);
        const __m128i v2 = LoadLoose16(d + 32);
        const auto eq = [&](int b) {
            if (b >= depth_ || b >= kMaxDepth) // depth_ never exceeds kMaxDepth
                return ~std::uint64_t{0};
            const __m128i c = Splat(chain_[b]);
            return static_cast<std::uint64_t>(Bits(_mm_cmpeq_epi8(v0, c))) |
                   static_cast<std::uint64_t>(Bits(_mm_cmpeq_epi8(v1, c))) << 16 |
                   static_cast<std::uint64_t>(Bits(_mm_cmpeq_epi8(v2, c))) << 32;
        };
        return !ChainReaches(eq, std::uint64_t{hits});
    }
#endif

  private:
    // Chains longer than the fixed condition's are followed step by step, at most this deep (the
    // sixteen starts of a block and kMaxDepth + 1 levels of two text places each fit 32 bits).
    static constexpr int kMaxDepth = 7;
    static constexpr int kMinDepth = 6;

    // Whether some run of steps from the window positions in starts consumes kMaxDepth characters,
    // where bit a of eq(b) says that text[a] may equal pattern[b]; eq(b) is all ones from depth
    // on, so that whatever consumes depth characters goes on to the end. The steps are the
    // matcher's, taken more freely: any step may follow any other that its equalities allow, except
    // that after a correction one exact step must come first (the matcher wants the separation's
    // worth, or none at a separation of 1 after an extra or missing character). Bit a of a state
    // set is an alignment standing at text[a]; free states may take a correction.
    // eq(b) gives the mask for pattern[b], computed only for the levels that are reached.
    template <class Mask, class Eq> bool ChainReaches(const Eq& eq, Mask starts) const {
        // Levels b, b + 1 and b + 2 (characters consumed) in registers, rolled along.
        Mask free0 = starts;
        Mask held0 = 0;
        Mask free1 = 0;
        Mask held1 = 0;
        Mask free2 = 0;
        Mask held2 = 0;
        // Where an extra or missing character leaves the run: free only at a separation of 1.
        const Mask shiftFree = lowSeparation_ ? ~Mask{0} : 0;
        Mask here = eq(0);
        for (int b = 0; b < kMaxDepth; ++b) {
            const Mask after = eq(b + 1);
            const Mask next = here >> 1; // text[a + 1] equals pattern[b]
            const Mask missing = free0 & after;
            const Mask extra = (free0 & next) << 2;
            free1 |= ((free0 | held0) & here) << 1; // exact step
            free1 |= extra & shiftFree;
            held1 |= (extra & ~shiftFree) | free0 << 1; // extra character; substitution
            free2 = (missing << 1) & shiftFree;
            held2 = ((missing << 1) & ~shiftFree) | (missing & next) << 2; // transposition
            free0 = free1;
            held0 = held1;
            free1 = free2;
            held1 = held2;
            here = after;
            if ((free0 | held0 | free1 | held1) == 0)
                return false; // every alignment has stopped
        }
        return (free0 | held0 | free1 | held1) != 0;
    }

    template <class Eq> auto Condition(const Eq& e) const {
        if constexpr (N == 4)
            return detail::PairCondition(e, lowSeparation_);
        else
            return detail::TripleCondition(e);
    }

    unsigned char bytes_[N] = {};
    bool lowSeparation_;
    int depth_ = 0; // 0: no step-by-step chain
    unsigned char chain_[kMaxDepth] = {};
};

// Two equalities in a row; valid for every separation.
using TypoPairFilter = TypoChainFilter<4>;
// Three equalities in a row; only for a separation of 2 or more.
using TypoTripleFilter = TypoChainFilter<5>;

} // namespace qv::match
