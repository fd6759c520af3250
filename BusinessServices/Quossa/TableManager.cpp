#include "TableManager.h"

namespace quossa {

namespace sql {

std::string ListAll(std::string_view table, std::string_view order) {
    return "Select * From " + std::string(table) + " Order By " + std::string(table) + "." +
           std::string(order);
}

std::string ListWhere(std::string_view table, std::string_view column, const std::string& number,
                      std::string_view order) {
    return SelectWhere(table, column, number) + " Order By " + std::string(table) + "." +
           std::string(order);
}

std::string SelectWhere(std::string_view table, std::string_view column, const std::string& number) {
    return "Select * From " + std::string(table) + " Where " + std::string(column) + " = " + number;
}

std::string DeleteWhere(std::string_view table, std::string_view column, const std::string& number) {
    return "Delete * From " + std::string(table) + " Where " + std::string(column) + " = " + number;
}

std::string Empty(std::string_view table) { return "Select * From " + std::string(table) + " Where False"; }

}  // namespace sql

ManagerSpec TableManager(const TableDeclaration& d) {
    const std::string table(d.table), key(d.key), order(d.order), filter(d.listFilter);
    ManagerSpec spec;
    spec.className = d.className;

    spec.list = {std::string(d.listProcedure), DataCall::ConsultaXML, IgnoreArgument,
                 [table, order](const Params&) { return sql::ListAll(table, order); }};
    if (!filter.empty()) {
        spec.list.read = ReadLong;
        spec.list.sql = [table, filter, order, form = d.listForm](const Params& p) {
            return sql::ListWhere(table, filter, form(p[0].toLong()), order);
        };
    }
    spec.byKey = {std::string(d.byKeyProcedure), DataCall::ConsultaXML, ReadLong,
                  [table, key, form = d.byKeyForm](const Params& p) {
                      return sql::SelectWhere(table, key, form(p[0].toLong()));
                  }};
    spec.save = {std::string(d.saveProcedure), DataCall::UpdateXML, ReadText, {}};
    spec.remove = {std::string(d.deleteProcedure), DataCall::ExecutaSQL, ReadLong,
                   [table, key, form = d.deleteForm](const Params& p) {
                       return sql::DeleteWhere(table, key, form(p[0].toLong()));
                   }};
    spec.empty = {std::string(d.emptyProcedure), DataCall::ConsultaXML, IgnoreArgument,
                  [table](const Params&) { return sql::Empty(table); }};
    return spec;
}

}  // namespace quossa
