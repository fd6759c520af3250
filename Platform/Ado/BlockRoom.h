// The room of the large blocks of a recordset's rows, kept for the next
// table when a table goes. The C library gives a large block back to the
// system when it is freed (unmapped, or the heap's top trimmed), and the
// next recordset of that size then faults every page of it afresh, which
// costs more than reading its text. The most recent blocks are kept, up to
// a bound, and taken again by their size: the tables of one query have
// blocks of one size.
#pragma once

#include <cstddef>

namespace ado {

// Room for `bytes`: a kept block of that size, or new.
void* TakeBlockRoom(size_t bytes);
// Room taken by TakeBlockRoom given back: kept while the kept room is
// within its bound, the oldest freed beyond it.
void GiveBlockRoom(void* room, size_t bytes) noexcept;

// An allocator of blocks of rows through the kept room.
template <class T>
struct BlockAllocator {
    using value_type = T;

    BlockAllocator() = default;
    template <class U>
    BlockAllocator(const BlockAllocator<U>&) noexcept {}

    T* allocate(size_t n) { return static_cast<T*>(TakeBlockRoom(n * sizeof(T))); }
    void deallocate(T* room, size_t n) noexcept { GiveBlockRoom(room, n * sizeof(T)); }
    friend bool operator==(const BlockAllocator&, const BlockAllocator&) { return true; }
};

}  // namespace ado
