#include "support/allocation_probe.h"
#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> g_probing{false};
std::atomic<std::size_t> g_largest{0};
std::atomic<long> g_count{0};

void* Allocate(std::size_t size) noexcept {
    g_count.fetch_add(1, std::memory_order_relaxed);
    if (g_probing.load(std::memory_order_relaxed)) {
        std::size_t seen = g_largest.load(std::memory_order_relaxed);
        while (size > seen && !g_largest.compare_exchange_weak(seen, size))
            ;
    }
    return std::malloc(size == 0 ? 1 : size);
}

void* AllocateOrThrow(std::size_t size) {
    if (void* p = Allocate(size))
        return p;
    throw std::bad_alloc();
}

} // namespace

// Every plain form is replaced, so that no block is allocated by one allocator and freed by
// another (the sanitizer build reports such pairs).
void* operator new(std::size_t size) {
    return AllocateOrThrow(size);
}
void* operator new[](std::size_t size) {
    return AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}

namespace qv::test {

long AllocationCount() {
    return g_count.load(std::memory_order_relaxed);
}

LargestAllocationProbe::LargestAllocationProbe() {
    g_largest = 0;
    g_probing = true;
}

LargestAllocationProbe::~LargestAllocationProbe() {
    g_probing = false;
}

std::size_t LargestAllocationProbe::Largest() const {
    return g_largest.load();
}

} // namespace qv::test
