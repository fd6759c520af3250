// Luminaires of the light points (T_Lluminaria); the list holds those of every light point.
#include "TableManager.h"

namespace quossa {
namespace {

const ManagerDeclaration kDeclaration = TableManager({
    .className = names::MngLluminaries, .table = "T_Lluminaria", .key = "NumLluminaria",
    .order = "CodLluminaria", .listProcedure = "GetLluminaries",
    .byKeyProcedure = "GetLluminariaById", .saveProcedure = "SaveLluminaria",
    .deleteProcedure = "DeleteLluminaria"});

const bool registered [[maybe_unused]] = RegisterManager(kDeclaration);

}  // namespace
}  // namespace quossa
