// Fast skipping over start positions that cannot begin a match. A filter is a necessary
// condition on the bytes at and just after a start position, derived from the pattern's first
// characters; the scanner tests sixteen positions at a time where the processor allows it, and
// only the positions a filter accepts get the matcher's full step-by-step test.
#pragma once
#include "search/text_view.h"
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qv::match {

// Filters only narrow the start positions, so they may accept more than the matcher would: a
// probe compares bytes with bit 0x20 set on both sides, which folds ASCII letter case with one
// operation (and also pairs a few other bytes, such as '@' with '`' or the zero byte with space).
inline unsigned char Loose(unsigned char c) {
    return static_cast<unsigned char>(c | 0x20);
}

#if defined(__SSE2__)
inline __m128i Load16(const unsigned char* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
// Sixteen bytes from p, loosened.
inline __m128i LoadLoose16(const unsigned char* p) {
    return _mm_or_si128(Load16(p), _mm_set1_epi8(0x20));
}
inline __m128i Splat(unsigned char c) {
    return _mm_set1_epi8(static_cast<char>(c));
}
// Bit k set when lane k is all ones.
inline std::uint32_t Bits(__m128i lanes) {
    return static_cast<std::uint32_t>(_mm_movemask_epi8(lanes));
}
#endif

// A filter offers Reach() (how far beyond a position it reads), Accepts(text, s) for a TextView
// or a ContiguousText and, with SSE2, Lanes(p): all ones in the lanes of the sixteen positions
// from p that it accepts, Refine(p, hits, available): hits (bit k for p + k) less positions
// that a costlier test, reading up to available bytes from p, rules out, and
// RejectsWindow(p, hits): true when none of the hits among the 32 positions from p can begin a
// match (reading 48 bytes from p).

// Keeps every hit: for filters that have no costlier test.
struct NoRefinement {
#if defined(__SSE2__)
    unsigned Refine(const unsigned char*, unsigned hits, std::size_t) const {
        return hits;
    }
    bool RejectsWindow(const unsigned char*, unsigned) const {
        return false;
    }
#endif
};

// Accepts every position.
struct AnyStart : NoRefinement {
    std::size_t Reach() const { return 0; }
    template <class Text> bool Accepts(const Text&, std::size_t) const { return true; }
#if defined(__SSE2__)
    __m128i Lanes(const unsigned char*) const {
        return _mm_set1_epi8(-1);
    }
#endif
};

// Positions s with given bytes at given offsets from s (K of them, loosely compared).
template <int K> class OffsetBytesFilter : public NoRefinement {
  public:
    OffsetBytesFilter(const unsigned char (&bytes)[K], const std::size_t (&offsets)[K]) {
        for (int k = 0; k < K; ++k) {
            bytes_[k] = Loose(bytes[k]);
            offsets_[k] = offsets[k];
            reach_ = offsets[k] > reach_ ? offsets[k] : reach_;
        }
    }
    std::size_t Reach() const { return reach_; }
    template <class Text> bool Accepts(const Text& text, std::size_t s) const {
        for (int k = 0; k < K; ++k)
            if (Loose(text.At(s + offsets_[k])) != bytes_[k])
                return false;
        return true;
    }
#if defined(__SSE2__)
    __m128i Lanes(const unsigned char* p) const {
        __m128i hit = _mm_cmpeq_epi8(LoadLoose16(p + offsets_[0]), Splat(bytes_[0]));
        for (int k = 1; k < K; ++k)
            hit =
                _mm_and_si128(hit, _mm_cmpeq_epi8(LoadLoose16(p + offsets_[k]), Splat(bytes_[k])));
        return hit;
    }
#endif

  private:
    unsigned char bytes_[K] = {};
    std::size_t offsets_[K] = {};
    std::size_t reach_ = 0;
};

// Positions s where the byte at s or at s + 1 is one of a few values (loosely compared), or,
// when endFits, where the byte after s is the end.
class NearSetFilter : public NoRefinement {
  public:
    static constexpr int kMaxBytes = 6;
    explicit NearSetFilter(bool endFits) : endFits_(endFits) {}
    // False when the set is full.
    bool Add(unsigned char c) {
        for (int k = 0; k < count_; ++k)
            if (bytes_[k] == Loose(c))
                return true;
        if (count_ == kMaxBytes)
            return false;
        bytes_[count_++] = Loose(c);
        return true;
    }

    std::size_t Reach() const { return 1; }
    template <class Text> bool Accepts(const Text& text, std::size_t s) const {
        const unsigned char next = text.At(s + 1);
        return Contains(text.At(s)) || Contains(next) || (endFits_ && next == 0);
    }
#if defined(__SSE2__)
    __m128i Lanes(const unsigned char* p) const {
        const __m128i v0 = LoadLoose16(p);
        const __m128i raw1 = Load16(p + 1);
        const __m128i v1 = _mm_or_si128(raw1, _mm_set1_epi8(0x20));
        __m128i hit = endFits_ ? _mm_cmpeq_epi8(raw1, _mm_setzero_si128()) : _mm_setzero_si128();
        for (int k = 0; k < count_; ++k) {
            const __m128i b = Splat(bytes_[k]);
            hit = _mm_or_si128(hit, _mm_or_si128(_mm_cmpeq_epi8(v0, b), _mm_cmpeq_epi8(v1, b)));
        }
        return hit;
    }
#endif

  private:
    bool Contains(unsigned char b) const {
        for (int k = 0; k < count_; ++k)
            if (Loose(b) == bytes_[k])
                return true;
        return false;
    }

    unsigned char bytes_[kMaxBytes] = {};
    int count_ = 0;
    bool endFits_;
};

// A text in one piece, addressed from its start; reads as the end beyond its size.
struct ContiguousText {
    const unsigned char* data;
    std::size_t size;
    unsigned char At(std::size_t i) const { return i < size ? data[i] : 0; }
};

// Yields, in increasing order, the start positions a filter accepts, up to the end of the text
// (its first zero byte, or Size()). Keeps the remaining hits of the last block, so that dense
// candidates do not make it scan a block again.
template <class Filter> class StartScanner {
  public:
    StartScanner(const TextView& text, const Filter& filter) : text_(text), filter_(filter) {}

    // The next accepted position; false once the end is reached (see End()).
    bool Next(std::size_t& s) {
        for (;;) {
            if (bits_ != 0) {
                const unsigned k = static_cast<unsigned>(__builtin_ctz(bits_));
                bits_ &= bits_ - 1;
                if (block_[k] == 0)
                    return Stop(blockStart_ + k);
                s = blockStart_ + k;
                return true;
            }
            if (piece_ == text_.PieceCount())
                return Stop(text_.Size());
            const TextView::Piece& piece = text_.PieceAt(piece_);
            const std::size_t reach = filter_.Reach();
#if defined(__SSE2__)
            // Whole blocks whose reach stays inside the piece, with the position in a local so
            // that the filter's constants can stay in registers.
            std::size_t pos = pos_;
            unsigned bits = 0;
            while (pos + 32 + reach <= piece.size && bits == 0) {
                const unsigned char* d = piece.data + pos;
                const std::size_t available = piece.size - pos;
                const unsigned zeros = ZeroHits(d) | ZeroHits(d + 16) << 16;
                bits = Bits(filter_.Lanes(d)) | Bits(filter_.Lanes(d + 16)) << 16;
                // The costlier tests only where the quick one lets something through.
                if (bits != 0) {
                    if (available >= 48 && filter_.RejectsWindow(d, bits))
                        bits = 0;
                    else
                        bits = filter_.Refine(d, bits & 0xFFFF, available) |
                               filter_.Refine(d + 16, bits >> 16, available - 16) << 16;
                }
                bits |= zeros;
                pos += 32;
            }
            if (bits != 0) {
                pos_ = pos;
                bits_ = bits;
                block_ = piece.data + pos - 32;
                blockStart_ = piece.start + pos - 32;
                continue;
            }
            while (pos + 16 + reach <= piece.size && bits == 0) {
                bits = BlockHits(piece.data + pos, piece.size - pos);
                pos += 16;
            }
            pos_ = pos;
            if (bits != 0) {
                bits_ = bits;
                block_ = piece.data + pos - 16;
                blockStart_ = piece.start + pos - 16;
                continue;
            }
#endif
            if (pos_ < piece.size) {
                const std::size_t local = pos_++;
                if (piece.data[local] == 0)
                    return Stop(piece.start + local);
                // Near the piece's end the filter reads on into the next piece.
                const bool hit =
                    local + reach < piece.size
                        ? filter_.Accepts(ContiguousText{piece.data, piece.size}, local)
                        : filter_.Accepts(text_, piece.start + local);
                if (hit) {
                    s = piece.start + local;
                    return true;
                }
                continue;
            }
            ++piece_;
            pos_ = 0;
        }
    }

    // Where the text ends; valid once Next() has returned false.
    std::size_t End() const {
        return end_;
    }

  private:
#if defined(__SSE2__)
    // Bit k set when position d + k is a zero byte or accepted by the filter; available bytes
    // can be read from d.
    unsigned BlockHits(const unsigned char* d, std::size_t available) const {
        const unsigned hits = Bits(filter_.Lanes(d));
        return ZeroHits(d) | (hits != 0 ? filter_.Refine(d, hits, available) : 0u);
    }
    // Bit k set when d[k] is a zero byte.
    static unsigned ZeroHits(const unsigned char* d) {
        return Bits(_mm_cmpeq_epi8(Load16(d), _mm_setzero_si128()));
    }
#endif

    bool Stop(std::size_t end) {
        end_ = end;
        bits_ = 0;
        piece_ = text_.PieceCount();
        return false;
    }

    const TextView& text_;
    const Filter filter_; // a copy, so that no store of the scanner's can touch it
    std::size_t piece_ = 0;
    std::size_t pos_ = 0;
    const unsigned char* block_ = nullptr;
    std::size_t blockStart_ = 0;
    unsigned bits_ = 0;
    std::size_t end_ = 0;
};

// Runs test(text, s) on the cheapest form of the text: start positions in the last piece see
// nothing else, so they read that piece directly.
template <class Test> bool AtStart(const TextView& text, std::size_t s, const Test& test) {
    const TextView::Piece& last = text.PieceAt(text.PieceCount() - 1);
    if (s >= last.start)
        return test(ContiguousText{last.data, last.size}, s - last.start);
    return test(text, s);
}

} // namespace qv::match
