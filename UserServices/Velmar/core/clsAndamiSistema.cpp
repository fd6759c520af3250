#include "core/clsAndamiSistema.h"

#include "Com/Registry.h"

namespace velmar {
namespace {

int32_t KnownOr(int32_t stored, int32_t fallback) {
    return (stored == 1 || stored == 2 || stored == 5) ? stored : fallback;
}

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

clsAndamiSistema::clsAndamiSistema() : SySSessio(com::CreateObject("Brintel.SVrTransaccions")) {}

clsAndamiSistema::~clsAndamiSistema() { SySSessio = nullptr; }

com::ObjectRef clsAndamiSistema::InstanceRef() {
    static const com::ObjectRef session = std::make_shared<clsAndamiSistema>();
    return session;
}

clsAndamiSistema& clsAndamiSistema::Instance() { return static_cast<clsAndamiSistema&>(*InstanceRef()); }

int32_t clsAndamiSistema::Idioma() const { return KnownOr(idioma_, 1); }
int32_t clsAndamiSistema::Usuari() const { return KnownOr(usuari_, 14); }
int32_t clsAndamiSistema::Projecte() const { return KnownOr(projecte_, 306); }

}  // namespace velmar
