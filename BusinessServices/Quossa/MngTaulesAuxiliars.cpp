// Any lookup table, named at run time with its key, filter and order
// columns by the caller's parameter records.
//
// The names become part of the SQL text, so they are checked first: each
// must be a plain name (a letter or underscore, then letters, digits and
// underscores), the table one that this service serves (marked "lookup" in
// Database/schema.txt: the tables the windows list, edit, save or check
// through it; never the users, their project access, the window texts, nor
// a catalogue of the database engine), and the columns must belong to the
// table, which a query naming them qualified by the table ("Select T.C
// From T Where False") proves on the database itself. A name that fails a
// check fails the procedure: a name that is not plain or not served with
// error 5, a missing column with the data access service's error, each
// with the procedure's trail entry. The statement itself is then not sent.
// A change set names its tables in its columns: it is saved only when each
// is served.
#include <cctype>
#include <initializer_list>
#include <optional>

#include "Ado/Recordset.h"
#include "SchemaDescription.h"
#include "TableManager.h"

namespace quossa {
namespace {

bool IsPlainName(const std::string& name) {
    if (name.empty() || std::isdigit(static_cast<unsigned char>(name.front()))) return false;
    for (char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    return true;
}

const std::string& PlainName(const com::Variant& value) {
    const std::string& name = value.asString();
    if (!IsPlainName(name)) base::Raise(base::err::InvalidProcedureCall, "not a plain table or column name: " + name);
    return name;
}

const std::string& ServedTable(const com::Variant& value) {
    const std::string& name = PlainName(value);
    if (!database::IsLookupServiceTable(name))
        base::Raise(base::err::InvalidProcedureCall, "not a table the lookup-table service serves: " + name);
    return name;
}

// The query that proves `columns` (those not empty) belong to `table`;
// empty text when no column is named.
std::string ColumnCheck(const com::Variant& table, std::initializer_list<const com::Variant*> columns) {
    const std::string& t = ServedTable(table);
    std::string list;
    for (const com::Variant* column : columns) {
        if (column->asString().empty()) continue;
        if (!list.empty()) list += ", ";
        list += t + "." + PlainName(*column);
    }
    return list.empty() ? std::string() : "Select " + list + " From " + t + " Where False";
}

// Refuses a change set that writes to a table not served. A
// text that cannot be read is left to the data object, which reports it.
std::string ChangeSetCheck(const Params& p) {
    std::optional<ado::Recordset> changes;
    try {
        changes = ado::Recordset::FromXml(p[0].asString());
    } catch (const base::Error&) {
        return {};
    }
    for (const ado::FieldInfo& field : changes->Fields())
        if (!field.baseTable.empty()) ServedTable(com::Variant(field.baseTable));
    return {};
}

const ManagerDeclaration kDeclaration = [] {
    ManagerDeclaration declaration = TableManager({
        .className = names::MngTaulesAuxiliars, .listProcedure = "GetListAuxiliar",
        .byKeyProcedure = "GetRegistreById", .saveProcedure = "SaveTaulaAuxiliar",
        .deleteProcedure = "DeleteTaulaAuxiliar"});

    // Table, filter column, filter value, order column.
    declaration.list.read =
        ReadFields({names::strNomTaula, names::strNomCampFiltre, names::lngValorCampFiltre, names::strNomCampOrdre});
    declaration.list.guard = [](const Params& p) { return ColumnCheck(p[0], {&p[1], &p[3]}); };
    declaration.list.sql = [](const Params& p) {
        std::string text = "Select * From " + p[0].asString();
        if (!p[1].asString().empty())
            text += " Where " + p[1].asString() + " = " + com::Str(p[2].asLong());
        if (!p[3].asString().empty()) text += " Order By " + p[3].asString();
        return text;
    };

    // Table, key column, key value.
    const ArgumentReader readRow =
        ReadFields({names::strNomTaula, names::strNomCampIdentificador, names::lngValorIdentificador});
    const SqlBuilder rowCheck = [](const Params& p) { return ColumnCheck(p[0], {&p[1]}); };
    declaration.byKey.read = readRow;
    declaration.byKey.guard = rowCheck;
    declaration.byKey.sql = [](const Params& p) {
        return sql::SelectWhere(p[0].asString(), p[1].asString(), com::Str(p[2].asLong()));
    };
    declaration.remove.read = readRow;
    declaration.remove.guard = rowCheck;
    declaration.remove.sql = [](const Params& p) {
        return sql::DeleteWhere(p[0].asString(), p[1].asString(), com::Digits(p[2].asLong()));
    };

    declaration.save.guard = ChangeSetCheck;

    // The table name alone.
    declaration.empty.read = ReadText;
    declaration.empty.guard = [](const Params& p) { return ColumnCheck(p[0], {}); };
    declaration.empty.sql = [](const Params& p) { return sql::Empty(p[0].asString()); };
    return declaration;
}();

const bool registered [[maybe_unused]] = RegisterManager(kDeclaration);

}  // namespace
}  // namespace quossa
