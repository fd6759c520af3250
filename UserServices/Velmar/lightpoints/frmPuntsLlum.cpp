#include "lightpoints/frmPuntsLlum.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "Brintel/BrintelNames.h"
#include "core/Bloqueig.h"
#include "core/DataCombo.h"
#include "core/Dialegs.h"
#include "framework/LlistaPunts.h"
#include "framework/Navegador.h"
#include "framework/Triador.h"

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

// The commands that act on the window's data, disabled while it holds
// none it can trust; the navigation besides.
constexpr const char* kOrdresDades[] = {"cmdEditar", "cmdEliminar", "cmdFoto", "cmdFotoSuport", "cmdFotoLluminaria"};

Finestra::Declaracio DeclaracioPuntsLlum(frmPuntsLlum* window) {
    const auto projecte = [window] { return std::vector<com::Variant>{window->Projecte()}; };
    std::vector<DeclaracioTaula> taules = {
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
            .reglesDesa = {Regla::CampsBuits({"cmbCarrer", "txtPostal", "txtCodi"}, "valAlgunCampNecessariBuit"),
                           Regla::ValorsForaDeLlista(kDataCombos, "valValorsNoEsTrobenEnCombos"),
                           Regla::Repetit("CodPuntLlum", "valRepetitCodiPuntLlum"),
                           Regla::DatesNoValides({"txtDataAltaInventari", "txtDataBaixaInventari", "txtInstalacio"},
                                                 "valDataNoValida")},
            .reglesElimina = {Regla::DataPassada("DataAltaInventari", "valDataAltaPassada"), Regla::Referenciada()}};
}

}  // namespace

frmPuntsLlum::frmPuntsLlum(int32_t projecte, QWidget* parent)
    : Finestra(DeclaracioPuntsLlum(this), parent), projecte_(projecte) {
    Disseny();
    IniciFormulari();
}

frmPuntsLlum::~frmPuntsLlum() = default;

Taula& frmPuntsLlum::T(const char* nom) { return *TaulaPerNom(nom); }

// No row has the key -1.
void frmPuntsLlum::Filtra(const char* taula, const char* camp, const com::Variant& valor) {
    const std::string numero = valor.isNull() || valor.isEmpty() ? "-1" : com::Digits(valor.toLong());
    T(taula)->SetFilter(std::string(camp) + " = " + numero);
}

// --- set-up --------------------------------------------------------------------

void frmPuntsLlum::IniciFormulari() {
    TopLevel("IniciFormulari", [this] {
        CreaSuport();
        Tradueix();
        lstPunts->ConfiguraLlistaPunts();
        Entra(Mode::Consulta);
        // The connections and streets of the window's project, the patterns,
        // characteristics, luminaires and lookup lists; the map points come
        // with each point.
        CarregaTaules();
        punts_->LlegeixTextos();
        lluminaries_->LlegeixTextos();
        OmpleComboPropietat();
        triador_->Omple();
        // A project without connections shows no points.
        if (!triador_->Buit()) {
            triador_->Fixa();
        } else {
            RecuperaPuntsLlum(0);
            OmpleNumeroRegistre();
            OmpleNumeroLluminaria();
        }
        LligaControls();
        PosaOrigensCombos();
        ObteDadesPuntLlumActual();
        RefreshModeFormEdicio(false);
        triador_->Inicia();
        const std::string propietat = MissatgeDefecte("chlPropietat", "Propietat");
        const std::string valor = MissatgeDefecte("chlValor", "Valor");
        const std::string observacions = MissatgeDefecte("chlObservacions", "Observacions");
        const std::string suport = MissatgeDefecte("tabSuport", "Suport");
        const std::string general = MissatgeDefecte("tabGeneral", "General");
        const std::string lluminaries = MissatgeDefecte("tabLluminaries", "Lluminàries");
        tabDades->setTabText(0, QString::fromStdString(general));
        tabDades->setTabText(1, QString::fromStdString(suport));
        tabDades->setTabText(2, QString::fromStdString(lluminaries));
        lstPropietats->setHeaderLabels({QString::fromStdString(propietat), QString::fromStdString(valor),
                                        QString::fromStdString(observacions)});
    });
    if (NumError != 0) {
        // What the window holds cannot be trusted: it stays browsing, and
        // only what needs no data can be used.
        Entra(Mode::Consulta);
        HabilitaDades(false);
    }
}

