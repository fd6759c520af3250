#include "network/frmTrams.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "Brintel/BrintelNames.h"
#include "core/services/Dialogs.h"

namespace velmar {
namespace {

namespace support = brintel::names;

constexpr const char* kLinies = "rstRecordsetLiniaSortida";

// A lookup list: every row of its table in the order of its code.
TableDeclaration Auxiliar(const char* recordset, const char* taula, const char* ordre) {
    return {.recordset = recordset, .llista = support::GetListAuxiliar, .arguments = [taula, ordre] {
                return std::vector<com::Variant>{taula, ordre};
            }};
}

// The child columns that refer to a cable section.
constexpr const char* kSeccions = "T_Escomesa, NumSeccioE, T_Tram, NumSeccioTram, T_Tram, NumSeccio2N";

// The cable's data combos, each with the ">" button that edits its lookup
// table by its key and code columns.
std::vector<Control> CombosCable() {
    const auto seccio = [](const char* boto) {
        return LookupButton{.nom = boto, .taula = "TT_SeccioCable", .campIdentificador = "NumSeccioCable",
                            .campCodi = "CodSeccioCable", .integritat = kSeccions};
    };
    return {DataComboField("lblTipusCable", "cmbTipusCable", "NumTipusCable", "rstRecordsetTipusCable", "CodTipusCable",
                          "NumTipusCable",
                          {.nom = "cmdTipusCable", .taula = "TTT_TipusCable", .campIdentificador = "NumTipusCable",
                           .campCodi = "CodTipusCable", .integritat = "T_Tram, NumTipusCable"}),
            DataComboField("lblUbicacio", "cmbUbicacio", "NumTramUbicacio", "rstRecordsetUbicacio", "CodTramUbicacio",
                          "NumTramUbicacio",
                          {.nom = "cmdUbicacio", .taula = "TTT_TramUbicacio", .campIdentificador = "NumTramUbicacio",
                           .campCodi = "CodTramUbicacio", .integritat = "T_Tram, NumTramUbicacio"}),
            DataComboField("lblSeccioCable", "cmbSeccioCable", "NumSeccioTram", "rstRecordsetSeccioCable",
                          "CodSeccioCable", "NumSeccioCable", seccio("cmdSeccioCable")),
            DataComboField("lblSeccio", "cmbSeccio", "NumSeccio2N", "rstRecordsetSeccioCable", "CodSeccioCable",
                          "NumSeccioCable", seccio("cmdSeccio"))};
}

constexpr const char* kDates[] = {"txtDataInstalacio", "txtDataAltaInventari", "txtDataBaixaInventari"};

DataWindow::Declaration DeclaracioTrams(frmTrams* w) {
    const auto escomesa = [w] { return std::vector<com::Variant>{w->Escomesa()}; };
    return {.nom = "frmTrams",
            .classeSuport = support::SvrTrams,
            .recupera = "RecuperaTrams",
            .actual = {.llista = support::GetTrams, .arguments = escomesa, .desa = support::SaveTram},
            // The project's connections and the lookup lists; the output
            // lines come with each connection.
            .taules = {{.recordset = "rstRecordsetEscomeses",
                        .llista = support::GetEscomeses,
                        .arguments = [w] { return std::vector<com::Variant>{w->Projecte()}; }},
                       Auxiliar("rstRecordsetTipusCable", "TTT_TipusCable", "CodTipusCable"),
                       Auxiliar("rstRecordsetUbicacio", "TTT_TramUbicacio", "CodTramUbicacio"),
                       Auxiliar("rstRecordsetSeccioCable", "TT_SeccioCable", "CodSeccioCable"),
                       {.recordset = kLinies, .llista = support::GetLiniesSortida, .arguments = escomesa,
                        .ambTria = true}},
            .reglesDesa = {Rule::EmptyFields({"txtCodi", "cmbLiniaSortida"}, "valAlgunCampNecessariBuit"),
                           Rule::ValuesNotInList({"cmbLiniaSortida", "cmbTipusCable", "cmbUbicacio",
                                                      "cmbSeccioCable", "cmbSeccio"},
                                                     "valValorsNoEsTrobenEnCombos"),
                           Rule::InvalidDates({std::begin(kDates), std::end(kDates)}, "valDataNoValida"),
                           Rule::Repeated("CodTram", "valRepetitCodiTram")},
            .reglesElimina = {Rule::PastDate("DataAltaInventari", "valDataAltaPassada"), Rule::Referenced()}};
}

RecordWindow::RecordParts RegistreTrams() {
    return {.clau = "NumTram",
            // Unique within the connection.
            .codi = "CodTram",
            .navegador = {.codiPrimer = "PrimerTextNumRegistre", .primer = "Tram",
                          .codiSegon = "SegonTextNumRegistre", .segon = "de"},
            .punts = VertexList::Declaration{.columnes = {{"VertexX", "clhX", "X"}, {"VertexY", "clhY", "Y"}},
                                             .clau = "NumTram",
                                             .llista = support::GetTramPunts,
                                             .buida = support::GetEmptyRstTramPunts,
                                             .obte = "ObtePuntsTramActual"},
            .ordresEdicio = {"cmdSituar"},
            // Nothing to add to, edit or delete without a connection.
            .ordresTria = {"cmdNou", "cmdEditar", "cmdEliminar"}};
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
    : RecordWindow(DeclaracioTrams(this), RegistreTrams(), parent), projecte_(projecte) {
    Disseny();
    IniciFormulari();
}

void frmTrams::Disseny() {
    auto* dalt = new QHBoxLayout;
    dalt->addWidget(Tria().Label());
    dalt->addWidget(Tria().Combo());
    dalt->addStretch(1);
    dalt->addWidget(Navigator());

    QGroupBox* tram = Marc(this, "fraTram", "fraTram");
    auto* formTram = new QFormLayout(tram);
    AddControls(this, formTram, {TextField("lblCodi", "txtCodi", "CodTram")});
    formTram->addRow(dialogs::Control<QLabel>(this, "lblEscomesa"), Tria().Echo());
    AddControls(this, formTram,
                    {DataComboField("lblLiniaSortida", "cmbLiniaSortida", "NumElement", kLinies, "CodElementValor",
                                   "NumElement")});

    QGroupBox* cable = Marc(this, "fraCable", "fraCable");
    AddFields(new QFormLayout(cable), CombosCable());

    QGroupBox* dates = Marc(this, "fraDates", "fraDates");
    AddControls(this, new QFormLayout(dates),
                    {TextField("lblDataInstalacio", "txtDataInstalacio", "DataInstalacio"),
                     TextField("lblDataAltaInventari", "txtDataAltaInventari", "DataAltaInventari"),
                     TextField("lblDataBaixaInventari", "txtDataBaixaInventari", "DataBaixa")});

    QGroupBox* situacio = Marc(this, "Frame8", "");
    auto* formSituacio = new QVBoxLayout(situacio);
    formSituacio->addWidget(dialogs::Control<QLabel>(this, "lblSituacioGIS"));
    formSituacio->addWidget(Vertices(), 1);
    formSituacio->addWidget(dialogs::Control<QPushButton>(this, "cmdSituar"), 0, Qt::AlignRight);

    auto* observacions = new QFormLayout;
    AddControls(this, observacions, {TextField("lblObservacions", "txtObservacions", "Observacions")});

    QHBoxLayout* botons = EditingButtonRow();
    botons->insertStretch(0, 1);

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

}  // namespace velmar
