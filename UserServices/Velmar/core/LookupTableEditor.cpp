#include "core/LookupTableEditor.h"

#include "core/RegisteredFactory.h"

namespace velmar {
namespace {

RegisteredFactory<frmTaulesAuxiliarsBase>& Editors() {
    static RegisteredFactory<frmTaulesAuxiliarsBase> editors(NouFormulariTaulesAuxiliars);
    return editors;
}

}  // namespace

FabricaTaulesAuxiliars RegistraFormulariTaulesAuxiliars(FabricaTaulesAuxiliars fabrica) {
    return Editors().Register(std::move(fabrica));
}

std::unique_ptr<frmTaulesAuxiliarsBase> CreateLookupTableEditor() { return Editors().Create(); }

}  // namespace velmar
