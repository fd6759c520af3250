#include "network/frmTrams.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Brintel/BrintelNames.h"
#include "core/Dialegs.h"
#include "framework/LlistaPunts.h"
#include "framework/Navegador.h"

namespace velmar {
namespace {

namespace support = brintel::names;

constexpr const char* kLinies = "rstRecordsetLiniaSortida";

// The lookup lists, each every row of its table in the order of its code.
constexpr const char* kLlistes[][3] = {
    {"rstRecordsetTipusCable", "TTT_TipusCable", "CodTipusCable"},
    {"rstRecordsetUbicacio", "TTT_TramUbicacio", "CodTramUbicacio"},
    {"rstRecordsetSeccioCable", "TT_SeccioCable", "CodSeccioCable"},
};

// The child columns that refer to a cable section.
constexpr const char* kSeccions = "T_Escomesa, NumSeccioE, T_Tram, NumSeccioTram, T_Tram, NumSeccio2N";

// The cable's data combos, each with the ">" button that edits its lookup
// table by its key and code columns.
std::vector<Control> CombosCable() {
    const auto seccio = [](const char* boto) {
        return BotoAuxiliar{.nom = boto, .taula = "TT_SeccioCable", .campIdentificador = "NumSeccioCable",
                            .campCodi = "CodSeccioCable", .integritat = kSeccions};
    };
    return {CampDataCombo("lblTipusCable", "cmbTipusCable", "NumTipusCable", "rstRecordsetTipusCable", "CodTipusCable",
                          "NumTipusCable",
                          {.nom = "cmdTipusCable", .taula = "TTT_TipusCable", .campIdentificador = "NumTipusCable",
                           .campCodi = "CodTipusCable", .integritat = "T_Tram, NumTipusCable"}),
            CampDataCombo("lblUbicacio", "cmbUbicacio", "NumTramUbicacio", "rstRecordsetUbicacio", "CodTramUbicacio",
                          "NumTramUbicacio",
                          {.nom = "cmdUbicacio", .taula = "TTT_TramUbicacio", .campIdentificador = "NumTramUbicacio",
                           .campCodi = "CodTramUbicacio", .integritat = "T_Tram, NumTramUbicacio"}),
            CampDataCombo("lblSeccioCable", "cmbSeccioCable", "NumSeccioTram", "rstRecordsetSeccioCable",
                          "CodSeccioCable", "NumSeccioCable", seccio("cmdSeccioCable")),
            CampDataCombo("lblSeccio", "cmbSeccio", "NumSeccio2N", "rstRecordsetSeccioCable", "CodSeccioCable",
                          "NumSeccioCable", seccio("cmdSeccio"))};
}

constexpr const char* kDates[] = {"txtDataInstalacio", "txtDataAltaInventari", "txtDataBaixaInventari"};

Finestra::Declaracio DeclaracioTrams(frmTrams* w) {
    std::vector<DeclaracioTaula> taules = {
        {.recordset = "rstRecordsetEscomeses",
         .llista = support::GetEscomeses,
         .arguments = [w] { return std::vector<com::Variant>{w->Projecte()}; }}};
    for (const auto& [recordset, taula, ordre] : kLlistes)
        taules.push_back({.recordset = recordset,
                          .llista = support::GetListAuxiliar,
                          .arguments = [taula, ordre] { return std::vector<com::Variant>{taula, ordre}; }});
    taules.push_back({.recordset = kLinies,
                      .llista = support::GetLiniesSortida,
                      .arguments = [w] { return std::vector<com::Variant>{w->Escomesa()}; }});
    return {.nom = "frmTrams",
            .classeSuport = support::SvrTrams,
            .recupera = "RecuperaTrams",
            .actual = {.llista = support::GetTrams,
                       .arguments = [w] { return std::vector<com::Variant>{w->Escomesa()}; },
                       .desa = support::SaveTram},
            .taules = std::move(taules),
            .reglesDesa = {Regla::CampsBuits({"txtCodi", "cmbLiniaSortida"}, "valAlgunCampNecessariBuit"),
                           Regla::ValorsForaDeLlista({"cmbLiniaSortida", "cmbTipusCable", "cmbUbicacio",
                                                      "cmbSeccioCable", "cmbSeccio"},
                                                     "valValorsNoEsTrobenEnCombos"),
                           Regla::DatesNoValides({std::begin(kDates), std::end(kDates)}, "valDataNoValida"),
                           Regla::Repetit("CodTram", "valRepetitCodiTram")},
            .reglesElimina = {Regla::DataPassada("DataAltaInventari", "valDataAltaPassada"), Regla::Referenciada()}};
}

// A frame captioned with its name until the window is translated; no name,
// no caption.
QGroupBox* Marc(QWidget* window, const char* nom, const char* caption) {
    auto* frame = new QGroupBox(QString::fromLatin1(caption), window);
    frame->setObjectName(QString::fromLatin1(nom));
    return frame;
}

}  // namespace

frmTrams::frmTrams(int32_t projecte, QWidget* parent)
    : Finestra(DeclaracioTrams(this), parent),
      projecte_(projecte),
      triador_(*this, {}, [this](int32_t escomesa) { CarregaEscomesa(escomesa); }, [this] { MostraTram(); }),
      navegador_(new Navegador(*this,
                               {.codiPrimer = "PrimerTextNumRegistre", .primer = "Tram",
                                .codiSegon = "SegonTextNumRegistre", .segon = "de"},
                               [this] { MostraTram(); })),
      lstPunts_(new LlistaPunts(*this, {.columnes = {{"VertexX", "clhX", "X"}, {"VertexY", "clhY", "Y"}},
                                        .clau = "NumTram",
                                        .llista = support::GetTramPunts,
                                        .buida = support::GetEmptyRstTramPunts,
                                        .obte = "ObtePuntsTramActual"})) {
    Disseny();
    IniciFormulari();
}

// --- layout ----------------------------------------------------------------------

void frmTrams::Disseny() {
    auto* dalt = new QHBoxLayout;
    dalt->addWidget(triador_.Etiqueta());
    dalt->addWidget(triador_.Combo());
    dalt->addStretch(1);
    dalt->addWidget(navegador_);

    QGroupBox* tram = Marc(this, "fraTram", "fraTram");
    auto* formTram = new QFormLayout(tram);
    AfegeixControls(this, formTram, {CampText("lblCodi", "txtCodi", "CodTram")});
    formTram->addRow(dialegs::Control<QLabel>(this, "lblEscomesa"), triador_.Eco());
    AfegeixControls(this, formTram,
                    {CampDataCombo("lblLiniaSortida", "cmbLiniaSortida", "NumElement", kLinies, "CodElementValor",
                                   "NumElement")});

    QGroupBox* cable = Marc(this, "fraCable", "fraCable");
    AfegeixCamps(new QFormLayout(cable), CombosCable());

    QGroupBox* dates = Marc(this, "fraDates", "fraDates");
    AfegeixControls(this, new QFormLayout(dates),
                    {CampText("lblDataInstalacio", "txtDataInstalacio", "DataInstalacio"),
                     CampText("lblDataAltaInventari", "txtDataAltaInventari", "DataAltaInventari"),
                     CampText("lblDataBaixaInventari", "txtDataBaixaInventari", "DataBaixa")});

    QGroupBox* situacio = Marc(this, "Frame8", "");
    auto* formSituacio = new QVBoxLayout(situacio);
    formSituacio->addWidget(dialegs::Control<QLabel>(this, "lblSituacioGIS"));
    formSituacio->addWidget(lstPunts_, 1);
    auto* situar = dialegs::Control<QPushButton>(this, "cmdSituar");
    formSituacio->addWidget(situar, 0, Qt::AlignRight);

    auto* observacions = new QFormLayout;
    AfegeixControls(this, observacions, {CampText("lblObservacions", "txtObservacions", "Observacions")});

    auto* botons = new QHBoxLayout;
    botons->addStretch(1);
    for (const auto& [name, command] : std::initializer_list<std::pair<const char*, void (frmTrams::*)()>>{
             {"cmdNou", &frmTrams::Nou},
             {"cmdEditar", &frmTrams::Editar},
             {"cmdEliminar", &frmTrams::Eliminar},
             {"cmdSortirEdicio", &frmTrams::SortirEdicio},
             {"cmdDesferCanvis", &frmTrams::UndoChanges}}) {
        QPushButton* button = dialegs::Control<QPushButton>(this, name);
        connect(button, &QPushButton::clicked, this, [this, command] { (this->*command)(); });
        botons->addWidget(button);
    }
    QPushButton* sortir = dialegs::Control<QPushButton>(this, "cmdSortir");
    connect(sortir, &QPushButton::clicked, this, &QWidget::close);
    botons->addWidget(sortir);

    auto* marcs = new QGridLayout;
    marcs->addWidget(tram, 0, 0);
    marcs->addWidget(cable, 1, 0);
    marcs->addWidget(dates, 0, 1);
    marcs->addWidget(situacio, 1, 1);
    marcs->setColumnStretch(0, 3);
    marcs->setColumnStretch(1, 2);

    auto* arrel = new QVBoxLayout(this);
    arrel->addLayout(dalt);
    arrel->addLayout(marcs, 1);
    arrel->addLayout(observacions);
    arrel->addLayout(botons);
}

// --- set-up and the connection chooser ----------------------------------------------

void frmTrams::IniciFormulari() {
    TopLevel("IniciFormulari", [this] {
        CreaSuport();
        Tradueix();
        lstPunts_->ConfiguraLlistaPunts();
        Entra(Mode::Consulta);
        // The project's connections and the lookup lists; the output lines
        // come with each connection.
        Carrega(*TaulaPerNom("rstRecordsetEscomeses"));
        for (const auto& llista : kLlistes) Carrega(*TaulaPerNom(llista[0]));
        navegador_->LlegeixTextos();
        triador_.Omple();
        // Without a connection the window holds no segments, and shows so.
        if (triador_.Buit()) {
            CarregaEscomesa(0);
            MostraTram();
        } else {
            triador_.Fixa();
        }
        PosaOrigensCombos();
    });
    RefreshModeFormEdicio(false);
    triador_.Inicia();
}

void frmTrams::CarregaEscomesa(int32_t escomesa) {
    DeslligaControls();
    Taula& linies = *TaulaPerNom(kLinies);
    const int32_t abans = lngEscomesa_;
    const RecordsetRef tramsAbans = rstRecordsetActual.Ref();
    const RecordsetRef liniesAbans = linies.Ref();
    try {
        RecuperaTrams(escomesa);
        Carrega(linies);
    } catch (...) {
        // The window keeps the connection it held, with its rows bound.
        lngEscomesa_ = abans;
        Posa(rstRecordsetActual, tramsAbans);
        Posa(linies, liniesAbans);
        EnSortir([this] { LligaControls(); });
        throw;
    }
    LligaControls();
    RefreshModeFormEdicio(ModeEdicio());
}

void frmTrams::RecuperaTrams(int32_t lngEscomesaEscollida) {
    lngEscomesa_ = lngEscomesaEscollida;
    Recupera();
}

void frmTrams::MostraTram() {
    navegador_->OmpleNumeroRegistre();
    ObtePuntsTramActual();
}

void frmTrams::ObtePuntsTramActual() { lstPunts_->ObtePuntsActual(); }

void frmTrams::RefrescaLlistaGIS() { lstPunts_->RefrescaLlistaGIS(); }

void frmTrams::RefrescaFormulariLectura() {
    Inner("RefrescaFormulariLectura", [this] {
        TornaAFilaActual(*rstRecordsetActual);
        ObtePuntsTramActual();
        navegador_->OmpleNumeroRegistre();
    });
}

// --- modes ---------------------------------------------------------------------------

void frmTrams::RefreshModeFormEdicio(bool edicio) {
    Finestra::RefreshModeFormEdicio(edicio);
    TopLevel("RefreshModeFormEdicio", [this, edicio] {
        findChild<QPushButton*>("cmdSituar")->setEnabled(edicio);
        // The chooser does not change the connection while a segment is
        // edited, nor does the window move off it.
        triador_.Bloqueja(edicio);
        navegador_->Habilita(!edicio);
        // Nothing to add to, edit or delete without a connection.
        for (const char* name : {"cmdNou", "cmdEditar", "cmdEliminar"})
            findChild<QPushButton*>(name)->setEnabled(lngEscomesa_ != 0);
    });
}

// --- the record ----------------------------------------------------------------------

void frmTrams::Nou() {
    TopLevel("Nou", [this] {
        // The output line is chosen in its combo, which writes NumElement.
        rstRecordsetActual->AddNew();
        Entra(Mode::Nou);
        ObtePuntsTramActual();
        findChild<QLineEdit*>("txtCodi")->setFocus();
    });
}

void frmTrams::Editar() {
    TopLevel("Editar", [this] {
        const std::string message = CadenaValidacioEditar();
        if (!message.empty()) return dialegs::MissatgeOk(message);
        Entra(Mode::Edicio);
    });
}

void frmTrams::SortirEdicio() {
    TopLevel("SortirEdicio", [this] {
        const std::string message = CadenaValidacioRegistreActual();
        if (!message.empty()) return dialegs::MissatgeOk(message);
        if (rstRecordsetActual.Files() > 0) {
            // The saved segment is shown afterwards: an edited one by its
            // key, a new one by its code, unique within the connection,
            // since the database gives it its key.
            const char* camp = intModeFormulari() == 1 ? "CodTram" : "NumTram";
            const com::Variant valor = rstRecordsetActual->Value(camp);
            rstRecordsetActual->Update();
            PropagaCanvisABD();
            MouAFila(*rstRecordsetActual, camp, valor);
            RefrescaFormulariLectura();
        }
        Entra(Mode::Consulta);
    });
}

void frmTrams::UndoChanges() {
    TopLevel("UndoChanges", [this] {
        const bool nou = intModeFormulari() == 1;
        rstRecordsetActual->CancelUpdate();
        if (nou && rstRecordsetActual.Files() > 0) rstRecordsetActual->MoveFirst();
        RefrescaFormulariLectura();
        Entra(Mode::Consulta);
    });
}

void frmTrams::Eliminar() {
    TopLevel("Eliminar", [this] {
        if (!ConfirmaEliminar()) return;
        const int32_t desti = FilaDespresDEliminar(*rstRecordsetActual);
        // A segment that stays is shown again.
        EliminaActual([this] { RefrescaFormulariLectura(); });
        MouAFilaNumero(*rstRecordsetActual, desti);
        RefrescaFormulariLectura();
        Entra(Mode::Consulta);
    });
}

}  // namespace velmar
