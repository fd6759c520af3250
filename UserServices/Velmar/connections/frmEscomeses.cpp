// The window's declaration, its layout, its set-up and modes, the zone
// chooser, the two lists of the current connection, the photo choosers and
// the element tree window.
#include "connections/frmEscomeses.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <span>

#include "Base/Text.h"
#include "Brintel/BrintelNames.h"
#include "connections/ElementTree.h"
#include "connections/frmEscomesaElem.h"

namespace velmar {
namespace {

namespace support = brintel::names;

constexpr std::string_view kName = "frmEscomeses";

TableDeclaration Auxiliar(const char* recordset, const char* taula, const char* ordre) {
    return {.recordset = recordset, .llista = support::GetListAuxiliar, .arguments = [taula, ordre] {
                return std::vector<com::Variant>{taula, ordre};
            }};
}

// The lookup lists, in the order they are read.
std::vector<TableDeclaration> Llistes(int32_t projecte) {
    const auto projecteArg = [projecte] { return std::vector<com::Variant>{projecte}; };
    return {{.recordset = "rstRecordsetZones", .llista = support::GetZones, .arguments = projecteArg},
            {.recordset = "rstRecordsetCarrers", .llista = support::GetCarrers, .arguments = projecteArg},
            Auxiliar("rstRecordsetTipusInstallacions", "TTE_TipusInstalacio", "CodTipusInstalacio"),
            Auxiliar("rstRecordsetComptadors", "TTE_Comptador", "CodComptador"),
            Auxiliar("rstRecordsetConjuntsMesura", "TTE_ConjuntMesura", "CodiConjuntMesura"),
            Auxiliar("rstRecordsetCompanyies", "TTE_Companyia", "CodCompanyia"),
            Auxiliar("rstRecordsetTensions", "TTE_Tensio", "CodTensio"),
            Auxiliar("rstRecordsetTarifes", "TTE_Tarifa", "CodTarifa"),
            Auxiliar("rstRecordsetDiscriminacions", "TTE_Discriminacio", "CodDiscriminacio"),
            Auxiliar("rstRecordsetPeriodicitats", "TTE_Periodicitat", "CodPeriodicitat"),
            Auxiliar("rstRecordsetSeccions", "TT_SeccioCable", "CodSeccioCable"),
            Auxiliar("rstRecordsetFusibles", "TT_FusibleA", "CodFusibleA"),
            Auxiliar("rstRecordsetICPs", "TTE_ICP", "CodICP"),
            Auxiliar("rstRecordsetSistemesEncesa", "TTE_SistemaEncesa", "CodSistemaEncesa"),
            Auxiliar("rstRecordsetSistemesRegulacio", "TTE_SistemaRegulacio", "CodSistemaRegulacio"),
            Auxiliar("rstRecordsetTipusArmari", "TTE_ArmariMaterial", "CodArmariMaterial"),
            Auxiliar("rstRecordsetUbicacionsArmari", "TTE_ArmariUbicacio", "CodArmariUbicacio"),
            Auxiliar("rstRecordsetTipusElements", "TTE_ElementTipus", "CodElementTipus"),
            Auxiliar("rstRecordsetCodiElements", "TTE_ElementCodi", "CodElementCodi"),
            Auxiliar("rstRecordsetValorElements", "TTE_ElementValor", "CodElementValor"),
            // Read for the current connection, by steps of the window's own.
            {.recordset = "rstRecordsetElements"}};
}

// A data combo of a lookup table, with its ">" button. Each names its
// table's child, T_Escomesa, by the column that holds the table's key
// there; four of them write a column whose name differs from the table's
// key column.
Control Combo(const char* etiqueta, const char* nom, const char* dataField, const char* llista, const char* taula,
              const char* codi, const char* numero, const char* boto, const char* integritat) {
    return DataComboField(
        etiqueta, nom, dataField, llista, codi, numero,
        LookupButton{
            .nom = boto, .taula = taula, .campIdentificador = numero, .campCodi = codi, .integritat = integritat});
}

struct Grup {
    const char* nom;
    std::vector<Control> controls;
};

// The groups of the record, as they stand in the window: the identity on
// one line, then three columns.
const Grup kIdentitat{
    "Frame8",
    {TextField("lblCodi", "txtCodi", "CodEscomesa"),
     DataComboField("lblZona", "cmbZona", "NumZona", "rstRecordsetZones", "CodZona", "NumZona"),
     DataComboField("lblCarrer", "cmbCarrer", "NumCarrer", "rstRecordsetCarrers", "CodCarrer", "NumCarrer"),
     TextField("lblPostal", "txtPostal", "NumeroPostal"),
     DataComboField("lblInstallacio", "cmbInstallacio", "NumTipusInstalacio", "rstRecordsetTipusInstallacions",
                   "CodTipusInstalacio", "NumTipusInstalacio")}};

const Grup kColumnaEsquerra[] = {
    {"frmComptatge",
     {Combo("lblComptatge", "cmbComptatge", "NumComptadorTipus", "rstRecordsetComptadors", "TTE_Comptador",
            "CodComptador", "NumComptador", "cmdComptatge", "T_Escomesa, NumComptadorTipus"),
      TextField("lblComptadorA", "txtComptadorA", "ComptadorA"),
      TextField("lblComptadorR", "txtComptadorR", "ComptadorR"),
      Combo("lblConjuntMesura", "cmbConjuntMesura", "NumConjuntMesura", "rstRecordsetConjuntsMesura",
            "TTE_ConjuntMesura", "CodiConjuntMesura", "NumiConjuntMesura", "cmdConjuntMesura",
            "T_Escomesa, NumConjuntMesura")}},
    {"frmContractació",
     {Combo("lblCompanyia", "cmbCompanyia", "NumCompanyia", "rstRecordsetCompanyies", "TTE_Companyia", "CodCompanyia",
            "NumCompanyia", "cmdCompanyia", "T_Escomesa, NumCompanyia"),
      TextField("lblPolissa", "txtPolissa", "Polissa"),
      Combo("lblTensio", "cmbTensio", "NumTensio", "rstRecordsetTensions", "TTE_Tensio", "CodTensio", "NumTensio",
            "cmdTensio", "T_Escomesa, NumTensio"),
      Combo("lblTarifa", "cmbTarifa", "NumTarifa", "rstRecordsetTarifes", "TTE_Tarifa", "CodTarifa", "NumTarifa",
            "cmdTarifa", "T_Escomesa, NumTarifa"),
      Combo("lblDiscriminacio", "cmbDiscriminacio", "NumDiscriminacio", "rstRecordsetDiscriminacions",
            "TTE_Discriminacio", "CodDiscriminacio", "NumDiscriminacio", "cmdDiscriminacio",
            "T_Escomesa, NumDiscriminacio"),
      Combo("lblPeriodicitat", "cmbPeriodicitat", "NumPeriodicitat", "rstRecordsetPeriodicitats", "TTE_Periodicitat",
            "CodPeriodicitat", "NumPeriodicitat", "cmdPeriodicitat", "T_Escomesa, NumPeriodicitat"),
      TextField("lblPotenciaContractada", "txtPotenciaContractada", "PotenciaContractada")}},
    {"frmElementsGenerals",
     {Combo("lblSeccio", "cmbSeccio", "NumSeccioE", "rstRecordsetSeccions", "TT_SeccioCable", "CodSeccioCable",
            "NumSeccioCable", "cmdSeccio", "T_Escomesa, NumSeccioE"),
      Combo("lblFusibles", "cmbFusibles", "NumFusibleE", "rstRecordsetFusibles", "TT_FusibleA", "CodFusibleA",
            "NumFusibleA", "cmdFusibles", "T_Escomesa, NumFusibleE"),
      Combo("lblICP", "cmbICP", "NumICP", "rstRecordsetICPs", "TTE_ICP", "CodICP", "NumICP", "cmdICP",
            "T_Escomesa, NumICP")}},
};

const Grup kColumnaMig[] = {
    {"frmComandament",
     {Combo("lblSistemaEncesa", "cmbSistemaEncesa", "NumSistemaEncesa", "rstRecordsetSistemesEncesa",
            "TTE_SistemaEncesa", "CodSistemaEncesa", "NumSistemaEncesa", "cmdSistemaEncesa",
            "T_Escomesa, NumSistemaEncesa"),
      Combo("lblSistemaRegulacio", "cmbSistemaRegulacio", "NumSistemaRegulacio", "rstRecordsetSistemesRegulacio",
            "TTE_SistemaRegulacio", "CodSistemaRegulacio", "NumSistemaRegulacio", "cmdSistemaRegulacio",
            "T_Escomesa, NumSistemaRegulacio")}},
    {"frmDates",
     {TextField("lblDataInstalacio", "txtdataInstalacio", "DataInstalacio"),
      TextField("lblDataAltaInventari", "txtDataAltaInventari", "DataAltaInventari"),
      TextField("lblDataBaixaInventari", "txtDataBaixaInventari", "DataBaixa")}},
    {"frmArmari",
     {Combo("lblTipusArmari", "cmbTipusArmari", "NumArmariMaterial", "rstRecordsetTipusArmari", "TTE_ArmariMaterial",
            "CodArmariMaterial", "NumArmariMaterial", "cmdTipusArmari", "T_Escomesa, NumArmariMaterial"),
      Combo("lblUbicacioArmari", "cmbUbicacioArmari", "NumArmariUbicacio", "rstRecordsetUbicacionsArmari",
            "TTE_ArmariUbicacio", "CodArmariUbicacio", "NumArmariUbicacio", "cmdUbicacioArmari",
            "T_Escomesa, NumArmariUbicacio")}},
};

const Grup kFotos{"frmFotos",
                  {FileField("lblFotoEscomesa", "txtFotoEscomesa", "FotoEscomesa", "cmdFotoEscomesa"),
                   FileField("lblEsquemaProteccions", "txtEsquemaProteccion", "FotoEsquema", "cmdFotoEsquema")}};

// The data combos, whose text must be one of their list's.
const std::vector<std::string> kCombos = {
    "cmbComptatge", "cmbZona",          "cmbCarrer",           "cmbInstallacio",  "cmbConjuntMesura", "cmbCompanyia",
    "cmbTensio",    "cmbTarifa",        "cmbDiscriminacio",    "cmbPeriodicitat", "cmbSeccio",        "cmbFusibles",
    "cmbICP",       "cmbSistemaEncesa", "cmbSistemaRegulacio", "cmbTipusArmari",  "cmbUbicacioArmari"};

}  // namespace

DataWindow::Declaration frmEscomeses::Declara(frmEscomeses* w, int32_t projecte) {
    return {
        .nom = kName,
        .classeSuport = support::SvrEscomeses,
        .recupera = "RecuperaEscomeses",
        .actual = {.llista = support::GetEscomeses,
                   .arguments = [w] { return std::vector<com::Variant>{w->Triat()}; },
                   .desa = support::SaveEscomesa},
        .taules = Llistes(projecte),
        .reglesDesa = {Rule::EmptyFields(
                           {"txtCodi", "cmbUbicacioArmari", "cmbCarrer", "cmbTipusArmari", "cmbSistemaEncesa",
                            "cmbTensio", "cmbSeccio", "cmbFusibles", "cmbICP", "cmbComptatge", "cmbInstallacio"},
                           "valAlgunCampNecessariBuit"),
                       Rule::ValuesNotInList(kCombos, "valValorsNoEsTrobenEnCombos"),
                       Rule::InvalidDates({"txtdataInstalacio", "txtDataAltaInventari", "txtDataBaixaInventari"},
                                          "valDataNoValida"),
                       Rule::Repeated("CodEscomesa", "valRepetitCodiEscomesa")},
        // A connection registered before today stays; nor is one deleted
        // while light points or cable segments hang from it.
        .reglesElimina = {Rule::PastDate("DataAltaInventari", "valDataAltaPassada"), Rule::Referenced()},
    };
}

namespace {

RecordWindow::RecordParts RegistreEscomeses() {
    return {.clau = "NumEscomesa",
            .codi = "CodEscomesa",
            .navegador = {.codiPrimer = "PrimerTextNumRegistre", .primer = "Escomesa",
                          .codiSegon = "SegonTextNumRegistre", .segon = "de"},
            .triador = {.combo = "cmbEscullZona",
                        .etiqueta = "lblEscullZona",
                        .eco = nullptr,
                        .taula = "rstRecordsetZones",
                        .codi = "CodZona",
                        .numero = "NumZona",
                        .omple = "OmpleComboEscullZona",
                        .fixa = "FixaZonaAmbComboEscullZona",
                        .clic = "cmbEscullZona_Click"},
            .punts = VertexList::Declaration{.columnes = {{"CoordenadaX", "clhX", "X"}, {"CoordenadaY", "clhY", "Y"}},
                                             .clau = "NumEscomesa",
                                             .llista = support::GetEscomesaPunts,
                                             .buida = support::GetEmptyRstEscomesaPunts,
                                             .obte = "ObtePuntsEscomesaActual"},
            .ordresEdicio = {"cmdFotoEscomesa", "cmdFotoEsquema", "cmdSituar", "cmdEditarProteccio"},
            // A project without zones: an empty window, in which no
            // connection can be added.
            .ordresTria = {"cmdNou"}};
}

}  // namespace

frmEscomeses::frmEscomeses(int32_t projecte, QWidget* parent)
    : RecordWindow(Declara(this, projecte), RegistreEscomeses(), parent) {
    Disposa();
    IniciFormulari();
}

// The element tree window goes before the tables it works on.
frmEscomeses::~frmEscomeses() { objFormulariElements.reset(); }

Table& frmEscomeses::Elements() { return *TableByName("rstRecordsetElements"); }

// --- layout ---------------------------------------------------------------------------

void frmEscomeses::Disposa() {
    const auto grup = [this](const char* nom, const char* caption) {
        auto* box = new QGroupBox(QString::fromUtf8(caption), this);
        box->setObjectName(QString::fromUtf8(nom));
        return box;
    };
    // A group of fields one under another.
    const auto camps = [&](const Grup& g) {
        QGroupBox* box = grup(g.nom, g.nom);
        AddFields(new QFormLayout(box), g.controls);
        return box;
    };
    const auto columna = [&](std::span<const Grup> grups) {
        auto* layout = new QVBoxLayout;
        for (const Grup& g : grups) layout->addWidget(camps(g));
        layout->addStretch();
        return layout;
    };
    const auto boto = [this](const char* nom, auto command) {
        QPushButton* button = dialogs::Control<QPushButton>(this, nom);
        connect(button, &QPushButton::clicked, this, command);
        return button;
    };
    const auto llista = [this](const char* nom, int columnes) {
        auto* list = new QTreeWidget(this);
        list->setObjectName(nom);
        list->setColumnCount(columnes);
        list->setRootIsDecorated(false);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        list->header()->setStretchLastSection(true);
        return list;
    };

    // The chooser of the zone.
    auto* zona = new QHBoxLayout;
    zona->addWidget(Tria().Label());
    zona->addWidget(Tria().Combo());
    zona->addStretch();

    // The identity of the connection on one line, without a caption.
    auto* identitat = new QGroupBox(this);
    identitat->setObjectName(kIdentitat.nom);
    auto* linia = new QHBoxLayout(identitat);
    for (const Control& control : kIdentitat.controls) {
        auto* form = new QFormLayout;
        AddFields(form, {control});
        linia->addLayout(form, control.tipus == Control::Tipus::DataCombo ? 3 : 2);
    }

    QGroupBox* proteccio = grup("frmElementsProteccio", "frmElementsProteccio");
    lstElementsProteccio = llista("lstElementsProteccio", 4);
    auto* proteccioLayout = new QVBoxLayout(proteccio);
    proteccioLayout->addWidget(lstElementsProteccio);
    proteccioLayout->addWidget(boto("cmdEditarProteccio", [this] { ObreFormulariElements(); }), 0, Qt::AlignRight);

    auto* observacions = new QFormLayout;
    AddFields(observacions, {TextField("lblObservacions", "txtObservacions", "Observacions")});
    Vertices()->setMaximumHeight(Vertices()->fontMetrics().height() * 6);
    lstElementsProteccio->setMinimumWidth(lstElementsProteccio->fontMetrics().averageCharWidth() * 50);
    auto* gis = new QGridLayout;
    gis->addWidget(dialogs::Control<QLabel>(this, "lblSituacioGIS"), 0, 0, Qt::AlignTop);
    gis->addWidget(Vertices(), 0, 1);
    gis->addWidget(dialogs::Control<QPushButton>(this, "cmdSituar"), 0, 2, Qt::AlignTop);

    QGroupBox* escomesa = grup("frmEscomesa", "frmEscomesa");
    auto* graella = new QGridLayout(escomesa);
    graella->addWidget(identitat, 0, 0, 1, 3);
    graella->addLayout(columna(kColumnaEsquerra), 1, 0, 3, 1);
    graella->addLayout(columna(kColumnaMig), 1, 1);
    graella->addWidget(proteccio, 1, 2);
    graella->addWidget(camps(kFotos), 2, 1, 1, 2);
    graella->addLayout(observacions, 3, 1, Qt::AlignTop);
    graella->addLayout(gis, 3, 2);
    for (int column = 0; column < 3; ++column) graella->setColumnStretch(column, 1);

    // Moving through the records, and the commands.
    QHBoxLayout* botons = EditingButtonRow();
    botons->insertStretch(0);
    botons->insertWidget(0, Navigator());

    connect(findChild<QPushButton*>("cmdFotoEscomesa"), &QPushButton::clicked, this,
            [this] { SeleccionaArxiu("SeleccionaArxiuFoto", "FotoEscomesa", "txtFotoEscomesa"); });
    connect(findChild<QPushButton*>("cmdFotoEsquema"), &QPushButton::clicked, this,
            [this] { SeleccionaArxiu("SeleccionaArxiuEsquema", "FotoEsquema", "txtEsquemaProteccion"); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(zona);
    layout->addWidget(escomesa, 1);
    layout->addLayout(botons);
}

// --- set-up and modes ---------------------------------------------------------------

void frmEscomeses::BeforeBinding() {
    Inner("ConfiguraLlistaElements", [this] {
        QStringList texts;
        for (const auto& [code, defecte] :
             {std::pair{"clhTipus", "Tipus"}, std::pair{"clhCodi", "Codi"}, std::pair{"clhValor", "Valor"},
              std::pair{"clhObservacions", "Observacions"}})
            texts << QString::fromStdString(MessageOrDefault(code, defecte));
        lstElementsProteccio->setHeaderLabels(texts);
    });
}

void frmEscomeses::FinishStart() {
    strRutaImatgesElements = base::Trim(
        objFuncionsCapaInterficie.ConsultaArxiuIniInterficie("General", "RutaDirectoriImatgesElements"), " ");
}

void frmEscomeses::RefreshModeFormEdicio(bool edicio) {
    RecordWindow::RefreshModeFormEdicio(edicio);
    if (!edicio) TancaFormulariElements();
}

// --- the lists of the current connection ------------------------------------------------

std::optional<int32_t> frmEscomeses::EscomesaActual() const {
    const Table& actual = rstRecordsetActual;
    if (actual.RowCount() < 1 || actual->IsBOF() || actual->IsEOF()) return std::nullopt;
    const com::Variant numero = actual->Value("NumEscomesa");
    return numero.isNull() ? std::nullopt : std::optional(numero.toLong());
}

// The element rows of the current connection, or none without one.
void frmEscomeses::ObteElementsEscomesaActual() {
    Inner("ObteElementsEscomesaActual", [this] {
        const std::optional<int32_t> numero = EscomesaActual();
        const com::Variant text = numero ? CallSupport(support::GetElementsEscomesa, {*numero})
                                         : CallSupport(support::GetEmptyRstEscomesaElements);
        SetRows(Elements(), objFuncionsCapaInterficie.PassaXMLARecordset(text));
        RefrescaLlistaElements();
    });
}

// Each item is keyed by its row's position, and the first item is
// selected.
void frmEscomeses::RefrescaLlistaElements() {
    Inner("RefrescaLlistaElements", [this] {
        const ado::Recordset& elements = *Elements().Ref();
        const auto codi = [this](const char* llista, const char* codi, const char* numero, const com::Variant& valor) {
            return QString::fromStdString(element_tree::Codi(*TableByName(llista)->Ref(), codi, numero, valor));
        };
        const auto valor = [&](int32_t fila, const char* camp) {
            return elements.ValueAt(fila, elements.FieldIndex(camp));
        };
        lstElementsProteccio->clear();
        for (int32_t fila = 1; fila <= elements.RecordCount(); ++fila) {
            const com::Variant observacions = valor(fila, "Observacions");
            auto* item = new QTreeWidgetItem(
                lstElementsProteccio,
                {codi("rstRecordsetTipusElements", "CodElementTipus", "NumElementTipus",
                      valor(fila, "NumElementTipus")),
                 codi("rstRecordsetCodiElements", "CodElementCodi", "NumElementCodi", valor(fila, "NumElementCodi")),
                 codi("rstRecordsetValorElements", "CodElementValor", "NumElementValor",
                      valor(fila, "NumElementValor")),
                 observacions.isNull() ? QString() : QString::fromStdString(observacions.toString())});
            item->setData(0, element_tree::kClau, QString::fromStdString(element_tree::Clau(fila)));
        }
        if (lstElementsProteccio->topLevelItemCount() > 0)
            lstElementsProteccio->setCurrentItem(lstElementsProteccio->topLevelItem(0));
    });
}

void frmEscomeses::ReloadList(Table& taula, const RecordsetRef& files) {
    DataWindow::ReloadList(taula, files);
    RefrescaLlistaElements();
}

// --- photos and the element tree -----------------------------------------------------

void frmEscomeses::SeleccionaArxiu(const char* procediment, const char* camp, const char* text) {
    TopLevel(procediment, [this, camp, text] {
        const std::string actual = findChild<QLineEdit*>(text)->text().toStdString();
        const std::string path = ChosenFile([&] { return objFuncionsCapaInterficie.EscullArxiu(actual); });
        if (!path.empty() && !rstRecordsetActual->IsBOF() && !rstRecordsetActual->IsEOF())
            rstRecordsetActual->SetValue(camp, path);
    });
}

void frmEscomeses::ObreFormulariElements() {
    TopLevel("ObreFormulariElements", [this] {
        if (!ModeEdicio()) return;
        // Kept while the same record is edited, with the edits made in it.
        if (!objFormulariElements) objFormulariElements = std::make_unique<frmEscomesaElem>(this);
        dialogs::ShowModalWindow(objFormulariElements.get());
        RefrescaLlistaElements();
    });
}

void frmEscomeses::TancaFormulariElements() {
    if (!objFormulariElements) return;
    objFormulariElements->close();
    objFormulariElements.reset();
}

std::string frmEscomeses::ArxiuEsquema(int32_t numero) const {
    std::string carpeta = strRutaImatgesElements;
    if (!carpeta.empty() && carpeta.back() != '/') carpeta += '/';
    return carpeta + "Elements" + com::Digits(numero) + ".bmp";
}

}  // namespace velmar
