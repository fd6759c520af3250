#include "lightpoints/frmPuntsLlum.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTreeWidget>

#include "Brintel/BrintelNames.h"
#include "core/binding/BindingControl.h"
#include "core/controls/Locking.h"
#include "core/controls/DataCombo.h"
#include "core/services/Dialogs.h"

namespace velmar {
namespace {

namespace support = brintel::names;

constexpr const char* kPunts = "rstRecordsetPunts";

std::function<std::vector<com::Variant>()> Arguments(const char* name, const char* order) {
    return [name, order] { return std::vector<com::Variant>{name, order}; };
}

// The lookup lists, each every row of its table in the order of its code.
struct Llista {
    const char* recordset;
    const char* taula;
    const char* ordre;
};
constexpr Llista kLlistes[] = {
    {"rstRecordsetSuport", "TSP_Suport", "CodSPSuport"},
    {"rstRecordsetSuportTipus", "TTS_SuportTipus", "CodSuportTipus"},
    {"rstRecordsetSuportSeccio", "TTS_SuportSeccio", "CodSuportSeccio"},
    {"rstRecordsetSuportMaterial", "TTS_SuportMaterial", "CodSuportMaterial"},
    {"rstRecordsetSuportColor", "TTS_SuportColor", "CodSuportColor"},
    {"rstRecordsetSuportMarca", "TTS_SuportMarca", "CodSuportMarca"},
    {"rstRecordsetSuportPropietat", "TSP_SuportPropietat", "PropValor"},
    {"rstRecordsetSuportPropietatTipus", "TTS_SuportPropietatTipus", "CodPropTipus"},
    {"rstRecordsetPresaTerra", "TTS_PresaTerra", "CodTerraCable"},
    {"rstRecordsetSeccioCable", "TT_SeccioCable", "CodSeccioCable"},
    {"rstRecordsetTipusLlum", "TTLL_TipusLlum", "CodLlumTipus"},
    {"rstRecordsetLluminariaTipus", "TTLL_LluminariaTipus", "CodLluminariaTipus"},
    {"rstRecordsetLluminariaMarca", "TTLL_LluminariaMarca", "CodLluminariaMarca"},
    {"rstRecordsetLluminariaModel", "TTLL_LluminariaModel", "CodLluminariaModel"},
    {"rstRecordsetBombetaForma", "TTLL_BombetaForma", "CodBombetaForma"},
    {"rstRecordsetBombetaMarca", "TTLL_BombetaMarca", "CodBombetaMarca"},
    {"rstRecordsetBombetaModel", "TTLL_BombetaModel", "CodBombetaModel"},
    {"rstRecordsetEquipUbicacio", "TTLL_EquipUbicacio", "CodEquipUbicacio"},
    {"rstRecordsetEquipMarca", "TTLL_EquipMarca", "CodEquipMarca"},
    {"rstRecordsetEquipModel", "TTLL_EquipModel", "CodEquipModel"},
    {"rstRecordsetCaixaTipus", "TTS_CaixaTipus", "CodCaixaTipus"},
    {"rstRecordsetCaixaMarca", "TTS_CaixaMarca", "CodCaixaMarca"},
    {"rstRecordsetCaixaUbicacio", "TTS_CaixaUbicacio", "CodCaixaUbicacio"},
    {"rstRecordsetCaixaModel", "TTS_CaixaModel", "CodiCaixaModel"},
    {"rstRecordsetFusiblesAmpers", "TT_FusibleA", "CodFusibleA"},
};

// The tables the window saves, in the order it sends them.
const std::vector<std::string> kOrdreDesa = {
    "rstRecordsetActual",          "rstRecordsetSuport",     "rstRecordsetPresaTerra",
    "rstRecordsetSuportPropietat", "rstRecordsetPatronsLlum", "rstRecordsetLluminaries",
    "rstRecordsetLluminariaModel",
};

// The 23 data combos, each checked before a save.
const std::vector<std::string> kDataCombos = {
    "cmbAmpers",        "cmbCarrer",          "cmbColorSuport",  "cmbForma",          "cmbMarcaBombeta",
    "cmbMarcaCaixa",    "cmbMarcaEquip",      "cmbMarcaLluminaria", "cmbMarcaSuport", "cmbMaterial",
    "cmbModelBombeta",  "cmbModelCaixa",      "cmbModelEquip",   "cmbModelLluminaria", "cmbSeccioSuport",
    "cmbSeccioTerra",   "cmbTipusCaixa",      "cmbTipusLlum",    "cmbTipusLluminaria", "cmbTipusSuport",
    "cmbTipusTerra",    "cmbUbicacioCaixa",   "cmbUbicacioEquip",
};

DataWindow::Declaration DeclaracioPuntsLlum(frmPuntsLlum* window) {
    const auto projecte = [window] { return std::vector<com::Variant>{window->Projecte()}; };
    std::vector<TableDeclaration> taules = {
        {.recordset = "rstRecordsetEscomeses", .llista = support::GetEscomeses, .arguments = projecte},
        {.recordset = "rstRecordsetCarrers", .llista = support::GetCarrers, .arguments = projecte},
        {.recordset = "rstRecordsetPatronsLlum", .llista = support::GetPatronsPuntsLlum,
         .desa = support::SaveTaulaAuxiliar},
        {.recordset = "rstRecordsetCaracteristiques", .llista = support::GetCaractSuport},
        {.recordset = "rstRecordsetLluminaries", .llista = support::GetLluminaries,
         .desa = support::SaveTaulaAuxiliar},
    };
    for (const Llista& l : kLlistes)
        taules.push_back({.recordset = l.recordset, .llista = support::GetListAuxiliar,
                          .arguments = Arguments(l.taula, l.ordre), .desa = support::SaveTaulaAuxiliar});
    return {.nom = "frmPuntsLlum",
            .classeSuport = support::SvrPuntsLlum,
            .recupera = "RecuperaPuntsLlum",
            .actual = {.llista = support::GetPuntsLlum,
                       .arguments = [window] { return std::vector<com::Variant>{window->Escomesa()}; },
                       .desa = support::SavePuntLlum},
            .taules = std::move(taules),
            .ordreDesa = kOrdreDesa,
            .reglesDesa = {Rule::EmptyFields({"cmbCarrer", "txtPostal", "txtCodi"}, "valAlgunCampNecessariBuit"),
                           Rule::ValuesNotInList(kDataCombos, "valValorsNoEsTrobenEnCombos"),
                           Rule::Repeated("CodPuntLlum", "valRepetitCodiPuntLlum"),
                           Rule::InvalidDates({"txtDataAltaInventari", "txtDataBaixaInventari", "txtInstalacio"},
                                              "valDataNoValida"),
                           // The pattern's number is typed, not picked from a list.
                           Rule::KeyNotFound("txtCodiPatro", "rstRecordsetPatronsLlum", "NumPatroPLL",
                                              "valNoSuchPattern")},
            .reglesElimina = {Rule::PastDate("DataAltaInventari", "valDataAltaPassada"), Rule::Referenced()}};
}

RecordWindow::RecordParts RegistrePuntsLlum() {
    return {.clau = "NumPuntLlum",
            .navegador = {.codiPrimer = "PrimerTextNumRegistre", .primer = "PuntLlum",
                          .codiSegon = "SegonTextNumRegistre", .segon = "de"},
            // Read as a step of ObteDadesPuntLlumActual.
            .punts = VertexList::Declaration{.columnes = {{"CoordenadaX", "clhX", "X"}, {"CoordenadaY", "clhY", "Y"}},
                                             .clau = "NumPuntLlum",
                                             .llista = support::GetPLlumPunts,
                                             .buida = support::GetEmptyRstPLlumPunts},
            .ordresEdicio = {"cmdSituar", "cmdAfegirPropietat", "cmdEliminarPropietat", "cmdAfegirLluminaria",
                             "cmdEliminarLluminaria", "cmdEscullFotoLluminaria", "cmdEscullFotoSuport",
                             "cmdEscullFotoPatro"},
            .ordresDades = {"cmdFoto", "cmdFotoSuport", "cmdFotoLluminaria"},
            // Until a connection is shown whole, the data commands wait.
            .dadesAmbTria = true};
}

}  // namespace

frmPuntsLlum::frmPuntsLlum(int32_t projecte, QWidget* parent)
    : RecordWindow(DeclaracioPuntsLlum(this), RegistrePuntsLlum(), parent), projecte_(projecte) {
    Disseny();
    IniciFormulari();
}

frmPuntsLlum::~frmPuntsLlum() = default;

Table& frmPuntsLlum::T(const char* nom) { return *TableByName(nom); }

// No row has the key -1.
void frmPuntsLlum::Filtra(const char* taula, const char* camp, const com::Variant& valor) {
    const std::string numero = valor.isNull() || valor.isEmpty() ? "-1" : com::Digits(valor.toLong());
    T(taula)->SetFilter(std::string(camp) + " = " + numero);
}

// --- set-up --------------------------------------------------------------------

void frmPuntsLlum::BeforeBinding() {
    lluminaries_->ReadTexts();
    OmpleComboPropietat();
}

void frmPuntsLlum::FinishStart() {
    const std::string propietat = MessageOrDefault("chlPropietat", "Propietat");
    const std::string valor = MessageOrDefault("chlValor", "Valor");
    const std::string observacions = MessageOrDefault("chlObservacions", "Observacions");
    const std::string suport = MessageOrDefault("tabSuport", "Suport");
    const std::string general = MessageOrDefault("tabGeneral", "General");
    const std::string lluminaries = MessageOrDefault("tabLluminaries", "Lluminàries");
    tabDades->setTabText(0, QString::fromStdString(general));
    tabDades->setTabText(1, QString::fromStdString(suport));
    tabDades->setTabText(2, QString::fromStdString(lluminaries));
    lstPropietats->setHeaderLabels({QString::fromStdString(propietat), QString::fromStdString(valor),
                                    QString::fromStdString(observacions)});
    // The remark of a new property is typed into a box of no field: it
    // takes no more than its column holds, as a bound box does.
    const ado::Recordset& propietats = *T("rstRecordsetSuportPropietat");
    findChild<QLineEdit*>("txtObservacionsPropietats")
        ->setMaxLength(binding::TextLimit(propietats.Field(propietats.FieldIndex("Observacions"))));
}

void frmPuntsLlum::RefreshModeFormEdicio(bool edicio) {
    RecordWindow::RefreshModeFormEdicio(edicio);
    lluminaries_->Enable(HasData());
    // The pattern's number is typed: while it is edited, the pattern and
    // its support follow it as a number is read from the typing.
    patternTyped_.reset();
    if (!edicio || !rstRecordsetActual) return;
    const int32_t patro = rstRecordsetActual->FieldIndex("NumPatroPLL");
    patternTyped_ = rstRecordsetActual->Listen({.fieldChanged = [this, patro](int32_t field) {
        if (field == patro) TopLevel("ShowPointPattern", [this] { ShowPointPattern(); });
    }});
}

// --- the record ------------------------------------------------------------------

void frmPuntsLlum::ObteDadesPuntLlumActual() {
    Inner("ObteDadesPuntLlumActual", [this] {
        // Each dependent table shows the rows of the current point; a key
        // the point lacks shows none. The controls bound to them follow
        // their filters through the bindings they have.
        const com::Variant cap = com::Variant::Null();
        const ado::Recordset& punts = *rstRecordsetActual;
        const bool actual = punts.RecordCount() > 0 && !punts.IsBOF() && !punts.IsEOF() &&
                            !punts.Value("NumPuntLlum").isNull();
        if (actual) {
            ShowPointPattern();
            // Its first luminaire, and that one's model.
            Filtra("rstRecordsetLluminaries", "NumPuntLlum", punts.Value("NumPuntLlum"));
            FiltraModelLluminaria();
        } else {
            for (const auto& [taula, camp] :
                 {std::pair{"rstRecordsetPatronsLlum", "NumPatroPLL"}, {"rstRecordsetSuport", "NumSPSuport"},
                  {"rstRecordsetSuportPropietat", "NumSPSuport"}, {"rstRecordsetLluminaries", "NumPuntLlum"},
                  {"rstRecordsetLluminariaModel", "NumLluminariaModel"}})
                Filtra(taula, camp, cap);
            lstPropietats->clear();
        }
        Vertices()->ReadCurrentVertices();
    });
}

void frmPuntsLlum::ShowPointPattern() {
    const com::Variant cap = com::Variant::Null();
    Filtra("rstRecordsetPatronsLlum", "NumPatroPLL", rstRecordsetActual->Value("NumPatroPLL"));
    Table& patrons = T("rstRecordsetPatronsLlum");
    const com::Variant suport = patrons.RowCount() == 0 ? cap : patrons->Value("NumSPSuport");
    Filtra("rstRecordsetSuport", "NumSPSuport", suport);
    Filtra("rstRecordsetSuportPropietat", "NumSPSuport", suport);
    RefrescaLlistaPropietatsSuport();
}

void frmPuntsLlum::OmpleNumeroLluminaria() { lluminaries_->OmpleNumeroRegistre(); }

void frmPuntsLlum::ShowCurrent() {
    ObteDadesPuntLlumActual();
    Navigator()->OmpleNumeroRegistre();
    OmpleNumeroLluminaria();
}

void frmPuntsLlum::Delete() {
    const com::Variant punt = rstRecordsetActual->Value("NumPuntLlum");
    CallSupport(support::DeletePuntLlum, {punt});
    Table& lluminaries = T("rstRecordsetLluminaries");
    const int32_t numLluminaria = lluminaries->FieldIndex("NumLluminaria");
    for (int32_t i = 1; i <= lluminaries.RowCount(); ++i)
        CallSupport(support::DeleteLluminaria, {lluminaries->ValueAt(i, numLluminaria)});
    Table& punts = T(kPunts);
    const int32_t numPunt = punts->FieldIndex("NumPunt");
    for (int32_t i = 1; i <= punts.RowCount(); ++i) CallSupport(support::DeletePLlumPunts, {punts->ValueAt(i, numPunt)});
    UnbindControls();
    rstRecordsetActual->Delete();
    Recupera();
    Load(lluminaries);
    BindControls();
}

}  // namespace velmar