// The points of the connection chosen, all or none: on a failure the
// window keeps the connection it held, its controls bound to it.
void frmPuntsLlum::CarregaEscomesa(int32_t escomesa) {
    DeslligaControls();
    const int32_t abans = lngEscomesa_;
    try {
        RecuperaPuntsLlum(escomesa);
    } catch (...) {
        lngEscomesa_ = abans;
        EnSortir([this] { LligaControls(); });
        HabilitaDades(false);
        throw;
    }
    LligaControls();
}

// The first point of the connection taken, with what hangs on it. Until a
// connection is shown whole, the window's data commands wait.
void frmPuntsLlum::MostraEscomesa() {
    try {
        MostraPuntActual();
    } catch (...) {
        HabilitaDades(false);
        throw;
    }
    HabilitaDades(true);
}

void frmPuntsLlum::HabilitaDades(bool habilitades) {
    dades_ = habilitades;
    for (const char* name : kOrdresDades) findChild<QPushButton*>(name)->setEnabled(habilitades);
    lluminaries_->Habilita(habilitades);
    // Those that follow the mode follow it again.
    RefreshModeFormEdicio(ModeEdicio());
}

// --- modes -----------------------------------------------------------------------

void frmPuntsLlum::RefreshModeFormEdicio(bool edicio) {
    Finestra::RefreshModeFormEdicio(edicio);
    TopLevel("RefreshModeFormEdicio", [this, edicio] {
        const auto enabled = [this](const char* name, bool on) { findChild<QPushButton*>(name)->setEnabled(on); };
        for (const char* name : {"cmdSituar", "cmdAfegirPropietat", "cmdEliminarPropietat", "cmdAfegirLluminaria",
                                 "cmdEliminarLluminaria", "cmdEscullFotoLluminaria", "cmdEscullFotoSuport",
                                 "cmdEscullFotoPatro"})
            enabled(name, edicio);
        punts_->Habilita(!edicio && dades_);
        triador_->Bloqueja(edicio);
        // The counters are read, never written.
        Bloqueja(punts_->Comptador(), true);
        Bloqueja(lluminaries_->Comptador(), true);
    });
}

// --- the record ------------------------------------------------------------------

void frmPuntsLlum::RecuperaPuntsLlum(int32_t lngEscomesaEscollida) {
    lngEscomesa_ = lngEscomesaEscollida;
    Recupera();
}

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
            Filtra("rstRecordsetPatronsLlum", "NumPatroPLL", punts.Value("NumPatroPLL"));
            Taula& patrons = T("rstRecordsetPatronsLlum");
            const com::Variant suport = patrons.Files() == 0 ? cap : patrons->Value("NumSPSuport");
            Filtra("rstRecordsetSuport", "NumSPSuport", suport);
            Filtra("rstRecordsetSuportPropietat", "NumSPSuport", suport);
            // Its first luminaire, and that one's model.
            Filtra("rstRecordsetLluminaries", "NumPuntLlum", punts.Value("NumPuntLlum"));
            FiltraModelLluminaria();
            RefrescaLlistaPropietatsSuport();
        } else {
            for (const auto& [taula, camp] :
                 {std::pair{"rstRecordsetPatronsLlum", "NumPatroPLL"}, {"rstRecordsetSuport", "NumSPSuport"},
                  {"rstRecordsetSuportPropietat", "NumSPSuport"}, {"rstRecordsetLluminaries", "NumPuntLlum"},
                  {"rstRecordsetLluminariaModel", "NumLluminariaModel"}})
                Filtra(taula, camp, cap);
            lstPropietats->clear();
        }
        lstPunts->ObtePuntsActual();
    });
}

