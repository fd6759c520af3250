#include "clsFuncionsSubCapaSuport.h"

#include "CalleeFailure.h"
#include "Com/Registry.h"
#include "Profile/PrivateProfile.h"
#include "Profile/SettingsReader.h"

namespace brintel {

namespace {

constexpr base::Location kReader{base::label::Brintel, clsFuncionsSubCapaSuport::kClassName};

std::string LibraryFolder() {
    static const int anchor = 0;
    return profile::ModuleFolder(&anchor);
}

// Class name of the entity manager whose transaction view is GetIT.
constexpr std::string_view kTransactionManager = "MngTransaccions";

}  // namespace

template <class Body>
auto clsFuncionsSubCapaSuport::Handled(std::string_view operation, Body&& body) -> decltype(body()) {
    error.clear();
    try {
        return body();
    } catch (...) {
        error.fail(com::ErrorNumber(std::current_exception()), base::label::Brintel, kClassName,
                   operation);
        return {};
    }
}

std::string clsFuncionsSubCapaSuport::RutaArxiuIni() const { return LibraryFolder() + "/Brintel.INI"; }

std::string clsFuncionsSubCapaSuport::ConsultaArxiuIni(const std::string& path,
                                                       const std::string& section,
                                                       const std::string& key) {
    return profile::ConsultaArxiuIni(error, kReader, path, section, key);
}

std::string clsFuncionsSubCapaSuport::ConsultaArxiuIniSuport(const std::string& strSeccio,
                                                             const std::string& strClau) {
    return Handled("ConsultaArxiuIniSuport", [&] {
        std::string value = ConsultaArxiuIni(RutaArxiuIni(), strSeccio, strClau);
        if (error.NumError != 0) com::Raise(error.NumError);
        value = StrTran(value, std::string(profile::kModuleMarker), LibraryFolder());
        if (error.NumError != 0) com::Raise(error.NumError);
        return value;
    });
}

std::string clsFuncionsSubCapaSuport::StrTran(const std::string& strStringbase,
                                              const std::string& strStringARemplacar,
                                              const std::string& strStringRemplacable) {
    return Handled("StrTran", [&] {
        return profile::StrTran(error, kReader, strStringbase, strStringARemplacar, strStringRemplacable);
    });
}

std::string clsFuncionsSubCapaSuport::Quossa_DLL() {
    return Handled("Quossa_DLL", [&] {
        std::string value = ConsultaArxiuIniSuport("General", "DLL_Quossa");
        if (error.NumError != 0) com::Raise(error.NumError);
        return value;
    });
}

std::string clsFuncionsSubCapaSuport::Quossa_PC() {
    return Handled("Quossa_PC", [&] {
        std::string value = ConsultaArxiuIniSuport("General", "PC_Quossa");
        if (error.NumError != 0) com::Raise(error.NumError);
        return value;
    });
}

com::ObjectRef clsFuncionsSubCapaSuport::CreaObjecteEntitat(const std::string& strNomClasse,
                                                            const com::Variant& objObjecteQueCrida) {
    return Handled("CreaObjecteEntitat", [&] {
        const std::string prefix = Quossa_DLL();
        if (error.NumError != 0) com::Raise(error.NumError);
        const std::string server = Quossa_PC();
        if (error.NumError != 0) com::Raise(error.NumError);

        com::ObjectRef object = com::CreateObject(prefix + strNomClasse, server);
        if (const com::ObjectRef caller = objObjecteQueCrida.toObject()) {
            const bool transactions = com::TypeName(com::Variant(object)) == kTransactionManager;
            const com::ObjectRef view = com::Call(object, transactions ? "GetIT" : "GetIV").toObject();
            com::Set(view, "IdTransaccio", com::Get(caller, "IdTransaccio").toObject());
        }
        return object;
    });
}

std::string clsFuncionsSubCapaSuport::GetTextIdiomaForm(int32_t lngIdioma,
                                                        const std::string& strNomForm) {
    return Handled("GetTextIdiomaForm", [&] {
        const com::ObjectRef manager = CreaObjecteEntitat("MngIdioma");
        if (error.NumError != 0) com::Raise(error.NumError);
        const com::ObjectRef view = com::Call(manager, "GetIV").toObject();
        com::Set(view, "IdTransaccio", nullptr);

        const com::ObjectRef record = CreaObjecteEntitat("paramIdioma");
        if (error.NumError != 0) com::Raise(error.NumError);
        com::Let(record, "lngNumIdioma", lngIdioma);
        com::Let(record, "strNomFormulari", strNomForm);

        com::Variant argument(record);
        std::string text = com::CallRef(view, "GetList", com::Args(&argument, 1)).toString();
        RaiseIfFailed(error, view);
        return text;
    });
}

const com::Members<clsFuncionsSubCapaSuport>& clsFuncionsSubCapaSuport::Interface() {
    using Self = clsFuncionsSubCapaSuport;
    static const com::Members<Self> members = com::Members<Self>()
        .property("NumError", [](Self& s) { return com::Variant(s.error.NumError); },
                  [](Self& s, const com::Variant& v) { s.error.NumError = v.toLong(); })
        .property("UbicacioError", [](Self& s) { return com::Variant(s.error.UbicacioError); },
                  [](Self& s, const com::Variant& v) { s.error.UbicacioError = v.toString(); })
        .property("RutaArxiuIni", [](Self& s) { return com::Variant(s.RutaArxiuIni()); })
        .method("CreaObjecteEntitat", [](Self& s, com::Args a) {
            const com::Variant* caller = com::OptionalArg(a, 1);
            return com::Variant(s.CreaObjecteEntitat(com::Arg(a, 0).toString(),
                                                     caller ? *caller : com::Variant()));
        })
        .method("ConsultaArxiuIniSuport", [](Self& s, com::Args a) {
            return com::Variant(s.ConsultaArxiuIniSuport(com::Arg(a, 0).toString(),
                                                         com::Arg(a, 1).toString()));
        })
        .method("StrTran", [](Self& s, com::Args a) {
            return com::Variant(s.StrTran(com::Arg(a, 0).toString(), com::Arg(a, 1).toString(),
                                          com::Arg(a, 2).toString()));
        })
        .method("GetTextIdiomaForm", [](Self& s, com::Args a) {
            const com::Variant* form = com::OptionalArg(a, 1);
            return com::Variant(s.GetTextIdiomaForm(com::Arg(a, 0).toLong(),
                                                    form ? form->toString() : std::string()));
        });
    return members;
}

}  // namespace brintel

using brintel::clsFuncionsSubCapaSuport;
COM_REGISTER_CLASS(Brintel, clsFuncionsSubCapaSuport);
