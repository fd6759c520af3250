#include "program/Finestres.h"

#include "admin/frmClients.h"
#include "admin/frmManteniments.h"
#include "admin/frmProjectes.h"
#include "admin/frmTaulesAuxiliars.h"
#include "admin/frmUsuariProjecte.h"
#include "admin/frmUsuaris.h"
#include "Ado/Recordset.h"
#include "Brintel/BrintelNames.h"
#include "Com/Registry.h"
#include "core/Procediment.h"
#include "dialogs/frmEntraPassword.h"
#include "dialogs/frmIdiomes.h"
#include "dialogs/frmVisorImatge.h"

namespace velmar {
namespace {

// The viewer's start-up runs as it is shown, on the picture it is given.
std::unique_ptr<QWidget> VisorImatge(const Obertura& obertura) {
    auto visor = std::make_unique<frmVisorImatge>();
    visor->strNomArxiuImatge = obertura.Opcio("picture");
    visor->Show();
    return visor;
}

// The lookup-table editor on the table the command line names: its key is
// the table's key column and its code the first column of text after it.
std::unique_ptr<QWidget> TaulaAuxiliar(const Obertura& obertura) {
    namespace support = brintel::names;
    auto editor = std::make_unique<frmTaulesAuxiliars>();
    editor->strNomTaula = obertura.Opcio("table");
    const com::ObjectRef suport = com::CreateObject(com::ProgID(support::Brintel, support::SvrTaulesAuxiliars));
    const ado::Recordset buida = ado::Recordset::FromXml(
        CridaSuport(suport, support::GetEmptyRecordset, {editor->strNomTaula}).toString());
    for (int32_t camp = 0; camp < buida.FieldCount(); ++camp) {
        const ado::FieldInfo& field = buida.Field(camp);
        if (editor->strCampIntegritat.empty() && (field.keyColumn || camp == 0))
            editor->strCampIntegritat = field.name;
        else if (editor->strCampLlista.empty() && field.type == ado::DataType::String)
            editor->strCampLlista = field.name;
    }
    editor->Obre();
    return editor;
}

// The projects of the user that the user window opens on, as that window
// shows them; the window, never shown, ends with the dialog.
std::unique_ptr<QWidget> AccesProjectes(const Obertura&) {
    auto dialeg = std::make_unique<frmUsuariProjecte>();
    auto* usuaris = new frmUsuaris;
    QObject::connect(dialeg.get(), &QObject::destroyed, [usuaris] { delete usuaris; });
    dialeg->frmFormulariQueCrida = usuaris->Objecte();
    dialeg->Obre();
    return dialeg;
}

// One line per window.
constexpr FinestraRegistrada kFinestres[] = {
    {"frmProjectes", Sola<frmProjectes>, ""},
    {"frmClients", Sola<frmClients>, ""},
    {"frmManteniments", Sola<frmManteniments>, ""},
    {"frmTaulesAuxiliars", TaulaAuxiliar, "--table T_Name"},
    {"frmUsuaris", Sola<frmUsuaris>, ""},
    {"frmUsuariProjecte", AccesProjectes, ""},
    {"frmEntraPassword", Sola<frmEntraPassword>, ""},
    {"frmIdiomes", Sola<frmIdiomes>, ""},
    {"frmVisorImatge", VisorImatge, "--picture FILE"},
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
