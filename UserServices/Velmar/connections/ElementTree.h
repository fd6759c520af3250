// The element tree of a service connection as the element windows read
// it from the connection window's element rows (T_EscomesaElements): each
// row names its parent in ElementOrigen (0 for the connection itself),
// and a row added and not yet saved carries a temporary negative
// NumElement that its children name until the save gives it a key.
#pragma once

#include <Qt>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Ado/Recordset.h"

namespace velmar::element_tree {

// A tree node's key ("Clau0" for the connection, "Clau" and NumElement for
// an element) is held in this role of its first column.
inline constexpr int kClau = Qt::UserRole;
std::string Clau(int32_t numElement);

struct Element {
    int32_t num = 0;
    int32_t origen = 0;
    com::Variant tipus, codi, valor;  // the lookup numbers; Null when not chosen
};

// The elements in the order their rows stand (as loaded, then the rows
// added since), deleted rows left out. A Null NumElement or ElementOrigen
// reads as 0.
std::vector<Element> ReadElements(const ado::Recordset& rows);

// The elements below `num`, each listed before its own descendants.
std::vector<int32_t> Descendants(const std::vector<Element>& elements, int32_t num);

// The code (`codi` column) of the row of a lookup list whose `numero`
// column holds `valor`; "" when none does or `valor` is Null. The list's
// filter and position are left alone.
std::string Codi(const ado::Recordset& llista, std::string_view codi, std::string_view numero,
                 const com::Variant& valor);

// Makes the first row that `criteria` lets through the current row, under
// the filter the rows have; NoCurrentRecord when none does.
void MoveTo(ado::Recordset& rows, std::string_view criteria);
// The same for the row of element `num`.
void MoveTo(ado::Recordset& rows, int32_t num);

}  // namespace velmar::element_tree
