// Counts the calls of the global operator new, so that the benchmarks of
// whole solutions can report how many blocks one solution allocates. The
// blocks still come from malloc and go back through the default delete.
#include "bench/allocation_count.hpp"

#include <cstdlib>
#include <new>

namespace radixmender::bench {
std::size_t allocationCount = 0;
}  // namespace radixmender::bench

namespace {

void* counted(std::size_t size) {
    ++radixmender::bench::allocationCount;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return counted(size); }
void* operator new[](std::size_t size) { return counted(size); }