void frmPuntsLlum::RefrescaLlistaGIS() { lstPunts->RefrescaLlistaGIS(); }

void frmPuntsLlum::OmpleNumeroRegistre() { punts_->OmpleNumeroRegistre(); }

void frmPuntsLlum::OmpleNumeroLluminaria() { lluminaries_->OmpleNumeroRegistre(); }

void frmPuntsLlum::MostraPuntActual() {
    ObteDadesPuntLlumActual();
    OmpleNumeroRegistre();
    OmpleNumeroLluminaria();
}

void frmPuntsLlum::RefrescaFormulariLectura() {
    Inner("RefrescaFormulariLectura", [this] {
        TornaAFilaActual(*rstRecordsetActual);
        MostraPuntActual();
    });
}

void frmPuntsLlum::Editar() {
    TopLevel("Editar", [this] {
        const std::string message = CadenaValidacioEditar();
        if (!message.empty()) return dialegs::MissatgeOk(message);
        // What undo puts back: every table the window saves, as it stands.
        abans_ = CopiaTaules();
        Entra(Mode::Edicio);
    });
}

void frmPuntsLlum::SortirEdicio() {
    TopLevel("SortirEdicio", [this] {
        const std::string message = CadenaValidacioRegistreActual();
        if (!message.empty()) return dialegs::MissatgeOk(message);
        if (rstRecordsetActual.Files() > 0) {
            const com::Variant key = rstRecordsetActual->Value("NumPuntLlum");
            PropagaCanvisABD();
            MouAFila(*rstRecordsetActual, "NumPuntLlum", key);
            RefrescaFormulariLectura();
        }
        abans_.clear();
        Entra(Mode::Consulta);
    });
}

void frmPuntsLlum::UndoChanges() {
    TopLevel("UndoChanges", [this] {
        RestauraTaules(abans_);
        abans_.clear();
        RefrescaFormulariLectura();
        Entra(Mode::Consulta);
    });
}

void frmPuntsLlum::Eliminar() {
    TopLevel("Eliminar", [this] {
        if (!ConfirmaEliminar()) return;
        Entra(Mode::Eliminacio);
        const int32_t target = FilaDespresDEliminar(*rstRecordsetActual);
        try {
            // Only the deletion is sent: the point, its luminaires and its
            // map points, in one transaction; nothing else pending goes.
            DinsTransaccio([this] {
                const com::Variant punt = rstRecordsetActual->Value("NumPuntLlum");
                CridaSuport(support::DeletePuntLlum, {punt});
                Taula& lluminaries = T("rstRecordsetLluminaries");
                const int32_t numLluminaria = lluminaries->FieldIndex("NumLluminaria");
                for (int32_t i = 1; i <= lluminaries.Files(); ++i)
                    CridaSuport(support::DeleteLluminaria, {lluminaries->ValueAt(i, numLluminaria)});
                Taula& punts = T(kPunts);
                const int32_t numPunt = punts->FieldIndex("NumPunt");
                for (int32_t i = 1; i <= punts.Files(); ++i)
                    CridaSuport(support::DeletePLlumPunts, {punts->ValueAt(i, numPunt)});
                DeslligaControls();
                rstRecordsetActual->Delete();
                Recupera();
                Carrega(lluminaries);
                LligaControls();
            });
        } catch (...) {
            Entra(Mode::Consulta);
            EnSortir([this] { RefrescaFormulariLectura(); });
            throw;
        }
        MouAFilaNumero(*rstRecordsetActual, target);
        RefrescaFormulariLectura();
        Entra(Mode::Consulta);
    });
}

void frmPuntsLlum::closeEvent(QCloseEvent* event) {
    // Closing while editing drops the changes only when the user says so.
    if (ModeEdicio() && !dialegs::PreguntaSiNo(MissatgeDefecte("valDescartarCanvis", "valDescartarCanvis"))) {
        event->ignore();
        return;
    }
    Finestra::closeEvent(event);
}

}  // namespace velmar
