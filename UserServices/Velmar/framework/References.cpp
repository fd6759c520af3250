#include "framework/References.h"

#include "Brintel/BrintelNames.h"
#include "Com/ErrorProperties.h"
#include "Com/Registry.h"
#include "SchemaDescription.h"
#include "core/services/Procedure.h"

namespace velmar::references {
namespace {

namespace support = brintel::names;

// Whether any row names a row of `taula`, so that its rows matter to a
// delete of the row they belong to.
bool TeReferencies(std::string_view taula) { return !database::ReferencesTo(database::Schema(), taula).empty(); }

// The tables the check can give for a row of `taula` and, with `llegides`,
// the tables it reads on the way.
std::set<std::string> Tables(std::string_view taula, bool llegides) {
    std::set<std::string> taules;
    for (const database::Reference& r : database::ReferencesTo(database::Schema(), taula)) {
        if (!r.cascade) {
            taules.insert(r.table->name);
        } else if (TeReferencies(r.table->name)) {
            if (llegides) taules.insert(r.table->name);
            taules.merge(Tables(r.table->name, llegides));
        }
    }
    return taules;
}

class Recompte {
public:
    // The rows that name the row itself come first, then those that name
    // what would go with it.
    std::string refereix(std::string_view taula, const com::Variant& clau) {
        const std::vector<database::Reference> references = database::ReferencesTo(database::Schema(), taula);
        for (const database::Reference& r : references)
            if (!r.cascade && fill(r.table->name, r.column->name, clau).RecordCount() > 0) return r.table->name;
        for (const database::Reference& r : references) {
            // Rows that go with the row matter only for what names them.
            if (!r.cascade || !TeReferencies(r.table->name)) continue;
            const ado::Recordset files = fill(r.table->name, r.column->name, clau);
            const int32_t clauFill = files.FieldIndex(r.table->key()->name);
            for (int32_t i = 1; i <= files.RecordCount(); ++i)
                if (std::string taulaFill = refereix(r.table->name, files.ValueAt(i, clauFill)); !taulaFill.empty())
                    return taulaFill;
        }
        return {};
    }

private:
    // The rows of `taula` whose column holds `clau`, read outside any
    // transaction as the lookup-table editor reads a code's child rows.
    ado::Recordset fill(const std::string& taula, const std::string& columna, const com::Variant& clau) {
        if (!servei_) servei_ = com::CreateObject(com::ProgID(support::Brintel, support::SvrTaulesAuxiliars));
        const com::Variant xml =
            com::CallChecked(servei_, support::GetListAuxiliar, {taula, columna, clau, std::string()});
        return ado::Recordset::FromXml(xml.toString());
    }

    com::ObjectRef servei_;
};

}  // namespace

std::string ReferringTable(std::string_view taula, const com::Variant& clau) {
    if (clau.isNull() || clau.isEmpty()) return {};
    return Recompte().refereix(taula, clau);
}

std::string ReferringTableOfCurrent(const ado::Recordset& rows) {
    for (const ado::FieldInfo& field : rows.Fields()) {
        if (!field.keyColumn || field.baseTable.empty()) continue;
        const database::TableDescription* taula = database::FindTable(database::Schema(), field.baseTable);
        return taula ? ReferringTable(taula->name, rows.Value(taula->key()->name)) : std::string();
    }
    return {};
}

std::set<std::string> TablesThatMayRefer(std::string_view taula) { return Tables(taula, false); }

std::set<std::string> TablesRead(std::string_view taula) { return Tables(taula, true); }

}  // namespace velmar::references
