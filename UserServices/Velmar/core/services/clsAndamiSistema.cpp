#include "core/services/clsAndamiSistema.h"

#include "Brintel/BrintelNames.h"
#include "Com/Registry.h"
#include "core/services/QtTranslation.h"

namespace velmar {
namespace {

// A number property: its value converted to 32 bits and stored unchecked;
// an object assigned to it changes nothing.
template <int32_t (clsAndamiSistema::*Read)() const, void (clsAndamiSistema::*Write)(int32_t)>
void NumberProperty(com::Members<clsAndamiSistema>& members, std::string name) {
    members.property(
        std::move(name), [](clsAndamiSistema& s) { return com::Variant((s.*Read)()); },
        [](clsAndamiSistema& s, const com::Variant& v) { (s.*Write)(v.toLong()); },
        [](clsAndamiSistema&, const com::Variant&) {});
}

}  // namespace

const com::Members<clsAndamiSistema>& clsAndamiSistema::Interface() {
    static const com::Members<clsAndamiSistema> members = [] {
        com::Members<clsAndamiSistema> m;
        m.property("SySSessio", [](clsAndamiSistema& s) { return com::Variant(s.SySSessio); }, {},
                   [](clsAndamiSistema& s, const com::Variant& v) { s.SySSessio = v.toObject(); });
        NumberProperty<&clsAndamiSistema::Idioma, &clsAndamiSistema::SetIdioma>(m, "Idioma");
        NumberProperty<&clsAndamiSistema::Usuari, &clsAndamiSistema::SetUsuari>(m, "Usuari");
        NumberProperty<&clsAndamiSistema::Projecte, &clsAndamiSistema::SetProjecte>(m, "Projecte");
        return m;
    }();
    return members;
}

clsAndamiSistema::clsAndamiSistema()
    : SySSessio(com::CreateObject(com::ProgID(brintel::names::Brintel, brintel::names::SVrTransaccions))) {}

clsAndamiSistema::~clsAndamiSistema() { SySSessio = nullptr; }

com::ObjectRef clsAndamiSistema::InstanceRef() {
    static const com::ObjectRef session = std::make_shared<clsAndamiSistema>();
    return session;
}

clsAndamiSistema& clsAndamiSistema::Instance() { return static_cast<clsAndamiSistema&>(*InstanceRef()); }

int32_t clsAndamiSistema::Idioma() const { return (idioma_ == 1 || idioma_ == 2 || idioma_ == 5) ? idioma_ : 1; }

void clsAndamiSistema::SetIdioma(int32_t value) {
    idioma_ = value;
    SetQtTranslation(Idioma());
}

}  // namespace velmar
