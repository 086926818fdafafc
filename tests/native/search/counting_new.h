// Replaces the global allocation functions with ones that count calls. Include in exactly one
// source file of a program: replacement allocation functions may be defined only once.
#pragma once
#include <atomic>
#include <cstdlib>
#include <new>

namespace qv::test {

inline std::atomic<long> gAllocations{0};

inline long AllocationCount() {
    return gAllocations.load(std::memory_order_relaxed);
}

inline void* CountedAllocate(std::size_t size) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size == 0 ? 1 : size);
}

} // namespace qv::test

// Every plain form is replaced, so that no block is allocated by one allocator and freed by
// another (the sanitizer build reports such pairs).
void* operator new(std::size_t size) {
    if (void* p = qv::test::CountedAllocate(size))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return qv::test::CountedAllocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return qv::test::CountedAllocate(size);
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
