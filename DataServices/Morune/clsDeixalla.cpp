#include "clsDeixalla.h"

#include <algorithm>

#include "Com/Registry.h"
#include "InfoConnexio.h"
#include "ModulPublic.h"
#include "Profile/PrivateProfile.h"
#include "Profile/SettingsReader.h"
#include "TickCount.h"

namespace morune {

namespace {

constexpr base::Location kWhere{base::label::Morune, clsDeixalla::kClassName};

}  // namespace

const com::Members<clsDeixalla>& clsDeixalla::Interface() {
    static const com::Members<clsDeixalla> members =
        com::ErrorProperties<clsDeixalla>()
            .property("RutaArxiuIni", [](clsDeixalla&) { return com::Variant(RutaArxiuIni()); })
            .method(names::AfegeixConnexio,
                    [](clsDeixalla& c, com::Args a) {
                        c.AfegeixConnexio(com::Arg(a, 0));
                        return com::Variant();
                    })
            .method(names::AddConnectionWithAge,
                    [](clsDeixalla& c, com::Args a) {
                        c.AddConnectionWithAge(com::Arg(a, 0), com::Arg(a, 1).toLong());
                        com::Arg(a, 2) = com::Variant(c.NumError);
                        com::Arg(a, 3) = com::Variant(c.UbicacioError);
                        return com::Variant();
                    })
            .method(names::AddAbandonedConnection,
                    [](clsDeixalla& c, com::Args a) {
                        c.AddAbandonedConnection(com::Arg(a, 0));
                        com::Arg(a, 1) = com::Variant(c.NumError);
                        com::Arg(a, 2) = com::Variant(c.UbicacioError);
                        return com::Variant();
                    })
            .method(names::InfoClasseDeixalla,
                    [](clsDeixalla& c, com::Args) {
                        c.InfoClasseDeixalla();
                        return com::Variant();
                    })
            .method("ConsultaArxiuIni", [](clsDeixalla& c, com::Args a) {
                return com::Variant(c.ConsultaArxiuIni(com::Arg(a, 0).toString(), com::Arg(a, 1).toString(),
                                                       com::Arg(a, 2).toString()));
            });
    return members;
}

std::string clsDeixalla::RutaArxiuIni() {
    static const int anchor = 0;
    const std::string folder = profile::ModuleFolder(&anchor);
    return folder.substr(0, folder.find_last_of('/') + 1) + "Dravik/Dravik.INI";
}

void clsDeixalla::AfegeixConnexio(const com::Variant& cntConnexio) {
    registerConnection(cntConnexio, int64_t{0}, /*again=*/false);
}

void clsDeixalla::AddConnectionWithAge(const com::Variant& cntConnexio, int32_t lngAge) {
    registerConnection(cntConnexio, std::max(lngAge, 0), /*again=*/true);
}

void clsDeixalla::AddAbandonedConnection(const com::Variant& cntConnexio) {
    registerConnection(cntConnexio, std::nullopt, /*again=*/false);
}

// Every member reports as AfegeixConnexio: the new ones are the old one with
// a start in the past, which may come twice for one connection (its owner
// registers again whatever the collector that went away left unanswered;
// an abandoned connection is registered once more, to be swept next).
void clsDeixalla::registerConnection(const com::Variant& cntConnexio, std::optional<int64_t> age, bool again) {
    base::Guard(*this, kWhere, names::AfegeixConnexio, [&] {
        ModulPublic& shared = ModulPublic::Instance();
        if (!shared.active()) {
            const int32_t period = setting("PeriodicitatRecolectorDeixalla");
            const int32_t maxAge = setting("MaximTempsDeTransaccio");
            shared.setUp(period, maxAge);
        }
        auto registration = std::make_shared<InfoConnexio>();
        registration->cntConnexio = cntConnexio.toObject();
        if (again && registration->cntConnexio && shared.holds(registration->cntConnexio)) return;
        registration->lngTempsIniciConnexio = TickCount() - age.value_or(int64_t{shared.maximumAge()} + 1);
        shared.add(std::move(registration));
    });
}

int32_t clsDeixalla::setting(const std::string& key) {
    const std::string text = ConsultaArxiuIni(RutaArxiuIni(), "General", key);
    // The leading number, to the nearest whole one (halves to even); 6
    // beyond 32 bits.
    const int32_t ms = com::Variant(com::Val(text)).toLong();
    // A period of 0 or less would sweep without pause, a maximum age of 0
    // or less roll back every transaction at its first sweep: the settings
    // are as unusable as missing ones.
    if (ms <= 0) base::Raise(base::err::KeyMissing, key + " must be a positive number of milliseconds");
    return ms;
}

void clsDeixalla::InfoClasseDeixalla() {
    ModulPublic& shared = ModulPublic::Instance();
    if (!shared.hasCollections()) shared.resetRegistrations();
}

std::string clsDeixalla::ConsultaArxiuIni(const std::string& strRutaArxiuIni, const std::string& strSeccio,
                                          const std::string& strClau) {
    return profile::ConsultaArxiuIni(*this, kWhere, strRutaArxiuIni, strSeccio, strClau);
}

COM_REGISTER_CLASS(names::Morune, clsDeixalla);

}  // namespace morune
