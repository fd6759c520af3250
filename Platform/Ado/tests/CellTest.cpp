// The values a recordset keeps: each kind of value and texts on either side
// of the length kept in place, and a table of rows larger than one block.
#include <gtest/gtest.h>

#include <string>

#include "Ado/AdoError.h"
#include "Ado/CellTable.h"
#include "Com/ComError.h"
#include "Com/Object.h"

namespace adotest {
namespace {

using ado::Cell;
using com::Variant;

TEST(Cell, KeepsEveryKindOfValueAndTextsOfAnyLength) {
    const std::string texts[] = {"", std::string(14, 'a'), std::string(15, 'b'),
                                 std::string("nul\0inside", 10), std::string(100000, 'c')};
    std::vector<Variant> values = {Variant::Null(), Variant(0), Variant(-2147483647 - 1),
                                   Variant(2.5), Variant(true), Variant(false),
                                   Variant(com::Date::FromParts(2024, 2, 29, 23, 59, 59))};
    for (const std::string& t : texts) values.emplace_back(t);

    for (const Variant& v : values) {
        const Cell cell = Cell::From(v);
        EXPECT_EQ(cell.toVariant(), v);
        Cell copy = cell;
        Cell moved = std::move(copy);
        EXPECT_TRUE(copy.isNull());  // moving leaves Null behind
        EXPECT_EQ(moved, cell);
        moved = Cell(std::string_view("changed after the copy"));
        EXPECT_EQ(cell.toVariant(), v);
        copy = cell;
        EXPECT_EQ(copy, cell);
    }
    EXPECT_TRUE(Cell::From(Variant()).isNull());
    EXPECT_NE(Cell(1), Cell(1.0));  // same number, different kinds
    EXPECT_NE(Cell(std::string_view(texts[2])), Cell(std::string_view(texts[1])));
    EXPECT_EQ(Cell::Whole(2147483647).toVariant(), Variant(2147483647));
    EXPECT_EQ(Cell::Whole(2147483648LL).toVariant(), Variant(2147483648.0));

    try {
        Cell::From(Variant(com::ObjectRef()));
        ADD_FAILURE() << "an object became a cell";
    } catch (const com::ComError& e) {
        EXPECT_EQ(e.number(), ado::err::TypeMismatch);
    }
}

TEST(CellTable, RowsStayWhereTheyAreAsTheTableGrows) {
    ado::CellTable table(3);
    constexpr int kRows = 10000;  // more than one block
    for (int r = 0; r < kRows; ++r) {
        const std::span<Cell> row = table.append();
        ASSERT_EQ(row.size(), 3u);
        EXPECT_TRUE(row[0].isNull() && row[2].isNull());
        row[0] = Cell(r);
        row[1] = Cell(std::string_view(std::string(20, static_cast<char>('a' + r % 26))));
    }
    ASSERT_EQ(table.size(), static_cast<size_t>(kRows));
    for (int r : {0, 4095, 4096, 8191, 8192, kRows - 1}) {
        EXPECT_EQ(table[r][0], Cell(r));
        EXPECT_EQ(table[r][1].asText(), std::string(20, static_cast<char>('a' + r % 26)));
        EXPECT_TRUE(table[r][2].isNull());
    }

    ado::CellTable empty(0);  // a schema without columns still counts its rows
    empty.append();
    empty.append();
    EXPECT_EQ(empty.size(), 2u);
    EXPECT_TRUE(empty[1].empty());
}

}  // namespace
}  // namespace adotest
