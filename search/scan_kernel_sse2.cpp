// The block scans with SSE2, which every x86-64 processor has: sixteen positions per vector.
#include "search/scan_kernel_impl.h"

#if defined(__SSE2__)
#include <emmintrin.h>

namespace qv::match {
namespace {

struct Sse2Lanes {
    using Vec = __m128i;
    using Loaded = __m128i;
    using Splatted = __m128i;
    static constexpr std::size_t kLanes = 16;
    static Loaded LoadRaw(const unsigned char* p) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    }
    static Loaded Load(const unsigned char* p) {
        return _mm_or_si128(LoadRaw(p), _mm_set1_epi8(0x20));
    }
    static Splatted Splat(unsigned char c) { return _mm_set1_epi8(static_cast<char>(c)); }
    static Vec Eq(Loaded v, Splatted c) { return _mm_cmpeq_epi8(v, c); }
    static Vec And(Vec a, Vec b) { return _mm_and_si128(a, b); }
    static Vec Or(Vec a, Vec b) { return _mm_or_si128(a, b); }
    static std::uint32_t Bits(Vec v) { return static_cast<std::uint32_t>(_mm_movemask_epi8(v)); }
    static bool Any(Vec v) { return _mm_movemask_epi8(v) != 0; }
};

} // namespace

const ScanKernel kSse2ScanKernel = {"sse2", &TypoScan<Sse2Lanes>, &BytesScan<Sse2Lanes>,
                                    &NearSetScan<Sse2Lanes>};

} // namespace qv::match
#endif
