// Start-position filters for the typo matcher. Every step of an alignment other than a
// substitution rests on a text character equal to a pattern character, a substitution is
// followed by an exact step, and these equalities t[s + a] = p[b] rise in both a and b from step
// to step. A match from s therefore needs a chain of them among the pairs that the first steps
// can produce; e(a, b) below stands for one such equality.
#pragma once
#include "search/text_scan.h"

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
#endif

  private:
    template <class Eq> auto Condition(const Eq& e) const {
        if constexpr (N == 4)
            return detail::PairCondition(e, lowSeparation_);
        else
            return detail::TripleCondition(e);
    }

    unsigned char bytes_[N] = {};
    bool lowSeparation_;
};

// Two equalities in a row; valid for every separation.
using TypoPairFilter = TypoChainFilter<4>;
// Three equalities in a row; only for a separation of 2 or more.
using TypoTripleFilter = TypoChainFilter<5>;

} // namespace qv::match
