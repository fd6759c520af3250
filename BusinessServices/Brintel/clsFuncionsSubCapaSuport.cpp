#include "clsFuncionsSubCapaSuport.h"

#include "Com/Registry.h"
#include "Profile/PrivateProfile.h"
#include "Profile/SettingsReader.h"
#include "Quossa/QuossaNames.h"

namespace brintel {

namespace {

namespace entity = quossa::names;

constexpr base::Location kWhere{base::label::Brintel, clsFuncionsSubCapaSuport::kClassName};

// Runs `body` as the member `operation` of `self`.
template <class Body>
auto Member(clsFuncionsSubCapaSuport& self, std::string_view operation, Body&& body) {
    return base::Guard(self, kWhere, operation, std::forward<Body>(body));
}

std::string LibraryFolder() {
    static const int anchor = 0;
    return profile::ModuleFolder(&anchor);
}

}  // namespace

std::string clsFuncionsSubCapaSuport::RutaArxiuIni() const { return LibraryFolder() + "/Brintel.INI"; }

std::string clsFuncionsSubCapaSuport::ConsultaArxiuIni(const std::string& path,
                                                       const std::string& section,
                                                       const std::string& key) {
    return profile::ConsultaArxiuIni(*this, kWhere, path, section, key);
}

std::string clsFuncionsSubCapaSuport::ConsultaArxiuIniSuport(const std::string& strSeccio,
                                                             const std::string& strClau) {
    return Member(*this, "ConsultaArxiuIniSuport", [&] {
        const std::string value = ConsultaArxiuIni(RutaArxiuIni(), strSeccio, strClau);
        return StrTran(value, std::string(profile::kModuleMarker), LibraryFolder());
    });
}

std::string clsFuncionsSubCapaSuport::StrTran(const std::string& strStringbase,
                                              const std::string& strStringARemplacar,
                                              const std::string& strStringRemplacable) {
    return profile::StrTran(*this, kWhere, strStringbase, strStringARemplacar, strStringRemplacable);
}

std::string clsFuncionsSubCapaSuport::Quossa_DLL() {
    return Member(*this, "Quossa_DLL", [&] { return ConsultaArxiuIniSuport("General", "DLL_Quossa"); });
}

std::string clsFuncionsSubCapaSuport::Quossa_PC() {
    return Member(*this, "Quossa_PC", [&] { return ConsultaArxiuIniSuport("General", "PC_Quossa"); });
}

com::ObjectRef clsFuncionsSubCapaSuport::CreaObjecteEntitat(const std::string& strNomClasse,
                                                            const com::Variant& objObjecteQueCrida) {
    return Member(*this, "CreaObjecteEntitat", [&] {
        const std::string prefix = Quossa_DLL();
        const std::string server = Quossa_PC();
        com::ObjectRef object = com::CreateObject(prefix + strNomClasse, server);
        if (const com::ObjectRef caller = objObjecteQueCrida.toObject()) {
            const bool transactions = com::TypeName(com::Variant(object)) == entity::MngTransaccions;
            const com::ObjectRef view = com::CallForObject(object, transactions ? entity::GetIT : entity::GetIV);
            com::Set(view, com::names::IdTransaccio, com::Get(caller, com::names::IdTransaccio).toObject());
        }
        return object;
    });
}

std::string clsFuncionsSubCapaSuport::GetTextIdiomaForm(int32_t lngIdioma,
                                                        const std::string& strNomForm) {
    return Member(*this, "GetTextIdiomaForm", [&] {
        const com::ObjectRef manager = CreaObjecteEntitat(std::string(entity::MngIdioma));
        const com::ObjectRef view = com::CallForObject(manager, entity::GetIV);
        com::Set(view, com::names::IdTransaccio, nullptr);

        const com::ObjectRef record = CreaObjecteEntitat(std::string(entity::paramIdioma));
        com::Let(record, entity::lngNumIdioma, lngIdioma);
        com::Let(record, entity::strNomFormulari, strNomForm);

        com::Variant argument(record);
        return com::CallRefChecked(view, entity::GetList, com::Args(&argument, 1)).toString();
    });
}

const com::Members<clsFuncionsSubCapaSuport>& clsFuncionsSubCapaSuport::Interface() {
    using Self = clsFuncionsSubCapaSuport;
    static const com::Members<Self> members = com::ErrorProperties<Self>()
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

COM_REGISTER_CLASS(names::Brintel, clsFuncionsSubCapaSuport);

}  // namespace brintel
