#include "clsFuncionsSubCapaEntitats.h"

#include "Com/Registry.h"
#include "Dravik/DravikNames.h"

namespace quossa {

namespace {

constexpr base::Location kWhere{base::label::Quossa, clsFuncionsSubCapaEntitats::kClassName};

}  // namespace

const com::Members<clsFuncionsSubCapaEntitats>& clsFuncionsSubCapaEntitats::Interface() {
    using Self = clsFuncionsSubCapaEntitats;
    static const com::Members<Self> m =
        com::ErrorProperties<Self>().method("CreaObjecteDades", [](Self& s, com::Args args) {
            return com::Variant(s.CreaObjecteDades(com::OptionalArg(args, 0)));
        });
    return m;
}

com::ObjectRef clsFuncionsSubCapaEntitats::CreaObjecteDades(const com::Variant* caller) {
    return base::Guard(*this, kWhere, "CreaObjecteDades", [&] {
        com::ObjectRef data = com::CreateObject(com::ProgID(dravik::names::Dravik, dravik::names::clsBD));
        if (caller) {
            // Exact comparison: only the transaction manager offers GetIT.
            const std::string_view view =
                com::TypeName(*caller) == names::MngTransaccions ? names::GetIT : names::GetIV;
            const com::ObjectRef callerView = com::Call(caller->toObject(), view).toObject();
            com::Set(data, com::names::IdTransaccio, com::Get(callerView, com::names::IdTransaccio).toObject());
        }
        return data;
    });
}

COM_REGISTER_CLASS(names::Quossa, clsFuncionsSubCapaEntitats);

}  // namespace quossa
