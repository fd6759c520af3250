// The controls of the light-point window, as tables: the lookup combos with
// their ">" buttons, the photos, the frames of each tab; how they are laid
// out, and what each button runs.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "Brintel/BrintelNames.h"
#include "core/controls/DataCombo.h"
#include "core/services/Dialogs.h"
#include "lightpoints/frmPuntsLlum.h"

namespace velmar {
namespace {

constexpr const char* kActual = "";
constexpr const char* kSuport = "rstRecordsetSuport";
constexpr const char* kLluminaries = "rstRecordsetLluminaries";

// A data combo of a lookup code with its ">" button: its binding, and the
// lookup table the button opens with the child table and column that hold
// its key. The button passes the combo's bound column as the table's key
// and its list column as the code the editor lists and orders by.
struct Auxiliar {
    const char* etiqueta;
    const char* combo;
    const char* tag;
    const char* dataField;
    const char* rowSource;
    const char* listField;
    const char* boundColumn;
    const char* boto;
    const char* taula;
    const char* integritat;
};

// Column names as each table spells them: the earth section is the point's
// NumTerraSeccio, and the box models are coded in CodiCaixaModel.
constexpr Auxiliar kAuxiliars[] = {
    {"lblTipusSuport", "cmbTipusSuport", kSuport, "NumSuportTipus", "rstRecordsetSuportTipus", "CodSuportTipus",
     "NumSuportTipus", "cmdTipusSuport", "TTS_SuportTipus", "TSP_Suport, NumSuportTipus"},
    {"lblSeccioSuport", "cmbSeccioSuport", kSuport, "NumSuportSeccio", "rstRecordsetSuportSeccio", "CodSuportSeccio",
     "NumSuportSeccio", "cmdSeccioSuport", "TTS_SuportSeccio", "TSP_Suport, NumSuportSeccio"},
    {"lblMaterial", "cmbMaterial", kSuport, "NumSuportMaterial", "rstRecordsetSuportMaterial", "CodSuportMaterial",
     "NumSuportMaterial", "cmdMaterial", "TTS_SuportMaterial", "TSP_Suport, NumSuportMaterial"},
    {"lblColorSuport", "cmbColorSuport", kSuport, "NumSuportColor", "rstRecordsetSuportColor", "CodSuportColor",
     "NumSuportColor", "cmdColorSuport", "TTS_SuportColor", "TSP_Suport, NumSuportColor"},
    {"lblMarca", "cmbMarcaSuport", kSuport, "NumSuportMarca", "rstRecordsetSuportMarca", "CodSuportMarca",
     "NumSuportMarca", "cmdMarca", "TTS_SuportMarca", "TSP_Suport, NumSuportMarca"},
    {"lblTipusTerra", "cmbTipusTerra", kActual, "NumTerraCable", "rstRecordsetPresaTerra", "CodTerraCable",
     "NumTerraCable", "cmdTipusTerra", "TTS_PresaTerra", "T_PuntLlum, NumTerraCable"},
    {"lblSeccioTerra", "cmbSeccioTerra", kActual, "NumTerraSeccio", "rstRecordsetSeccioCable", "CodSeccioCable",
     "NumSeccioCable", "cmdSeccioTerra", "TT_SeccioCable", "T_PuntLlum, NumTerraSeccio"},
    {"lblTipusLlum", "cmbTipusLlum", kLluminaries, "NumTipusLlum", "rstRecordsetTipusLlum", "CodLlumTipus",
     "NumLlumTipus", "cmdTipusLLum", "TTLL_TipusLlum", "T_Lluminaria, NumTipusLlum"},
    {"lblTipusLluminaria", "cmbTipusLluminaria", kLluminaries, "NumLluminariaTipus", "rstRecordsetLluminariaTipus",
     "CodLluminariaTipus", "NumLluminariaTipus", "cmdTipusLluminaria", "TTLL_LluminariaTipus",
     "T_Lluminaria, NumLluminariaTipus"},
    {"lblMarcaLluminaria", "cmbMarcaLluminaria", kLluminaries, "NumLluminariaMarca", "rstRecordsetLluminariaMarca",
     "CodLluminariaMarca", "NumLluminariaMarca", "cmdMarcaLluminaria", "TTLL_LluminariaMarca",
     "T_Lluminaria, NumLluminariaMarca"},
    {"lblModelLluminaria", "cmbModelLluminaria", kLluminaries, "NumLluminariaModel", "rstRecordsetLluminariaModel",
     "CodLluminariaModel", "NumLluminariaModel", "cmdModelLluminaria", "TTLL_LluminariaModel",
     "T_Lluminaria, NumLluminariaModel"},
    {"LblForma", "cmbForma", kLluminaries, "NumBombetaForma", "rstRecordsetBombetaForma", "CodBombetaForma",
     "NumBombetaForma", "cmdForma", "TTLL_BombetaForma", "T_Lluminaria, NumBombetaForma"},
    {"lblMarcaBombetes", "cmbMarcaBombeta", kLluminaries, "NumBombetaMarca", "rstRecordsetBombetaMarca",
     "CodBombetaMarca", "NumBombetaMarca", "cmdMarcaBombeta", "TTLL_BombetaMarca", "T_Lluminaria, NumBombetaMarca"},
    {"lblModelBombeta", "cmbModelBombeta", kLluminaries, "NumBombetaModel", "rstRecordsetBombetaModel",
     "CodBombetaModel", "NumBombetaModel", "cmdModelBombeta", "TTLL_BombetaModel", "T_Lluminaria, NumBombetaModel"},
    {"lblUbicacioEquip", "cmbUbicacioEquip", kLluminaries, "NumEquipUbicacio", "rstRecordsetEquipUbicacio",
     "CodEquipUbicacio", "NumEquipUbicacio", "cmdUbicacioEquip", "TTLL_EquipUbicacio",
     "T_Lluminaria, NumEquipUbicacio"},
    {"lblMarcaEquip", "cmbMarcaEquip", kLluminaries, "NumEquipMarca", "rstRecordsetEquipMarca", "CodEquipMarca",
     "NumEquipMarca", "cmdMarcaEquip", "TTLL_EquipMarca", "T_Lluminaria, NumEquipMarca"},
    {"lblModelEquip", "cmbModelEquip", kLluminaries, "NumEquipModel", "rstRecordsetEquipModel", "CodEquipModel",
     "NumEquipModel", "cmdModelEquip", "TTLL_EquipModel", "T_Lluminaria, NumEquipModel"},
    {"lblTipusCaixa", "cmbTipusCaixa", kLluminaries, "NumCaixaTipus", "rstRecordsetCaixaTipus", "CodCaixaTipus",
     "NumCaixaTipus", "cmdTipusCaixa", "TTS_CaixaTipus", "T_Lluminaria, NumCaixaTipus"},
    {"lblUbicacioCaixa", "cmbUbicacioCaixa", kLluminaries, "NumCaixaUbicacio", "rstRecordsetCaixaUbicacio",
     "CodCaixaUbicacio", "NumCaixaUbicacio", "cmdUbicacioCaixa", "TTS_CaixaUbicacio",
     "T_Lluminaria, NumCaixaUbicacio"},
    {"lblMarcaCaixa", "cmbMarcaCaixa", kLluminaries, "NumCaixaMarca", "rstRecordsetCaixaMarca", "CodCaixaMarca",
     "NumCaixaMarca", "cmdMarcaCaixa", "TTS_CaixaMarca", "T_Lluminaria, NumCaixaMarca"},
    {"lblModelCaixa", "cmbModelCaixa", kLluminaries, "NumCaixaModel", "rstRecordsetCaixaModel", "CodiCaixaModel",
     "NumCaixaModel", "cmdModelCaixa", "TTS_CaixaModel", "T_Lluminaria, NumCaixaModel"},
    {"lblAmpers", "cmbAmpers", kLluminaries, "NumFusiblesAmpers", "rstRecordsetFusiblesAmpers", "CodFusibleA",
     "NumFusibleA", "cmdAmpers", "TT_FusibleA", "T_Lluminaria, NumFusiblesAmpers"},
};

// A photo: the path in a column of the current row of a table, shown in a
// bound text box, chosen with ".." and shown in the viewer with another
// button.
struct Foto {
    const char* etiqueta;
    const char* text;
    const char* recordset;
    const char* columna;
    const char* escull;
    const char* veure;
    const char* procediment;
};

constexpr Foto kFotos[] = {
    {"lblFotoPatro", "txtFotoPatro", "rstRecordsetPatronsLlum", "FotoPatro", "cmdEscullFotoPatro", "cmdFoto",
     "SeleccionaFotoPatro"},
    {"lblFotoSuport", "txtFotoSuport", kSuport, "FotoSPSuport", "cmdEscullFotoSuport", "cmdFotoSuport",
     "SeleccionaFotoSuport"},
    {"lblFotoLluminaria", "txtFotoLluminaria", "rstRecordsetLluminariaModel", "FotoLluminaria",
     "cmdEscullFotoLluminaria", "cmdFotoLluminaria", "SeleccionaFotoLluminaria"},
};

LookupButton BotoDe(const Auxiliar& a) {
    return {.nom = a.boto, .taula = a.taula, .campIdentificador = a.boundColumn, .campCodi = a.listField,
            .integritat = a.integritat};
}

Control CampAuxiliar(std::string_view combo) {
    for (const Auxiliar& a : kAuxiliars)
        if (combo == a.combo)
            return DataComboField(a.etiqueta, a.combo, a.dataField, a.rowSource, a.listField, a.boundColumn, BotoDe(a),
                                 a.tag);
    return {};
}

Control FotoDe(std::string_view text) {
    for (const Foto& f : kFotos)
        if (text == f.text)
            return WithButtons(TextField(f.etiqueta, f.text, f.columna, f.recordset), {{f.escull, ".."}, {f.veure}});
    return {};
}

// The frames of a tab, in two columns and, below them, across the tab.
struct Panell {
    std::vector<FrameDeclaration> esquerra;
    std::vector<FrameDeclaration> dreta;
    std::vector<FrameDeclaration> baix = {};
};

const FrameDeclaration kDadesGenerals = {"fraDadesGenerals",
                             {PieceField("lblEscomesa", "cmbEscomesa"), TextField("lblCodi", "txtCodi", "CodPuntLlum"),
                              TextField("lblPostal", "txtPostal", "NumeroPostal"),
                              DataComboField("lblCarrer", "cmbCarrer", "NumCarrer", "rstRecordsetCarrers", "CodCarrer",
                                            "NumCarrer")},
                             2};

const Panell kGeneral = {
    .esquerra = {{"fraDates",
                  {TextField("lblDataAltaInventari", "txtDataAltaInventari", "DataAltaInventari"),
                   TextField("lblDataBaixaInventari", "txtDataBaixaInventari", "DataBaixa"),
                   TextField("lblInstalacio", "txtInstalacio", "DataInstalacio")}}},
    .dreta = {{nullptr, {PieceField("lblSituacioGIS", "lstPunts"), ButtonRow({{"cmdSituar"}})}}},
    .baix = {{nullptr, {TextField("lblObservacions", "txtObservacions", "Observacions")}},
             {"fraPatro",
              {TextField("lblCodiPatro", "txtCodiPatro", "NumPatroPLL"),
               TextField("lblObservacionsPatro", "txtObservacionsPatro", "Observacions", "rstRecordsetPatronsLlum"),
               FotoDe("txtFotoPatro")}}},
};

const Panell kSuportPanell = {
    .esquerra = {{"fraSuport",
                  {CampAuxiliar("cmbTipusSuport"), CampAuxiliar("cmbSeccioSuport"), CampAuxiliar("cmbMaterial"),
                   CampAuxiliar("cmbColorSuport"), CampAuxiliar("cmbMarcaSuport"),
                   TextField("lblModelSuport", "txtModel", "SuportModel", kSuport),
                   CheckBoxField("chkPortella", "SuportPortella", kSuport)}},
                 {"fraTerra", {CampAuxiliar("cmbTipusTerra"), CampAuxiliar("cmbSeccioTerra")}}},
    .dreta = {{"fraPropietats",
               {ComboField("lblPropietat", "cmbPropietat"), TextField("lblValor", "txtValor", ""),
                TextField("lblObservacionsPropietats", "txtObservacionsPropietats", ""),
                ButtonRow({{"cmdAfegirPropietat"}, {"cmdEliminarPropietat"}}),
                ListBoxField(nullptr, "lstPropietats", {"chlPropietat", "chlValor", "chlObservacions"})}}},
    .baix = {{nullptr,
              {FotoDe("txtFotoSuport"),
               TextField("lblObservacionsSuport", "txtObservacionsSuport", "Observacions", kSuport)}}},
};

const Panell kLluminariesPanell = {
    .esquerra = {{"fraLluminaria",
                  {CheckBoxField("chkContamina", "LluminariaContaminacio", kLluminaries), CampAuxiliar("cmbTipusLlum"),
                   CampAuxiliar("cmbTipusLluminaria"), CampAuxiliar("cmbMarcaLluminaria"), CampAuxiliar("cmbModelLluminaria")}},
                 {"fraBombetes",
                  {TextField("lblBombetes", "txtBombetes", "BombetaNumero", kLluminaries), CampAuxiliar("cmbForma"),
                   CampAuxiliar("cmbMarcaBombeta"), CampAuxiliar("cmbModelBombeta"),
                   TextField("lblPotencia", "txtPotencia", "BombetaPotencia", kLluminaries)}},
                 {"fraEquip",
                  {CheckBoxField("chkDobleNivell", "Equip2N", kLluminaries), CampAuxiliar("cmbUbicacioEquip"),
                   CampAuxiliar("cmbMarcaEquip"), CampAuxiliar("cmbModelEquip")}}},
    .dreta = {{"fraFusibles",
               {TextField("lblFusibles", "txtFusibles", "FusiblesNumero", kLluminaries),
                CheckBoxField("chkCalibrats", "FusiblesCalibrats", kLluminaries),
                CheckBoxField("chkTall", "CaixaTallOmnipolar", kLluminaries), CampAuxiliar("cmbAmpers")}},
              {"fraCaixa",
               {CampAuxiliar("cmbTipusCaixa"), CampAuxiliar("cmbUbicacioCaixa"), CampAuxiliar("cmbMarcaCaixa"),
                CampAuxiliar("cmbModelCaixa")}}},
    .baix = {{nullptr,
              {FotoDe("txtFotoLluminaria"),
               TextField("lblObservacionsLluminaries", "Observacions", "Observacions", kLluminaries)}}},
};

QWidget* CreaPanell(QWidget* window, const char* nom, const Panell& panell, QLayout* dalt = nullptr) {
    auto* page = new QWidget(window);
    page->setObjectName(QString::fromLatin1(nom));
    auto* grid = new QGridLayout(page);
    int row = 0;
    if (dalt) grid->addLayout(dalt, row++, 0, 1, 2);
    for (const auto& [columna, marcs] : {std::pair{0, &panell.esquerra}, std::pair{1, &panell.dreta}}) {
        auto* column = new QVBoxLayout;
        for (const FrameDeclaration& marc : *marcs) column->addWidget(CreateFrame(window, marc));
        column->addStretch(1);
        grid->addLayout(column, row, columna);
    }
    for (const FrameDeclaration& marc : panell.baix) grid->addWidget(CreateFrame(window, marc), ++row, 0, 1, 2);
    grid->setRowStretch(row + 1, 1);
    return page;
}

}  // namespace

void frmPuntsLlum::Disseny() {
    // The luminaires' navigation, which their tab lays out.
    lluminaries_ = new RecordNavigator(
        *this,
        {.taula = "rstRecordsetLluminaries",
         .botons = {"cmdPrincipiLluminaria", "cmdReculaLluminaria", "cmdAvancaLluminaria", "cmdFiLluminaria"},
         .procediments = {"PrincipiLluminaria", "ReculaLluminaria", "AvancaLluminaria", "FiLluminaria"},
         .comptador = "txtNumeroLluminaria", .omple = "OmpleNumeroLluminaria",
         .codiPrimer = "PrimerTextNumLluminaria", .primer = "Lluminària", .codiSegon = "SegonTextNumLluminaria",
         .segon = "de"},
        [this] {
            FiltraModelLluminaria();
            OmpleNumeroLluminaria();
        });

    auto* layout = new QVBoxLayout(this);
    // The connection chosen, the light point's place among its points, and
    // the commands.
    auto* dalt = new QHBoxLayout;
    dalt->addWidget(Tria().Label());
    dalt->addWidget(Tria().Combo());
    dalt->addSpacing(24);
    dalt->addWidget(Navigator());
    dalt->addStretch(1);
    layout->addLayout(dalt);
    // No light point is added here.
    QHBoxLayout* ordres = EditingButtonRow(false);
    ordres->insertStretch(0, 1);
    layout->addLayout(ordres);

    // The light point: its general data above the three tabs.
    auto* punt = new QGroupBox(QStringLiteral("fraPuntLlum"), this);
    punt->setObjectName("fraPuntLlum");
    auto* dinsPunt = new QVBoxLayout(punt);
    dinsPunt->addWidget(CreateFrame(this, kDadesGenerals));
    tabDades = new QTabWidget(this);
    tabDades->setObjectName("tabDades");
    tabDades->addTab(CreaPanell(this, "fraPanell0", kGeneral), QStringLiteral("tabGeneral"));
    tabDades->addTab(CreaPanell(this, "fraPanell1", kSuportPanell), QStringLiteral("tabSuport"));
    auto* lluminaries = new QHBoxLayout;
    lluminaries->addWidget(lluminaries_);
    lluminaries->addSpacing(24);
    lluminaries->addLayout(CommandRow({{"cmdAfegirLluminaria", [this] { Nou(); }},
                                       {"cmdEliminarLluminaria", [this] { EliminarLluminaria(); }},
                                       {"cmdGuardarLluminaria", [this] { GuardarLluminaria(); }},
                                       {"cmdDescartarLluminaria", [this] { DecartarLluminaria(); }}}));
    lluminaries->addStretch(1);
    tabDades->addTab(CreaPanell(this, "fraPanell2", kLluminariesPanell, lluminaries),
                     QString::fromUtf8("tabLluminàries"));
    dinsPunt->addWidget(tabDades, 1);
    layout->addWidget(punt, 1);

    cmbPropietat = findChild<QComboBox*>("cmbPropietat");
    lstPropietats = findChild<QTreeWidget*>("lstPropietats");
    for (QTreeWidget* list : {static_cast<QTreeWidget*>(Vertices()), lstPropietats})
        list->setMinimumHeight(list->fontMetrics().height() * 8);
    // The type and the value wide enough for what they hold, set once: a
    // list measured for its contents would lay itself out at every point
    // shown.
    const QFontMetrics metrics = lstPropietats->fontMetrics();
    lstPropietats->header()->resizeSection(0, metrics.horizontalAdvance(QStringLiteral("Diàmetre de la base (mm)")) + 24);
    lstPropietats->header()->resizeSection(1, metrics.horizontalAdvance(QStringLiteral("00000,000")) + 24);
    // The keep and discard buttons show only while a luminaire is added.
    BotonsLluminariaNova(false);
    Connecta();
}

void frmPuntsLlum::Connecta() {
    const auto on = [this](const char* name, auto command) {
        connect(findChild<QPushButton*>(name), &QPushButton::clicked, this, [this, command] { (this->*command)(); });
    };
    on("cmdAfegirPropietat", &frmPuntsLlum::AfegirPropietat);
    on("cmdEliminarPropietat", &frmPuntsLlum::EliminarPropietat);
    for (const Auxiliar& a : kAuxiliars) ConnectLookupButton(findChild<DataCombo*>(a.combo), BotoDe(a));
    for (size_t i = 0; i < std::size(kFotos); ++i) {
        connect(findChild<QPushButton*>(kFotos[i].escull), &QPushButton::clicked, this, [this, i] { SeleccionaFoto(i); });
        connect(findChild<QPushButton*>(kFotos[i].veure), &QPushButton::clicked, this,
                [this, i] { ObreVisorImatge(findChild<QLineEdit*>(kFotos[i].text)->text().toStdString()); });
    }
}

void frmPuntsLlum::SeleccionaFoto(size_t foto) {
    const Foto& f = kFotos[foto];
    TopLevel(f.procediment, [this, &f] {
        // A cancelled dialog chooses nothing.
        const std::string actual = findChild<QLineEdit*>(f.text)->text().toStdString();
        const std::string path = ChosenFile([&] { return objFuncionsCapaInterficie.EscullArxiu(actual); });
        if (path.empty()) return;
        T(f.recordset)->SetValue(f.columna, path);
    });
}

void frmPuntsLlum::ObreVisorImatge(const std::string& strRuta) {
    TopLevel("ObreVisorImatge", [this, &strRuta] {
        std::string code;
        if (base::Trim(strRuta, " ").empty())
            code = "valNoHiHaFoto";
        else if (!objFuncionsCapaInterficie.ObreVisorImatge(strRuta))
            code = "valRutaFotoNoValida";
        if (!code.empty()) dialogs::ShowMessage(MessageOrDefault(code, "Error en recuperar l'arxiu de foto."));
    });
}

}  // namespace velmar
