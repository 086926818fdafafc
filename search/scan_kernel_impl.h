// The block scans of scan_kernels.h, written once over a set of vector lanes and built into one
// translation unit per instruction set (scan_kernel_*.cpp). Everything here has internal linkage
// and uses no other project header with ordinary inline functions, so that code generated for one
// processor can never stand in for another's.
#pragma once
#include "search/scan_kernels.h"
#include "search/typo_conditions.h"
#include <cstdint>
#include <cstring>

namespace qv::match {
namespace {

// One byte at a time, for processors without vectors (and as the plainest kernel). A lane set
// offers Load (kLanes bytes with bit 0x20 set, which folds ASCII letter case), LoadRaw, Splat (a
// pattern byte in every lane), Eq, And, Or, Bits (bit k for lane k) and Any (some lane set).
struct ScalarLanes {
    using Vec = bool;
    using Loaded = unsigned char;
    using Splatted = unsigned char;
    static constexpr std::size_t kLanes = 1;
    static Loaded Load(const unsigned char* p) { return static_cast<unsigned char>(*p | 0x20); }
    static Loaded LoadRaw(const unsigned char* p) { return *p; }
    static Splatted Splat(unsigned char c) { return c; }
    static Vec Eq(Loaded v, Splatted c) { return v == c; }
    static std::uint32_t Bits(Vec v) { return v ? 1u : 0u; }
    static Vec And(Vec a, Vec b) { return a && b; }
    static Vec Or(Vec a, Vec b) { return a || b; }
    static bool Any(Vec v) { return v; }
};

struct MaskOps {
    static std::uint64_t And(std::uint64_t a, std::uint64_t b) { return a & b; }
    static std::uint64_t Or(std::uint64_t a, std::uint64_t b) { return a | b; }
};

// How far ahead of a scan the memory is fetched. The processor's own prefetcher stops at page
// boundaries; fetching a page ahead keeps a scan from waiting at each. Past a piece's end this
// reaches the next items' texts, which after loading lie one after another in memory. A prefetch
// never faults, and the address is computed as a number, not as a pointer beyond the piece.
constexpr std::uintptr_t kFetchAhead = 4096;

inline void FetchAhead(const unsigned char* at) {
    __builtin_prefetch(
        reinterpret_cast<const void*>(reinterpret_cast<std::uintptr_t>(at) + kFetchAhead));
}

// Runs block(d, known) over the blocks of a piece in order, kStarts positions apart, and stops at
// the first with a bit set (see scan_kernels.h). A block reads at most kBytes bytes from d, of
// which the first known belong to the text; the piece's last blocks read a copy of its end
// followed by zeros, so that reading stays inside memory.
template <std::size_t kStarts, std::size_t kBytes, class Block>
std::size_t ScanPiece(const unsigned char* data, std::size_t size, std::size_t pos,
                      std::uint64_t& bits, const Block& block) {
    for (; pos + kBytes <= size; pos += kStarts) {
        FetchAhead(data + pos);
        bits = block(data + pos, kBytes);
        if (bits != 0)
            return pos;
    }
    if (pos >= size) {
        bits = 0;
        return size;
    }
    // Every piece ends here, so the copy has a fixed size (a few vector moves) unless the whole
    // piece is shorter than one block.
    unsigned char copy[2 * kBytes];
    std::size_t base = 0; // the piece position copy[0] holds
    if (size >= kBytes) {
        base = size - kBytes;
        std::memcpy(copy, data + base, kBytes);
        std::memset(copy + kBytes, 0, kBytes);
    } else {
        std::memset(copy, 0, sizeof copy);
        std::memcpy(copy, data, size);
    }
    for (; pos < size; pos += kStarts) {
        bits = block(static_cast<const unsigned char*>(copy + (pos - base)), size - pos);
        if (bits != 0)
            return pos;
    }
    bits = 0;
    return size;
}

// The first `known` positions of a block (all of its kStarts when known is larger).
inline std::uint64_t KnownStarts(std::size_t known, std::size_t starts) {
    return known >= starts ? ~std::uint64_t{0} >> (64 - starts) : (std::uint64_t{1} << known) - 1;
}

// Starts from which a filter reading `reach` places on would read beyond the known bytes: they
// stay candidates, since the text may go on in a later piece.
inline std::uint64_t UnsureStarts(std::size_t known, std::size_t reach, std::size_t starts) {
    const std::size_t first = known > reach ? known - reach : 0;
    return first >= starts ? 0 : ~std::uint64_t{0} << first;
}

// Positions with given bytes at given offsets: one vector compare per byte and lane group.
template <class Lanes> class BytesKernel {
  public:
    explicit BytesKernel(const BytesScanParams& p) : p_(p), zero_(Lanes::Splat(0)) {
        for (int k = 0; k < p.count; ++k) {
            bytes_[k] = Lanes::Splat(p.bytes[k]);
            reach_ = p.offsets[k] > reach_ ? p.offsets[k] : reach_;
        }
    }

    std::size_t Run(const unsigned char* data, std::size_t size, std::size_t pos, bool last,
                    std::uint64_t& bits) const {
        if (p_.count == 1)
            return Scan<1>(data, size, pos, last, bits);
        if (p_.count == 2)
            return Scan<2>(data, size, pos, last, bits);
        return Scan<3>(data, size, pos, last, bits);
    }

  private:
    static constexpr std::size_t kStarts = kBytesScanBlockStarts;

    template <int kCount>
    std::size_t Scan(const unsigned char* data, std::size_t size, std::size_t pos, bool last,
                     std::uint64_t& bits) const {
        const std::size_t span = kStarts + reach_; // the bytes one block reads
        if (size < span)
            return ScanPiece<kStarts, kStarts + BytesScanParams::kMaxOffset>(
                data, size, pos, bits, [this, last](const unsigned char* d, std::size_t known) {
                    return Block<kCount>(d, known, !last);
                });
        for (; pos + span <= size; pos += kStarts) {
            FetchAhead(data + pos);
            bits = Block<kCount>(data + pos, span, false);
            if (bits != 0)
                return pos;
        }
        if (pos >= size) {
            bits = 0;
            return size;
        }
        // The piece's last starts whose bytes all lie in it get one more block, placed to end
        // with the piece instead of reading a copy of its end: every piece ends, so this is
        // paid once per piece.
        const std::size_t end = size - reach_;
        if (pos < end) {
            const std::size_t base = end - kStarts;
            bits = Block<kCount>(data + base, span, false) & ~std::uint64_t{0} << (pos - base);
            if (bits != 0)
                return base;
            pos = end;
        }
        // The starts after them read beyond the piece: candidates while the text may go on,
        // else only where a zero byte ends the text.
        bits = 0;
        for (std::size_t k = 0; pos + k < size; ++k)
            if (!last || data[pos + k] == 0)
                bits |= std::uint64_t{1} << k;
        return bits != 0 ? pos : size;
    }

    // Most blocks hold no candidate, so the lanes are tested all at once before any are turned
    // into bits. mayGoOn: the text may go on after the known bytes.
    template <int kCount>
    std::uint64_t Block(const unsigned char* d, std::size_t known, bool mayGoOn) const {
        constexpr std::size_t kVectors = kStarts / Lanes::kLanes;
        typename Lanes::Vec hit[kVectors];
        for (std::size_t v = 0; v < kVectors; ++v) {
            const unsigned char* at = d + v * Lanes::kLanes;
            auto h = Lanes::Eq(Lanes::Load(at + p_.offsets[0]), bytes_[0]);
            for (int k = 1; k < kCount; ++k)
                h = Lanes::And(h, Lanes::Eq(Lanes::Load(at + p_.offsets[k]), bytes_[k]));
            hit[v] = Lanes::Or(h, Lanes::Eq(Lanes::LoadRaw(at), zero_));
        }
        auto any = hit[0];
        for (std::size_t v = 1; v < kVectors; ++v)
            any = Lanes::Or(any, hit[v]);
        std::uint64_t hits = 0;
        if (Lanes::Any(any))
            for (std::size_t v = 0; v < kVectors; ++v)
                hits |= std::uint64_t{Lanes::Bits(hit[v])} << (v * Lanes::kLanes);
        if (mayGoOn)
            hits |= UnsureStarts(known, reach_, kStarts);
        return hits & KnownStarts(known, kStarts);
    }

    const BytesScanParams p_;
    std::size_t reach_ = 0;
    typename Lanes::Splatted zero_;
    typename Lanes::Splatted bytes_[BytesScanParams::kMaxBytes];
};

// Positions where the byte there or the next one is in a small set, or, when endFits, where the
// next one is a zero byte.
template <class Lanes> class NearSetKernel {
  public:
    explicit NearSetKernel(const NearSetScanParams& p) : p_(p), zero_(Lanes::Splat(0)) {
        for (int k = 0; k < p.count; ++k)
            bytes_[k] = Lanes::Splat(p.bytes[k]);
    }

    std::size_t Run(const unsigned char* data, std::size_t size, std::size_t pos,
                    std::uint64_t& bits) const {
        constexpr std::size_t kStarts = kNearSetScanBlockStarts;
        return ScanPiece<kStarts, kStarts + 1>(
            data, size, pos, bits, [this](const unsigned char* d, std::size_t known) {
                std::uint64_t hits = 0;
                for (std::size_t h = 0; h < kStarts; h += Lanes::kLanes) {
                    const auto here = Lanes::Load(d + h);
                    const auto next = Lanes::Load(d + h + 1);
                    const auto nextEnds = Lanes::Eq(Lanes::LoadRaw(d + h + 1), zero_);
                    auto hit = Lanes::Eq(Lanes::LoadRaw(d + h), zero_);
                    if (p_.endFits)
                        hit = Lanes::Or(hit, nextEnds);
                    for (int k = 0; k < p_.count; ++k)
                        hit = Lanes::Or(
                            hit, Lanes::Or(Lanes::Eq(here, bytes_[k]), Lanes::Eq(next, bytes_[k])));
                    hits |= std::uint64_t{Lanes::Bits(hit)} << h;
                }
                return (hits | UnsureStarts(known, 1, kStarts)) & KnownStarts(known, kStarts);
            });
    }

  private:
    const NearSetScanParams p_;
    typename Lanes::Splatted zero_;
    typename Lanes::Splatted bytes_[NearSetScanParams::kMaxBytes];
};

// The typo matcher's filter. A block is 64 bytes: one compare per vector and pattern character
// turns it into bit masks (bit a: the byte at a may equal that character), on which the quick
// condition and the chain are evaluated for the first 48 positions at once.
constexpr std::size_t kBlockBytes = 64;
// A chain of kMaxDepth levels advances at most two places a level and reads one place further.
static_assert(kTypoScanBlockStarts - 1 + 2 * TypoScanParams::kMaxDepth + 1 < kBlockBytes,
              "a chain must stay inside its block");
// Levels beyond a chain's depth read as all ones only when no quick condition reaches them.
static_assert(TypoScanParams::kMinDepth > 5, "a chain is deeper than the widest quick condition");

template <class Lanes> class TypoKernel {
  public:
    explicit TypoKernel(const TypoScanParams& p) : p_(p), zero_(Lanes::Splat(0)) {
        masks_ = p.depth > p.width ? p.depth : p.width;
        for (int b = 0; b < masks_; ++b)
            chars_[b] = Lanes::Splat(p.chars[b]);
    }

    std::size_t Run(const unsigned char* data, std::size_t size, std::size_t pos,
                    std::uint64_t& bits) const {
        if (p_.width == 4)
            return p_.lowSeparation ? Scan<4, true>(data, size, pos, bits)
                                    : Scan<4, false>(data, size, pos, bits);
        // The triple condition holds only from a separation of 2.
        return Scan<5, false>(data, size, pos, bits);
    }

  private:
    static constexpr std::size_t kVectors = kBlockBytes / Lanes::kLanes;

    template <int kWidth, bool kLowSeparation>
    std::size_t Scan(const unsigned char* data, std::size_t size, std::size_t pos,
                     std::uint64_t& bits) const {
        return ScanPiece<kTypoScanBlockStarts, kBlockBytes>(
            data, size, pos,
            bits, [this](const unsigned char* d, std::size_t known) __attribute__((always_inline)) {
                return Block<kWidth, kLowSeparation>(d, known);
            });
    }

    // Candidates and zero bytes among the block's starts; the first `known` of d's kBlockBytes
    // bytes belong to the text, and the text may go on with anything after them.
    template <int kWidth, bool kLowSeparation>
    __attribute__((always_inline)) std::uint64_t Block(const unsigned char* d,
                                                       std::size_t known) const {
        const std::uint64_t valid = KnownStarts(known, kTypoScanBlockStarts);
        const std::uint64_t unknown = known < kBlockBytes ? ~std::uint64_t{0} << known : 0;
        typename Lanes::Loaded v[kVectors];
        std::uint64_t zeros = 0;
        for (std::size_t k = 0; k < kVectors; ++k) {
            const unsigned char* at = d + k * Lanes::kLanes;
            v[k] = Lanes::Load(at);
            zeros |= std::uint64_t{Lanes::Bits(Lanes::Eq(Lanes::LoadRaw(at), zero_))}
                     << (k * Lanes::kLanes);
        }
        const auto mask = [&](int b) {
            std::uint64_t m = unknown;
            for (std::size_t k = 0; k < kVectors; ++k)
                m |= std::uint64_t{Lanes::Bits(Lanes::Eq(v[k], chars_[b]))} << (k * Lanes::kLanes);
            return m;
        };
        // The same condition two characters on, where every alignment from s stands at one of
        // the places s + 1 to s + 4 (the third character's step may also begin one character
        // earlier, as a transposition or missing character, but then it rests on that
        // character's equality at one of those places all the same).
        std::uint64_t masks[TypoScanParams::kMaxDepth + 1];
        const auto later = [&] {
            const std::uint64_t at = Quick<kWidth>(masks, 2);
            return at >> 1 | at >> 2 | at >> 3 | at >> 4;
        };
        // Masks for the pattern characters from `from` on: all ones from the chain's depth on, so
        // that whatever gets that deep goes on.
        const auto masksFrom = [&](int from) {
            for (int b = from; b <= TypoScanParams::kMaxDepth; ++b)
                masks[b] =
                    b < masks_ && b < TypoScanParams::kMaxDepth ? mask(b) : ~std::uint64_t{0};
        };
        // Most blocks fail the condition tested first, so the further masks are built only for
        // blocks that pass it.
        std::uint64_t hits = valid;
        if (p_.laterFirst) {
            for (int b = 2; b < kWidth + 2; ++b)
                masks[b] = mask(b);
            hits &= later();
            if (hits == 0)
                return zeros & valid;
            masks[0] = mask(0);
            masks[1] = mask(1);
            hits &= Quick<kWidth>(masks, 0);
            if (hits == 0)
                return zeros & valid;
            masksFrom(kWidth + 2);
        } else {
            for (int b = 0; b < kWidth; ++b)
                masks[b] = mask(b);
            hits &= Quick<kWidth>(masks, 0);
            if (hits == 0 || p_.depth == 0)
                return hits | (zeros & valid);
            masksFrom(kWidth);
            if (p_.depth >= kWidth + 2)
                hits &= later();
        }
        if (hits != 0)
            hits = Chain<kLowSeparation>(masks, hits);
        return hits | (zeros & valid);
    }

    // The quick condition on the pattern's characters from `from` on, for every place of the
    // block at once.
    template <int kWidth>
    std::uint64_t Quick(const std::uint64_t (&masks)[TypoScanParams::kMaxDepth + 1],
                        int from) const {
        const auto e = [&](int a, int b) { return masks[b + from] >> a; };
        if constexpr (kWidth == 4)
            return PairCondition<MaskOps>(e, p_.lowSeparation);
        else
            return TripleCondition<MaskOps>(e);
    }

    // Drops from hits the starts from which no run of steps consumes the chain's characters.
    template <bool kLowSeparation>
    std::uint64_t Chain(const std::uint64_t (&masks)[TypoScanParams::kMaxDepth + 1],
                        std::uint64_t hits) const {
        // The masks from the chain's depth on are all ones (a chain is always deeper than the
        // quick condition), so that whatever gets that deep goes on.
        const auto eq = [&](int b) { return masks[b]; };
        constexpr int kLevels = TypoScanParams::kMaxDepth;
        // The state sets of different starts only ever join, so all go through at once first.
        if (!ChainReaches<kLowSeparation>(eq, hits, kLevels))
            return 0;
        for (std::uint64_t rest = hits; rest != 0; rest &= rest - 1) {
            const std::uint64_t bit = rest & (0 - rest);
            if (!ChainReaches<kLowSeparation>(eq, bit, kLevels))
                hits &= ~bit;
        }
        return hits;
    }

    const TypoScanParams p_;
    int masks_ = 0; // pattern characters that get a mask: the quick condition's and the chain's
    typename Lanes::Splatted zero_;
    typename Lanes::Splatted chars_[TypoScanParams::kMaxDepth];
};

// The typo and near-set filters keep a piece's last starts as candidates even when nothing
// follows it: the matchers' tests settle those few.
template <class Lanes>
std::size_t TypoScan(const TypoScanParams& params, const unsigned char* data, std::size_t size,
                     std::size_t pos, bool, std::uint64_t& bits) {
    return TypoKernel<Lanes>(params).Run(data, size, pos, bits);
}

template <class Lanes>
std::size_t NearSetScan(const NearSetScanParams& params, const unsigned char* data,
                        std::size_t size, std::size_t pos, bool, std::uint64_t& bits) {
    return NearSetKernel<Lanes>(params).Run(data, size, pos, bits);
}

template <class Lanes>
std::size_t BytesScan(const BytesScanParams& params, const unsigned char* data, std::size_t size,
                      std::size_t pos, bool last, std::uint64_t& bits) {
    return BytesKernel<Lanes>(params).Run(data, size, pos, last, bits);
}

} // namespace
} // namespace qv::match
