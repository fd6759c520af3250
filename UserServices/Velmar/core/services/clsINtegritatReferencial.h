// A child table and its column that holds a lookup table's key: the
// lookup-table editor refuses to delete a row that such a column names.
#pragma once

#include <string>
#include <vector>

namespace velmar {

struct clsINtegritatReferencial {
    std::string strNomTaulaFill;
    std::string strClauTaulaFill;

    bool operator==(const clsINtegritatReferencial&) const = default;
};

// The pairs of an integrity text: comma-separated items, child table first
// and then its column, each item trimmed. An unpaired last item is ignored;
// a text of blanks gives no pair.
std::vector<clsINtegritatReferencial> ParseReferentialIntegrity(const std::string& strCadenaIntegritat);

}  // namespace velmar
