// Light-point patterns (T_PatroPLL): only the list is offered; every other
// member answers 518.
#include "TableManager.h"

namespace quossa {
namespace {

const ManagerDeclaration kDeclaration = TableManager({
    .className = names::MngPatronsPuntLlum, .table = "T_PatroPLL", .key = "NumPatroPLL",
    .order = "CodPatroPLL", .listProcedure = "GetPatronsPuntsLlum", .emptyProcedure = ""});

const bool registered [[maybe_unused]] = RegisterManager(kDeclaration);

}  // namespace
}  // namespace quossa
