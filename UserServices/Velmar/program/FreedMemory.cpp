#include "program/FreedMemory.h"

#include <malloc.h>

namespace velmar {

namespace {

// Blocks up to this size come from the heap, whose freed pages stay: the
// allocator's own limit, which it reaches by itself after the first long
// text, but only then, and giving back what it holds meanwhile.
constexpr int kLargestHeapBlock = 32 << 20;
// Freed memory kept at the heap's end: room for two texts of that size and
// the recordsets read from them. Only pages that were written take memory.
constexpr int kKeptAtEnd = 128 << 20;

}  // namespace

void KeepFreedMemory() {
    mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, kKeptAtEnd);
}

}  // namespace velmar
