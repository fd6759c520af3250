#include "Base/FreedMemory.h"

#include <malloc.h>

namespace base {

namespace {

// Setting one limit stops the allocator from moving both by itself, so both
// are set. Blocks up to the largest the heap takes come from the heap, where
// freed pages can stay (the room a query's text reserves ahead included),
// rather than each from a mapping of its own, given back when freed.
constexpr int kLargestHeapBlock = 32 << 20;
// Freed memory kept at the heap's end: room for two such texts and the
// recordsets read from them. Only pages that were written take memory.
constexpr int kKeptAtEnd = 128 << 20;

}  // namespace

void KeepFreedMemory() {
    mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, kKeptAtEnd);
}

}  // namespace base
