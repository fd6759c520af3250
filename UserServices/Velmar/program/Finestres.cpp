#include "program/Finestres.h"

#include "admin/frmClients.h"
#include "admin/frmProjectes.h"
#include "core/Procediment.h"
#include "dialogs/frmEntraPassword.h"
#include "dialogs/frmIdiomes.h"
#include "dialogs/frmVisorImatge.h"
#include "lightpoints/frmPuntsLlum.h"
#include "network/frmTrams.h"

namespace velmar {
namespace {

// The viewer's start-up runs as it is shown, on the picture it is given.
std::unique_ptr<QWidget> VisorImatge(const Obertura& obertura) {
    auto visor = std::make_unique<frmVisorImatge>();
    visor->strNomArxiuImatge = obertura.Opcio("picture");
    visor->Show();
    return visor;
}

// One line per window.
constexpr FinestraRegistrada kFinestres[] = {
    {"frmProjectes", Sola<frmProjectes>, ""},
    {"frmClients", Sola<frmClients>, ""},
    {"frmEntraPassword", Sola<frmEntraPassword>, ""},
    {"frmIdiomes", Sola<frmIdiomes>, ""},
    {"frmVisorImatge", VisorImatge, "--picture FILE"},
    {"frmTrams", AmbProjecte<frmTrams>, ""},
    {"frmPuntsLlum", AmbProjecte<frmPuntsLlum>, ""},
};

}  // namespace

const std::string& Obertura::Opcio(std::string_view nom) const {
    const auto found = opcions.find(nom);
    if (found == opcions.end()) com::Raise(com::err::ArgumentNotOptional);
    return found->second;
}

std::span<const FinestraRegistrada> Finestres() { return kFinestres; }

const FinestraRegistrada* TrobaFinestra(std::string_view nom) {
    for (const FinestraRegistrada& finestra : kFinestres)
        if (nom == finestra.nom) return &finestra;
    return nullptr;
}

std::unique_ptr<QWidget> ObreFinestra(const FinestraRegistrada& finestra, const Obertura& obertura) {
    base::ErrorFields error;
    std::unique_ptr<QWidget> window;
    if (base::Guard(error, {base::label::Velmar, finestra.nom}, "Form_Load", false, [&] {
            window = finestra.crea(obertura);
            return true;
        }))
        return window;
    MostraError(error);
    return nullptr;
}

}  // namespace velmar
