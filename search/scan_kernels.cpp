#include "search/scan_kernels.h"
#include "search/match_chars.h"
#include "search/scan_kernel_impl.h"
#include "search/text_scan.h"

namespace qv::match {
namespace {

const ScanKernel kPortableScanKernel = {"portable", &TypoScan<ScalarLanes>, &BytesScan<ScalarLanes>,
                                        &NearSetScan<ScalarLanes>};

bool ProcessorHasAvx2() {
#if defined(QV_AVX2_KERNEL)
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
#else
    return false;
#endif
}

struct KernelTable {
    ScanKernel list[3] = {};
    std::size_t count = 0;
    void Add(const ScanKernel& kernel) { list[count++] = kernel; }
};

// Whether the pattern begins with one of the commonest three-letter runs of English. Those
// stand in most blocks of everyday text, so that the first condition rarely rejects a block
// there, while the condition two characters on still does.
bool BeginsCommonly(const unsigned char* pattern) {
    static const char kCommon[][4] = {"the", "and", "ing", "her", "ere", "ent", "tha",
                                      "was", "for", "hat", "his", "ter", "all", "ver"};
    for (const char* run : kCommon) {
        int k = 0;
        while (k < 3 && Same(pattern[k], static_cast<unsigned char>(run[k])))
            ++k;
        if (k == 3)
            return true;
    }
    return false;
}

} // namespace

TypoScanParams MakeTypoScanParams(const unsigned char* pattern, int width, bool lowSeparation) {
    TypoScanParams params;
    params.width = width;
    params.lowSeparation = lowSeparation;
    // The first depth characters must all be consumed by steps: none a blank, and none the last
    // character, which may go missing instead.
    constexpr int kMaxDepth = TypoScanParams::kMaxDepth;
    int length = 0;
    while (length <= kMaxDepth && pattern[length] != 0)
        ++length;
    int depth = 0;
    while (depth < kMaxDepth && depth + 1 < length && !IsBlank(pattern[depth]))
        ++depth;
    if (depth >= TypoScanParams::kMinDepth)
        params.depth = depth;
    for (int k = 0; k < kMaxDepth && (k < width || k < params.depth); ++k)
        params.chars[k] = Loose(pattern[k]);
    params.laterFirst = params.depth >= width + 2 && BeginsCommonly(pattern);
    return params;
}

BytesScanParams MakeBytesScanParams(const unsigned char* bytes, const std::size_t* offsets,
                                    int count) {
    BytesScanParams params;
    params.count = count;
    for (int k = 0; k < count && k < BytesScanParams::kMaxBytes; ++k) {
        params.bytes[k] = Loose(bytes[k]);
        params.offsets[k] = offsets[k];
    }
    return params;
}

NearSetScanParams MakeNearSetScanParams(const unsigned char* bytes, int count, bool endFits) {
    NearSetScanParams params;
    params.endFits = endFits;
    for (int k = 0; k < count; ++k) {
        const unsigned char loose = Loose(bytes[k]);
        bool known = false;
        for (int n = 0; n < params.count; ++n)
            known = known || params.bytes[n] == loose;
        if (!known && params.count < NearSetScanParams::kMaxBytes)
            params.bytes[params.count++] = loose;
    }
    return params;
}

ScanKernels AvailableScanKernels() {
    static const KernelTable table = [] {
        KernelTable t;
        if (ProcessorHasAvx2())
            t.Add(kAvx2ScanKernel);
#if defined(__SSE2__)
        t.Add(kSse2ScanKernel);
#endif
        t.Add(kPortableScanKernel);
        return t;
    }();
    return {table.list, table.count};
}

const ScanKernel& ChosenScanKernel() {
    static const ScanKernel& chosen = AvailableScanKernels().list[0];
    return chosen;
}

} // namespace qv::match
