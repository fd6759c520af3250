#include "core/services/Procedure.h"

#include "core/services/clsAndamiSistema.h"

namespace velmar {

void ShowError(const base::ErrorFields& fallada) {
    clsFuncionsCapaInterficie().EmetError(fallada.NumError, fallada.UbicacioError,
                                          clsAndamiSistema::Instance().Idioma());
}

}  // namespace velmar
