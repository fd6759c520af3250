#include "Ado/BlockRoom.h"

#include <algorithm>
#include <iterator>
#include <mutex>
#include <new>
#include <vector>

namespace ado {

namespace {

// Blocks smaller than this are the C library's to keep or not.
constexpr size_t kLargeBlock = size_t{64} << 10;
// The most kept at once: the rows of a large query.
constexpr size_t kKeptBytes = size_t{32} << 20;

struct KeptRoom {
    struct Block {
        void* room;
        size_t bytes;
    };
    std::mutex mutex;
    std::vector<Block> blocks;  // the oldest first
    size_t bytes = 0;

    // Room for as many blocks as the bound holds, and the one given beyond it.
    KeptRoom() { blocks.reserve(kKeptBytes / kLargeBlock + 1); }
};

// Never destroyed: a table in a static object may go after it would be.
KeptRoom& Kept() {
    static KeptRoom* const kept = new KeptRoom;
    return *kept;
}

}  // namespace

void* TakeBlockRoom(size_t bytes) {
    if (bytes >= kLargeBlock) {
        KeptRoom& kept = Kept();
        const std::lock_guard lock(kept.mutex);
        // The newest first: the blocks of the table that went last.
        const auto it = std::find_if(kept.blocks.rbegin(), kept.blocks.rend(),
                                     [&](const KeptRoom::Block& b) { return b.bytes == bytes; });
        if (it != kept.blocks.rend()) {
            void* const room = it->room;
            kept.bytes -= bytes;
            kept.blocks.erase(std::next(it).base());
            return room;
        }
    }
    return ::operator new(bytes);
}

void GiveBlockRoom(void* room, size_t bytes) noexcept {
    if (bytes < kLargeBlock || bytes > kKeptBytes) {
        ::operator delete(room);
        return;
    }
    KeptRoom& kept = Kept();
    const std::lock_guard lock(kept.mutex);
    kept.blocks.push_back({room, bytes});  // within the room reserved: no throw
    kept.bytes += bytes;
    auto oldest = kept.blocks.begin();
    for (; kept.bytes > kKeptBytes; ++oldest) {
        kept.bytes -= oldest->bytes;
        ::operator delete(oldest->room);
    }
    kept.blocks.erase(kept.blocks.begin(), oldest);
}

}  // namespace ado
