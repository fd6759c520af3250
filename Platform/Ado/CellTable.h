// The values of a recordset's rows: every row as wide as the fields, kept
// in blocks of many rows, so that a row costs its cells and nothing more,
// and a table that grows row by row never copies the rows it has.
#pragma once

#include <span>
#include <vector>

#include "Ado/Cell.h"

namespace ado {

class CellTable {
public:
    CellTable() = default;
    explicit CellTable(size_t width) : width_(width) {}

    size_t width() const { return width_; }
    size_t size() const { return rows_; }

    std::span<Cell> operator[](size_t row) {
        return {blocks_[row / kBlockRows].data() + row % kBlockRows * width_, width_};
    }
    std::span<const Cell> operator[](size_t row) const {
        return {blocks_[row / kBlockRows].data() + row % kBlockRows * width_, width_};
    }

    // A new last row, every value Null.
    std::span<Cell> append();

private:
    // Rows per block. The first block grows as rows come, so that a small
    // table takes little; the others are made whole at once.
    static constexpr size_t kBlockRows = 4096;

    size_t width_ = 0;
    size_t rows_ = 0;
    std::vector<std::vector<Cell>> blocks_;
};

}  // namespace ado
