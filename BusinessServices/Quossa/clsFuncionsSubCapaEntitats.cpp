#include "clsFuncionsSubCapaEntitats.h"

#include "Com/Registry.h"

namespace quossa {

const com::Members<clsFuncionsSubCapaEntitats>& clsFuncionsSubCapaEntitats::Interface() {
    using Self = clsFuncionsSubCapaEntitats;
    static const com::Members<Self> m =
        com::Members<Self>()
            .property(
                "NumError", [](Self& s) { return com::Variant(s.errors.NumError); },
                [](Self& s, const com::Variant& v) { s.errors.NumError = v.toLong(); })
            .property(
                "UbicacioError", [](Self& s) { return com::Variant(s.errors.UbicacioError); },
                [](Self& s, const com::Variant& v) { s.errors.UbicacioError = v.toString(); })
            .method("CreaObjecteDades", [](Self& s, com::Args args) {
                return com::Variant(s.CreaObjecteDades(com::OptionalArg(args, 0)));
            });
    return m;
}

com::ObjectRef clsFuncionsSubCapaEntitats::CreaObjecteDades(const com::Variant* caller) {
    errors.clear();
    try {
        com::ObjectRef data = com::CreateObject("Dravik.clsBD");
        if (caller) {
            // Exact comparison: only the transaction manager offers GetIT.
            const char* viewMember =
                com::TypeName(*caller) == "MngTransaccions" ? "GetIT" : "GetIV";
            const com::ObjectRef view = com::Call(caller->toObject(), viewMember).toObject();
            com::Set(data, "IdTransaccio", com::Get(view, "IdTransaccio").toObject());
        }
        return data;
    } catch (...) {
        errors.fail(com::ErrorNumber(std::current_exception()), base::label::Quossa, kClassName,
                    "CreaObjecteDades");
        return nullptr;
    }
}

COM_REGISTER_CLASS(Quossa, clsFuncionsSubCapaEntitats);

}  // namespace quossa
