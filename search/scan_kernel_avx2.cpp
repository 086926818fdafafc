// The block scans with AVX2: thirty-two positions per vector. Only this file is built for AVX2,
// and it runs only where the processor reports it (scan_kernels.cpp).
#include "search/scan_kernel_impl.h"

#if defined(QV_AVX2_KERNEL)
#if !defined(__AVX2__)
#error "scan_kernel_avx2.cpp must be built with AVX2 code generation"
#endif
#include <immintrin.h>

namespace qv::match {
namespace {

struct Avx2Lanes {
    using Vec = __m256i;
    using Loaded = __m256i;
    using Splatted = __m256i;
    static constexpr std::size_t kLanes = 32;
    static Loaded LoadRaw(const unsigned char* p) {
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    }
    static Loaded Load(const unsigned char* p) {
        return _mm256_or_si256(LoadRaw(p), _mm256_set1_epi8(0x20));
    }
    static Splatted Splat(unsigned char c) { return _mm256_set1_epi8(static_cast<char>(c)); }
    static Vec Eq(Loaded v, Splatted c) { return _mm256_cmpeq_epi8(v, c); }
    static Vec And(Vec a, Vec b) { return _mm256_and_si256(a, b); }
    static Vec Or(Vec a, Vec b) { return _mm256_or_si256(a, b); }
    static std::uint32_t Bits(Vec v) { return static_cast<std::uint32_t>(_mm256_movemask_epi8(v)); }
    static bool Any(Vec v) { return _mm256_testz_si256(v, v) == 0; }
};

} // namespace

const ScanKernel kAvx2ScanKernel = {"avx2", &TypoScan<Avx2Lanes>, &BytesScan<Avx2Lanes>,
                                    &NearSetScan<Avx2Lanes>};

} // namespace qv::match
#endif
