// The support functions of the library: its settings file "Brintel.INI",
// the creation of entity-library objects by the configured ProgID prefix and
// machine with the caller's transaction handed down, and the texts of one
// window in one language.
//
// Every member follows the error convention (Base/Guard.h): NumError and
// UbicacioError cleared on entry, on failure its own trail entry appended
// and an empty text or none returned; no error leaves a member. Nothing is
// cached: the settings are read on every use.
#pragma once

#include <string>

#include "BrintelNames.h"
#include "Com/ErrorProperties.h"
#include "Com/Object.h"

namespace brintel {

class clsFuncionsSubCapaSuport : public com::Dispatch<clsFuncionsSubCapaSuport>,
                                 public base::ErrorFields {
public:
    static constexpr std::string_view kClassName = names::clsFuncionsSubCapaSuport;
    static const com::Members<clsFuncionsSubCapaSuport>& Interface();

    // The library's folder and "/Brintel.INI".
    std::string RutaArxiuIni() const;

    // A new object of the entity library: ProgID = DLL_Quossa + class name,
    // created on the machine named by PC_Quossa. With a caller (any object
    // with an IdTransaccio property; an empty variant or none means no
    // caller), the caller's IdTransaccio is set on the new object's GetIT
    // view when it is a "MngTransaccions", else on its GetIV view.
    [[nodiscard]] com::ObjectRef CreaObjecteEntitat(const std::string& strNomClasse,
                                      const com::Variant& objObjecteQueCrida = {});

    // A key of "Brintel.INI", every "{mod}" replaced by the library's folder.
    std::string ConsultaArxiuIniSuport(const std::string& strSeccio, const std::string& strClau);

    std::string StrTran(const std::string& strStringbase, const std::string& strStringARemplacar,
                        const std::string& strStringRemplacable);

    // The T_Idioma rows of window strNomForm in language lngIdioma, always
    // read outside any transaction.
    std::string GetTextIdiomaForm(int32_t lngIdioma, const std::string& strNomForm = {});

private:
    std::string Quossa_DLL();
    std::string Quossa_PC();
    std::string ConsultaArxiuIni(const std::string& path, const std::string& section,
                                 const std::string& key);
};

}  // namespace brintel
