// A recordset that a window holds under a member name, which other code
// reaches it by: the window's own table (rstRecordsetActual), a table it
// edits beside it, or a list it reads (rstRecordsetClients). It is declared
// with the support operation that lists its rows and, for a table the
// window saves, the one that takes its change set.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "Com/Variant.h"
#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"

namespace velmar {

// The support operations are named from Brintel/BrintelNames.h.
struct TableDeclaration {
    std::string recordset = {};      // the member name
    // The support operation that lists the rows; empty for a table the
    // window loads by steps of its own.
    std::string_view llista = {};
    // Its arguments, asked for at each load; none when empty.
    std::function<std::vector<com::Variant>()> arguments = {};
    // The support operation that saves a change set of the table; empty
    // for a table the window does not save.
    std::string_view desa = {};
    // Read with the rows of each choice of the window's chooser (the output
    // lines of the connection chosen), not at start (RecordWindow).
    bool ambTria = false;
};

class Table {
public:
    explicit Table(TableDeclaration declaracio) : declaracio_(std::move(declaracio)) {}

    const TableDeclaration& Declaration() const { return declaracio_; }
    const std::string& Nom() const { return declaracio_.recordset; }
    bool IsSaved() const { return !declaracio_.desa.empty(); }

    // The rows; none before the table is loaded.
    const RecordsetRef& Ref() const { return rows_; }
    explicit operator bool() const { return rows_ != nullptr; }
    // 424 when the table holds no rows yet.
    ado::Recordset* operator->() const { return &**this; }
    ado::Recordset& operator*() const {
        if (!rows_) com::Raise(com::err::ObjectRequired);
        return *rows_;
    }
    // The rows of its view; 0 for a table never loaded.
    int32_t RowCount() const { return rows_ ? rows_->RecordCount() : 0; }

private:
    friend class DataWindow;  // which puts rows in, so that lists and combos follow
    TableDeclaration declaracio_;
    RecordsetRef rows_;
};

}  // namespace velmar
