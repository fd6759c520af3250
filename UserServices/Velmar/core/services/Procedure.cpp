#include "core/services/Procedure.h"

#include "Com/ErrorProperties.h"
#include "core/services/clsAndamiSistema.h"

namespace velmar {

void ShowError(const base::ErrorFields& fallada) {
    clsFuncionsCapaInterficie().EmetError(fallada.NumError, fallada.UbicacioError,
                                          clsAndamiSistema::Instance().Idioma());
}

com::Variant CallSupport(const com::ObjectRef& suport, std::string_view member, std::vector<com::Variant> args) {
    return com::CallChecked(suport, member, std::move(args));
}

}  // namespace velmar
