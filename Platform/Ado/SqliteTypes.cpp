#include "Ado/SqliteTypes.h"

#include <cstdlib>
#include <string>

#include "Ado/AdoError.h"
#include "Ado/Engine.h"
#include "Ado/Sql.h"
#include "Ado/ValueText.h"
#include "Base/Text.h"
#include "Com/ComError.h"

namespace ado {

namespace {

using com::Variant;

bool Has(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

DataType IntegerType(const std::string& name) {
    if (Has(name, "bigint") || name == "int8") return DataType::BigInt;
    if (Has(name, "smallint") || name == "int2") return DataType::SmallInt;
    if (Has(name, "tinyint")) return DataType::Byte;
    return DataType::Integer;
}

// The declared type's name without its "(..)", and the numbers inside.
void SplitDeclaration(std::string_view declared, std::string& name, int32_t& first,
                      int32_t& second) {
    const size_t open = declared.find('(');
    name = base::Lower(declared.substr(0, open));
    while (!name.empty() && name.back() == ' ') name.pop_back();
    first = second = 0;
    if (open == std::string_view::npos) return;
    const std::string args(declared.substr(open + 1));
    char* end = nullptr;
    first = static_cast<int32_t>(std::strtol(args.c_str(), &end, 10));
    while (*end == ' ') ++end;
    if (*end == ',') second = static_cast<int32_t>(std::strtol(end + 1, nullptr, 10));
}

std::string_view ColumnText(sqlite3_stmt* statement, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return {text ? text : "", static_cast<size_t>(sqlite3_column_bytes(statement, column))};
}

}  // namespace

bool SqliteDeclaredType(const char* declared, FieldInfo& field) {
    if (!declared || !*declared) return false;
    std::string name;
    int32_t first = 0, second = 0;
    SplitDeclaration(declared, name, first, second);

    // The same order of tests as SQLite's own affinity rules, with the
    // types SQLite has no affinity for (booleans, dates) looked at first.
    if (Has(name, "bool") || name == "bit")
        field.type = DataType::Boolean;
    else if (Has(name, "date") || Has(name, "time"))
        field.type = DataType::DateTime;
    else if (Has(name, "int"))
        field.type = IntegerType(name);
    else if (Has(name, "char") || Has(name, "clob") || Has(name, "text"))
        field.type = DataType::String;
    else if (Has(name, "blob") || Has(name, "binary"))
        field.type = DataType::Binary;
    else if (Has(name, "real") || Has(name, "floa") || Has(name, "doub"))
        field.type = DataType::Double;
    else if (Has(name, "num") || Has(name, "dec"))
        field.type = DataType::Decimal;
    else
        field.type = DataType::String;

    field.definedSize = FixedSize(field.type);
    if (field.type == DataType::String || field.type == DataType::Binary) {
        if (first > 0) field.definedSize = first;
        field.fixedLength = first > 0 && (name == "char" || name == "nchar" || name == "character");
    } else if (field.type == DataType::Decimal) {
        field.precision = first;
        field.scale = second;
    }
    return true;
}

DataType SqliteStoredType(int storageClass) {
    switch (storageClass) {
        case SQLITE_INTEGER: return DataType::Integer;
        case SQLITE_FLOAT: return DataType::Double;
        case SQLITE_BLOB: return DataType::Binary;
        default: return DataType::String;
    }
}

Cell SqliteValue(sqlite3_stmt* statement, int column, DataType type) {
    switch (sqlite3_column_type(statement, column)) {
        case SQLITE_NULL: return Cell();
        case SQLITE_INTEGER: {
            const int64_t v = sqlite3_column_int64(statement, column);
            switch (type) {
                case DataType::Boolean: return Cell(v != 0);
                case DataType::Double:
                case DataType::Decimal: return Cell(static_cast<double>(v));
                case DataType::String: return Cell(ColumnText(statement, column));
                default: return Cell::Whole(v);
            }
        }
        case SQLITE_FLOAT: {
            const double v = sqlite3_column_double(statement, column);
            if (type == DataType::Boolean) return Cell(v != 0);
            if (type == DataType::String) return Cell(ColumnText(statement, column));
            return Cell(v);
        }
        default: {
            const std::string_view text = ColumnText(statement, column);
            if (type == DataType::DateTime) {
                com::Date date;
                if (ReadDate(text, date)) return Cell(date);
            } else if (type == DataType::Boolean) {
                if (com::SameName(text, "true")) return Cell(true);
                if (com::SameName(text, "false")) return Cell(false);
            }
            return Cell(text);
        }
    }
}

int SqliteBind(sqlite3_stmt* statement, std::span<const Variant> params) {
    int index = 0;
    for (const Variant& v : params) {
        ++index;
        int rc = SQLITE_OK;
        switch (v.type()) {
            case Variant::Type::Empty:
            case Variant::Type::Null: rc = sqlite3_bind_null(statement, index); break;
            case Variant::Type::Long: rc = sqlite3_bind_int(statement, index, v.asLong()); break;
            case Variant::Type::Double:
                rc = sqlite3_bind_double(statement, index, v.asDouble());
                break;
            case Variant::Type::Bool:
                rc = sqlite3_bind_int(statement, index, v.asBool() ? 1 : 0);
                break;
            case Variant::Type::String:
                rc = sqlite3_bind_text64(statement, index, v.asString().data(), v.asString().size(),
                                         SQLITE_STATIC, SQLITE_UTF8);
                break;
            case Variant::Type::Date: {
                const std::string iso = DateText(v.asDate());
                rc = sqlite3_bind_text64(statement, index, iso.data(), iso.size(), SQLITE_TRANSIENT,
                                         SQLITE_UTF8);
                break;
            }
            case Variant::Type::Object:
                com::Raise(err::TypeMismatch,
                           "An object cannot be a parameter of an SQL statement");
        }
        if (rc != SQLITE_OK) return rc;
    }
    return SQLITE_OK;
}

}  // namespace ado
