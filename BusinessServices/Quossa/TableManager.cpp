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

ManagerDeclaration TableManager(const TableDeclaration& d) {
    const std::string table(d.table), key(d.key), order(d.order), filter(d.listFilter);
    ManagerDeclaration declaration;
    declaration.className = d.className;

    declaration.list = {std::string(d.listProcedure), DataCall::ConsultaXML, IgnoreArgument,
                        [table, order](const Params&) { return sql::ListAll(table, order); }};
    if (!filter.empty()) {
        declaration.list.read = ReadLong;
        declaration.list.sql = [table, filter, order, form = d.listForm](const Params& p) {
            return sql::ListWhere(table, filter, form(p[0].toLong()), order);
        };
    }
    declaration.byKey = {std::string(d.byKeyProcedure), DataCall::ConsultaXML, ReadLong,
                         [table, key, form = d.byKeyForm](const Params& p) {
                      return sql::SelectWhere(table, key, form(p[0].toLong()));
                  }};
    declaration.save = {std::string(d.saveProcedure), DataCall::UpdateXML, ReadText, {}};
    declaration.remove = {std::string(d.deleteProcedure), DataCall::ExecutaSQL, ReadLong,
                          [table, key, form = d.deleteForm](const Params& p) {
                       return sql::DeleteWhere(table, key, form(p[0].toLong()));
                   }};
    declaration.empty = {std::string(d.emptyProcedure), DataCall::ConsultaXML, IgnoreArgument,
                         [table](const Params&) { return sql::Empty(table); }};
    return declaration;
}

}  // namespace quossa
