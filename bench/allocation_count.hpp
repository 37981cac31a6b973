#pragma once
// The number of blocks the global operator new has handed out so far.
#include <cstddef>

namespace radixmender::bench {
extern std::size_t allocationCount;
}  // namespace radixmender::bench
