#include "core/Procediment.h"

#include "Com/ErrorProperties.h"
#include "core/clsAndamiSistema.h"

namespace velmar {

void MostraError(const base::ErrorFields& fallada) {
    clsFuncionsCapaInterficie().EmetError(fallada.NumError, fallada.UbicacioError,
                                          clsAndamiSistema::Instance().Idioma());
}

com::Variant CridaSuport(const com::ObjectRef& suport, std::string_view member, std::vector<com::Variant> args) {
    return com::CallChecked(suport, member, std::move(args));
}

}  // namespace velmar
