#include "Ado/PostgresCatalog.h"

#include <string>

#include "Ado/PostgresResult.h"
#include "Ado/PostgresTypes.h"
#include "Ado/Sql.h"
#include "Base/Text.h"

namespace ado {

namespace {

// Names of the tables, views and their columns in the schemas on the search
// path.
constexpr const char* kNames =
    "SELECT c.relname FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace "
    "WHERE c.relkind IN ('r', 'v', 'm', 'p', 'f') AND n.nspname = ANY (current_schemas(false)) "
    "UNION "
    "SELECT a.attname FROM pg_attribute a JOIN pg_class c ON c.oid = a.attrelid "
    "JOIN pg_namespace n ON n.oid = c.relnamespace "
    "WHERE c.relkind IN ('r', 'v', 'm', 'p', 'f') AND n.nspname = ANY (current_schemas(false)) "
    "AND a.attnum > 0 AND NOT a.attisdropped";

// The table of that name, matched without regard to case; the exact
// spelling first, then the first schema of the search path.
constexpr const char* kTableByName =
    "SELECT c.oid FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace "
    "WHERE c.relkind IN ('r', 'v', 'm', 'p', 'f') AND n.nspname = ANY (current_schemas(false)) "
    "AND lower(c.relname) = lower($1) "
    "ORDER BY c.relname = $1 DESC, array_position(current_schemas(false), n.nspname) LIMIT 1";

// The columns of one table: name, type, Null allowed, given by the database
// (identity, or a serial's sequence), part of the primary key.
constexpr const char* kColumns =
    "SELECT c.relname, a.attnum, a.attname, a.atttypid, a.atttypmod, NOT a.attnotnull, "
    "a.attidentity <> '' OR coalesce(pg_get_expr(d.adbin, d.adrelid) LIKE 'nextval(%', false), "
    "coalesce(a.attnum = ANY (i.indkey), false) "
    "FROM pg_class c JOIN pg_attribute a ON a.attrelid = c.oid AND a.attnum > 0 AND NOT "
    "a.attisdropped "
    "LEFT JOIN pg_attrdef d ON d.adrelid = c.oid AND d.adnum = a.attnum "
    "LEFT JOIN pg_index i ON i.indrelid = c.oid AND i.indisprimary "
    "WHERE c.oid = $1 ORDER BY a.attnum";

bool Flag(const PGresult* r, int row, int column) { return PQgetvalue(r, row, column)[0] == 't'; }

}  // namespace

bool PostgresCatalog::reload() {
    const PgResult r = PgRun(connection_, kNames);
    DeclaredNames names;
    for (int row = 0; row < PQntuples(r.get()); ++row) {
        const std::string name = PQgetvalue(r.get(), row, 0);
        std::string lower = base::Lower(name);
        if (lower != name) names.emplace(std::move(lower), name);
    }
    tables_.clear();
    tablesByName_.clear();
    const bool changed = names != names_;
    names_ = std::move(names);
    return changed;
}

const PostgresCatalog::Table* PostgresCatalog::load(Oid table, bool fresh) {
    auto it = tables_.find(table);
    if (it != tables_.end() && !fresh) return it->second ? &*it->second : nullptr;

    const std::string oid = std::to_string(table);
    const char* params[] = {oid.c_str()};
    const PgResult r = PgRun(connection_, kColumns, 1, params);
    std::optional<Table> loaded;
    if (PQntuples(r.get()) > 0) {
        loaded.emplace();
        loaded->info.name = PQgetvalue(r.get(), 0, 0);
        for (int row = 0; row < PQntuples(r.get()); ++row) {
            FieldInfo type;
            PostgresColumnType(static_cast<Oid>(std::stoul(PQgetvalue(r.get(), row, 3))),
                               std::stoi(PQgetvalue(r.get(), row, 4)), type);
            ColumnInfo c;
            c.name = PQgetvalue(r.get(), row, 2);
            c.type = type.type;
            c.definedSize = type.definedSize;
            c.nullable = Flag(r.get(), row, 5);
            c.autoIncrement = Flag(r.get(), row, 6);
            c.key = Flag(r.get(), row, 7);
            loaded->info.columns.push_back(std::move(c));
            loaded->numbers.push_back(std::stoi(PQgetvalue(r.get(), row, 1)));
        }
    }
    auto& slot = tables_[table];
    slot = std::move(loaded);
    return slot ? &*slot : nullptr;
}

std::pair<const TableInfo*, const ColumnInfo*> PostgresCatalog::column(Oid table, int number) {
    // A column added since the table was read: read it again, once.
    for (const bool fresh : {false, true}) {
        const Table* t = load(table, fresh);
        if (!t) return {nullptr, nullptr};
        for (size_t i = 0; i < t->numbers.size(); ++i)
            if (t->numbers[i] == number) return {&t->info, &t->info.columns[i]};
    }
    return {nullptr, nullptr};
}

const TableInfo* PostgresCatalog::table(std::string_view name) {
    const std::string key = base::Lower(name);
    const auto known = tablesByName_.find(key);
    if (known != tablesByName_.end())
        if (const Table* t = load(known->second, false)) return &t->info;

    const std::string text(name);
    const char* params[] = {text.c_str()};
    const PgResult r = PgRun(connection_, kTableByName, 1, params);
    if (PQntuples(r.get()) == 0) return nullptr;
    const Oid oid = static_cast<Oid>(std::stoul(PQgetvalue(r.get(), 0, 0)));
    tablesByName_[key] = oid;
    const Table* t = load(oid, false);
    return t ? &t->info : nullptr;
}

}  // namespace ado
