#include "Ado/CellTable.h"

namespace ado {

std::span<Cell> CellTable::append() {
    if (rows_ % kBlockRows == 0) {
        blocks_.emplace_back();
        if (rows_ > 0) blocks_.back().reserve(kBlockRows * width_);
    }
    std::vector<Cell>& block = blocks_.back();
    block.resize(block.size() + width_);
    return (*this)[rows_++];
}

}  // namespace ado
