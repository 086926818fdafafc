// Necessary conditions on the first characters at a start position of the typo matcher. Every
// step of an alignment other than a substitution rests on a text character equal to a pattern
// character, a substitution is followed by an exact step, and these equalities t[s + a] = p[b]
// rise in both a and b from step to step. A match from s therefore needs a chain of them among
// the pairs that the first steps can produce; e(a, b) below stands for one such equality.
//
// The conditions are evaluated on bit masks of many positions at once, with the scan kernels' own
// Ops (And, Or) and equalities; they are templates only, so that nothing here is an ordinary
// inline function that a translation unit built for another processor could emit.
#pragma once

namespace qv::match {

template <class Ops, class V> V Any4(const V& a, const V& b, const V& c, const V& d) {
    return Ops::Or(Ops::Or(a, b), Ops::Or(c, d));
}

// Two equalities in a row from the pattern's first four characters.
template <class Ops, class Eq> auto PairCondition(const Eq& e, bool lowSeparation) {
    // First step exact, then any second step; or a transposition, a missing or an extra
    // character first; or a substitution, then an exact step.
    auto hit = Ops::And(e(0, 0), Any4<Ops>(e(1, 1), e(1, 2), e(2, 1), e(2, 2)));
    hit = Ops::Or(hit, Ops::And(e(0, 1), Ops::Or(e(1, 2), e(2, 2))));
    hit = Ops::Or(hit, Ops::And(e(1, 0), Ops::Or(e(2, 1), e(2, 2))));
    auto afterSubstitution = e(2, 2);
    // With a separation of 1 the step after that exact one may be a correction again.
    if (lowSeparation)
        afterSubstitution = Ops::Or(afterSubstitution, Ops::Or(e(2, 3), Ops::Or(e(3, 2), e(3, 3))));
    return Ops::Or(hit, Ops::And(e(1, 1), afterSubstitution));
}

// Three equalities in a row from the pattern's first five characters, for a separation of 2 or
// more (a transposition or substitution is followed by two exact steps, an extra or missing
// character by one).
template <class Ops, class Eq> auto TripleCondition(const Eq& e) {
    // First step exact, then an exact second step and any third; or a transposition, extra or
    // missing character, or substitution second, each with the equality that follows it.
    auto second = Ops::And(e(1, 1), Any4<Ops>(e(2, 2), e(2, 3), e(3, 2), e(3, 3)));
    second = Ops::Or(second, Ops::And(e(2, 1), Ops::Or(e(3, 2), e(3, 3))));
    second = Ops::Or(second, Ops::Or(Ops::And(e(1, 2), e(2, 3)), Ops::And(e(2, 2), e(3, 3))));
    auto hit = Ops::And(e(0, 0), second);
    // A transposition first: two exact steps follow.
    hit = Ops::Or(hit, Ops::And(Ops::And(e(0, 1), e(1, 0)), Ops::And(e(2, 2), e(3, 3))));
    // An extra character first: one exact step, then any step.
    hit = Ops::Or(
        hit, Ops::And(Ops::And(e(1, 0), e(2, 1)), Any4<Ops>(e(3, 2), e(3, 3), e(4, 2), e(4, 3))));
    // A missing character first: one exact step, then any step.
    hit = Ops::Or(
        hit, Ops::And(Ops::And(e(0, 1), e(1, 2)), Any4<Ops>(e(2, 3), e(2, 4), e(3, 3), e(3, 4))));
    // A substitution first: two exact steps, then any step.
    return Ops::Or(
        hit, Ops::And(Ops::And(e(1, 1), e(2, 2)), Any4<Ops>(e(3, 3), e(3, 4), e(4, 3), e(4, 4))));
}

// Whether some run of steps from the start positions in starts consumes `depth` pattern
// characters, where bit a of eq(b) says that text[a] may equal pattern[b] (eq(b) is all ones from
// depth on, so that whatever consumes depth characters goes on). The steps are the matcher's,
// taken more freely: any step may follow any other that its equalities allow, except that after a
// correction one exact step must come first (the matcher wants the separation's worth, or none at
// a separation of 1 after an extra or missing character). Bit a of a state set is an alignment
// standing at text[a]; free states may take a correction. Positions rise by at most two per
// character, so starts below bit 64 - 2 * levels - 2 never lose a state off the top.
template <bool kLowSeparation, class Mask, class Eq>
__attribute__((always_inline)) inline bool ChainReaches(const Eq& eq, Mask starts, int levels) {
    // Levels b, b + 1 and b + 2 (characters consumed) in registers, rolled along.
    Mask free0 = starts;
    Mask held0 = 0;
    Mask free1 = 0;
    Mask held1 = 0;
    Mask here = eq(0);
    for (int b = 0; b < levels; ++b) {
        const Mask after = eq(b + 1);
        const Mask next = here >> 1; // text[a + 1] equals pattern[b]
        const Mask missing = free0 & after;
        const Mask extra = (free0 & next) << 2;
        Mask free2 = 0;
        Mask held2 = (missing & next) << 2;     // transposition
        free1 |= ((free0 | held0) & here) << 1; // exact step
        held1 |= free0 << 1;                    // substitution
        // An extra or missing character leaves the run free only at a separation of 1.
        if (kLowSeparation) {
            free1 |= extra;
            free2 |= missing << 1;
        } else {
            held1 |= extra;
            held2 |= missing << 1;
        }
        free0 = free1;
        held0 = held1;
        free1 = free2;
        held1 = held2;
        here = after;
        if ((free0 | held0 | free1 | held1) == 0)
            return false; // every alignment has stopped
    }
    return true;
}

} // namespace qv::match
