#include "connections/ElementTree.h"

#include "Ado/AdoError.h"
#include "core/controls/DataCombo.h"

namespace velmar::element_tree {
namespace {

int32_t Numero(const com::Variant& value) { return value.isNull() ? 0 : value.toLong(); }

// The filter a recordset reports, as a filter to set again: the number 0
// stands for none.
std::string Criteria(const ado::Recordset& rows) {
    const com::Variant filter = rows.Filter();
    return filter.type() == com::Variant::Type::String ? filter.asString() : std::string();
}

// A filter set for a while: the one the rows had, and their current row,
// come back when it ends.
class TemporaryFilter {
public:
    TemporaryFilter(ado::Recordset& rows, std::string_view criteria) : rows_(rows), kept_(Criteria(rows)) {
        if (!rows.IsBOF() && !rows.IsEOF()) bookmark_ = rows.Bookmark();
        rows.SetFilter(criteria);
    }
    ~TemporaryFilter() {
        try {
            rows_.SetFilter(kept_);
            if (!bookmark_.isEmpty()) rows_.SetBookmark(bookmark_);
        } catch (...) {
            // A row deleted meanwhile has no place to come back to.
        }
    }
    TemporaryFilter(const TemporaryFilter&) = delete;
    TemporaryFilter& operator=(const TemporaryFilter&) = delete;

private:
    ado::Recordset& rows_;
    std::string kept_;
    com::Variant bookmark_;
};

}  // namespace

std::string Clau(int32_t numElement) { return "Clau" + com::Digits(numElement); }

std::vector<Element> ReadElements(const ado::Recordset& rows) {
    const auto column = [&rows](std::string_view name) { return rows.ColumnValues(rows.FieldIndex(name)); };
    const std::vector<com::Variant> nums = column("NumElement"), origens = column("ElementOrigen"),
                                    tipus = column("NumElementTipus"), codis = column("NumElementCodi"),
                                    valors = column("NumElementValor");
    std::vector<Element> elements;
    elements.reserve(nums.size());
    for (size_t i = 0; i < nums.size(); ++i)
        elements.push_back({Numero(nums[i]), Numero(origens[i]), tipus[i], codis[i], valors[i]});
    return elements;
}

std::vector<int32_t> Descendants(const std::vector<Element>& elements, int32_t num) {
    std::vector<int32_t> found;
    // Each element has one parent, so a walk down from `num` meets every
    // element once, unless the rows already loop back to `num` itself.
    std::vector<int32_t> pending{num};
    while (!pending.empty()) {
        const int32_t parent = pending.back();
        pending.pop_back();
        for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
            if (it->origen != parent || it->num == num) continue;
            pending.push_back(it->num);
        }
        if (parent != num) found.push_back(parent);
    }
    return found;
}

std::string Codi(const ado::Recordset& llista, std::string_view codi, std::string_view numero,
                 const com::Variant& valor) {
    if (valor.isNull()) return {};
    const std::vector<com::Variant> numeros = llista.ColumnValues(llista.FieldIndex(numero));
    const std::vector<com::Variant> codis = llista.ColumnValues(llista.FieldIndex(codi));
    for (size_t i = 0; i < numeros.size(); ++i)
        if (DataCombo::SameKey(numeros[i], valor)) return codis[i].isNull() ? std::string() : codis[i].toString();
    return {};
}

void MoveTo(ado::Recordset& rows, std::string_view criteria) {
    com::Variant bookmark;
    {
        const TemporaryFilter trobat(rows, criteria);
        if (rows.IsEOF()) com::Raise(ado::err::NoCurrentRecord);
        bookmark = rows.Bookmark();
    }
    rows.SetBookmark(bookmark);
}

void MoveTo(ado::Recordset& rows, int32_t num) { MoveTo(rows, "NumElement = " + com::Str(num)); }

}  // namespace velmar::element_tree
