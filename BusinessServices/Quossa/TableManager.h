// The manager of one table: list, read by key, save, delete and empty
// recordset, with the SQL shapes every table manager shares. Most managers
// are this declaration alone; the others change the operations that differ.
#pragma once

#include <string>
#include <string_view>

#include "EntityManager.h"

namespace quossa {

// How a number is written into SQL: com::Str (with a sign position, " 7",
// "-7") or com::Digits ("7", "-7").
using NumberForm = std::string (*)(int32_t);

struct TableDeclaration {
    std::string_view className = {};
    std::string_view table = {};
    std::string_view key = {};    // key column of the by-key read and the delete
    std::string_view order = {};  // order column of the list, qualified by the table
    // The private procedures; a member whose procedure has no name is not
    // offered and answers 518.
    std::string_view listProcedure = {};
    std::string_view byKeyProcedure = {};
    std::string_view saveProcedure = {};
    std::string_view deleteProcedure = {};
    std::string_view emptyProcedure = "GetEmptyRecordset";
    NumberForm byKeyForm = com::Str;
    NumberForm deleteForm = com::Digits;
    // Column the list filters on, equal to the number in its argument;
    // empty: the list holds every row and ignores its argument.
    std::string_view listFilter = {};
    NumberForm listForm = com::Str;
};

ManagerDeclaration TableManager(const TableDeclaration& declaration);

// The SQL shapes. `number` is a number already written in its form.
namespace sql {
// "Select * From T Order By T.O"
std::string ListAll(std::string_view table, std::string_view order);
// "Select * From T Where C = n Order By T.O"
std::string ListWhere(std::string_view table, std::string_view column, const std::string& number,
                      std::string_view order);
// "Select * From T Where C = n"
std::string SelectWhere(std::string_view table, std::string_view column, const std::string& number);
// "Delete * From T Where C = n"
std::string DeleteWhere(std::string_view table, std::string_view column, const std::string& number);
// "Select * From T Where False"
std::string Empty(std::string_view table);
}  // namespace sql

}  // namespace quossa
