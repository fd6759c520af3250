// The light-point window on the sample database: its set-up in each
// language, moving through the points and luminaires of a connection, the
// read and edit modes, and the rules that refuse a save or a delete.
#include <gtest/gtest.h>

#include <QTest>

#include "PuntsLlumFixture.h"
#include "core/controls/Locking.h"

namespace {

using PuntsLlum = PuntsLlumFixture;

TEST_F(PuntsLlum, OpensOnTheFirstPointOfTheFirstConnectionInEachLanguage) {
    struct Idioma {
        int32_t numero;
        const char* titol;
        const char* comptador;
        const char* lluminaria;
        const char* alta;
        std::vector<const char*> pestanyes;
        const char* capcalera;
    };
    const Idioma idiomes[] = {
        {1, "Punts de llum", "Punt de llum 1 de 4", "Lluminària 1 de 1", "14/2/2023", {"General", "Suport", "Lluminàries"},
         "Propietat"},
        {2, "Puntos de luz", "Punto de luz 1 de 4", "Luminaria 1 de 1", "14/2/2023", {"General", "Soporte", "Luminarias"},
         "Propiedad"},
        {5, "Light points", "Light point 1 of 4", "Luminaire 1 of 1", "14/02/2023",
         {"General", "Support", "Luminaires"}, "Property"},
    };
    for (const Idioma& idioma : idiomes) {
        velmar::clsAndamiSistema::Instance().SetIdioma(idioma.numero);
        frmPuntsLlum w(306);
        ASSERT_EQ(w.NumError, 0) << w.UbicacioError;
        EXPECT_TRUE(sessio.shown.empty());
        EXPECT_EQ(w.windowTitle(), idioma.titol);
        EXPECT_EQ(Valor(w, "txtNumeroRegistre"), idioma.comptador);
        EXPECT_EQ(Valor(w, "txtNumeroLluminaria"), idioma.lluminaria);
        EXPECT_EQ(Valor(w, "txtDataAltaInventari"), idioma.alta);
        auto* tabs = w.findChild<QTabWidget*>("tabDades");
        for (int i = 0; i < 3; ++i) EXPECT_EQ(tabs->tabText(i).toStdString(), idioma.pestanyes[size_t(i)]);
        EXPECT_EQ(LlistaVista(w, "lstPropietats")->headerItem()->text(0).toStdString(), idioma.capcalera);
    }

    // PL-001 with its pattern, support, earthing, luminaire and map point.
    frmPuntsLlum w(306);
    EXPECT_EQ(Combo(w, "cmbEscullEscomesa")->currentText(), "E-01");
    EXPECT_EQ(Combo(w, "cmbEscomesa")->currentText(), "E-01");
    const std::map<std::string, std::string> shown = {
        {"txtCodi", "PL-001"},
        {"txtPostal", "2"},
        {"cmbCarrer", "C-001"},
        {"txtInstalacio", "01/06/2016"},
        {"txtDataBaixaInventari", ""},
        {"txtCodiPatro", "1"},
        {"txtObservacionsPatro", "Columna de 4 m amb fanal tipus Vila"},
        {"cmbTipusSuport", "Columna"},
        {"txtModel", "CT-4000"},
        {"cmbTipusTerra", "Piqueta individual"},
        {"cmbSeccioTerra", "4 mm²"},
        {"cmbModelLluminaria", "Lumenor Vila Clàssic"},
        {"cmbModelCaixa", "CC-2 (2 fusibles)"},
        {"txtPotencia", "70"},
    };
    for (const auto& [control, value] : shown) EXPECT_EQ(Valor(w, control.c_str()), value) << control;
    EXPECT_TRUE(w.findChild<QCheckBox*>("chkPortella")->isChecked());
    EXPECT_TRUE(Valor(w, "txtFotoLluminaria").ends_with("/Fotos/Lluminaria-VilaClassic.jpg"));
    EXPECT_TRUE(Valor(w, "txtFotoSuport").ends_with("/Fotos/Suport-S-COL4.jpg"));
    EXPECT_EQ(Files(w, "lstPunts"), std::vector<std::string>{"390128.6|4581452.9"});
    EXPECT_EQ(Files(w, "lstPropietats"),
              (std::vector<std::string>{"Alçada (m)|4|", "Diàmetre de la base (mm)|120|"}));
    EXPECT_EQ(LlistaVista(w, "lstPropietats")->topLevelItem(1)->data(0, Qt::UserRole).toString(), "Clau2");
    EXPECT_EQ(w.intModeRegistre(), 0);
}

TEST_F(PuntsLlum, MovesThroughThePointsAndLuminairesOfTheChosenConnection) {
    frmPuntsLlum w(306);
    TriaEscomesa(w, "E-02");
    EXPECT_EQ(Combo(w, "cmbEscomesa")->currentText(), "E-02");
    EXPECT_EQ(Valor(w, "txtNumeroRegistre"), "Light point 1 of 12");
    EXPECT_EQ(Valor(w, "txtCodi"), "PL-101");
    EXPECT_EQ(Valor(w, "txtNumeroLluminaria"), "Luminaire 1 of 1");

    Click(w, "cmdEndavant");
    EXPECT_EQ(Valor(w, "txtCodi"), "PL-102");
    EXPECT_EQ(Valor(w, "txtNumeroLluminaria"), "Luminaire 1 of 2");
    EXPECT_EQ(Valor(w, "cmbModelLluminaria"), "Vialum V-70 LED");
    EXPECT_TRUE(Valor(w, "txtFotoLluminaria").ends_with("Lluminaria-V70.jpg"));
    EXPECT_EQ(Files(w, "lstPunts"), std::vector<std::string>{"390512.4|4581346"});
    Click(w, "cmdAvancaLluminaria");
    Click(w, "cmdAvancaLluminaria");
    EXPECT_EQ(Valor(w, "txtNumeroLluminaria"), "Luminaire 2 of 2");
    EXPECT_EQ(Valor(w, "cmbModelLluminaria"), "Vialum V-40 LED");
    EXPECT_TRUE(Valor(w, "txtFotoLluminaria").ends_with("Lluminaria-V40.jpg"));
    Click(w, "cmdPrincipiLluminaria");
    Click(w, "cmdReculaLluminaria");
    EXPECT_EQ(Valor(w, "txtNumeroLluminaria"), "Luminaire 1 of 2");
    Click(w, "cmdFiLluminaria");
    EXPECT_EQ(Valor(w, "Observacions"), "Costat vorera");

    // The last point has no luminaire yet: the luminaire's controls and its
    // model's photo are empty.
    Click(w, "cmdFi");
    Click(w, "cmdEndavant");
    EXPECT_EQ(Valor(w, "txtNumeroRegistre"), "Light point 12 of 12");
    EXPECT_EQ(Valor(w, "txtCodi"), "PL-112");
    EXPECT_EQ(Valor(w, "txtNumeroLluminaria"), "Luminaire 0 of 0");
    EXPECT_EQ(Valor(w, "cmbModelLluminaria"), "");
    EXPECT_EQ(Valor(w, "txtFotoLluminaria"), "");
    EXPECT_EQ(Valor(w, "cmbTipusSuport"), "Columna");
    EXPECT_EQ(Valor(w, "txtModel"), "CF-3000");
    Click(w, "cmdPrincipi");
    Click(w, "cmdEnrera");
    EXPECT_EQ(Valor(w, "txtNumeroRegistre"), "Light point 1 of 12");
    Click(w, "cmdEndavant");
    Click(w, "cmdEndavant");
    Click(w, "cmdEnrera");
    EXPECT_EQ(Valor(w, "txtCodi"), "PL-102");

    // A connection without light points: nothing to edit or delete.
    TriaEscomesa(w, "E-03");
    EXPECT_EQ(Valor(w, "txtNumeroRegistre"), "Light point 0 of 0");
    EXPECT_EQ(Valor(w, "txtNumeroLluminaria"), "Luminaire 0 of 0");
    EXPECT_EQ(Valor(w, "txtCodi"), "");
    EXPECT_TRUE(Files(w, "lstPunts").empty());
    Click(w, "cmdEditar");
    Click(w, "cmdEliminar");
    EXPECT_EQ(sessio.shown,
              (std::vector<std::string>{Message("valNoRegistresEditar"), Message("valNoRegistresEliminar")}));
    EXPECT_FALSE(Editant(w));
    TriaEscomesa(w, "E-01");
    EXPECT_EQ(Valor(w, "txtNumeroRegistre"), "Light point 1 of 4");
}

TEST_F(PuntsLlum, AProjectWithoutConnectionsOpensEmpty) {
    frmPuntsLlum w(308);
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Combo(w, "cmbEscullEscomesa")->count(), 0);
    EXPECT_EQ(Valor(w, "txtNumeroRegistre"), "Light point 0 of 0");
    Click(w, "cmdEditar");
    EXPECT_EQ(sessio.shown, std::vector<std::string>{Message("valNoRegistresEditar")});
}

// Each control of the mode table, as it stands browsing and editing.
TEST_F(PuntsLlum, ReadAndEditModesSetEveryControlOfTheirTable) {
    enum class Que { Visible, Enabled, Locked };
    struct Fila {
        const char* control;
        Que que;
        bool lectura;
        bool edicio;
    };
    const Fila taula[] = {
        {"cmdEditar", Que::Visible, true, false},
        {"cmdEliminar", Que::Visible, true, false},
        {"cmdSortir", Que::Visible, true, false},
        {"cmdSortirEdicio", Que::Visible, false, true},
        {"cmdDesferCanvis", Que::Visible, false, true},
        {"cmdSituar", Que::Enabled, false, true},
        {"cmdAfegirPropietat", Que::Enabled, false, true},
        {"cmdEliminarPropietat", Que::Enabled, false, true},
        {"cmdAfegirLluminaria", Que::Enabled, false, true},
        {"cmdEliminarLluminaria", Que::Enabled, false, true},
        {"cmdEndavant", Que::Enabled, true, false},
        {"cmdEnrera", Que::Enabled, true, false},
        {"cmdPrincipi", Que::Enabled, true, false},
        {"cmdFi", Que::Enabled, true, false},
        {"cmdEscullFotoLluminaria", Que::Enabled, false, true},
        {"cmdEscullFotoSuport", Que::Enabled, false, true},
        {"cmdEscullFotoPatro", Que::Enabled, false, true},
        {"txtCodi", Que::Locked, true, false},
        {"txtObservacionsSuport", Que::Locked, true, false},
        {"txtValor", Que::Locked, true, false},
        {"cmbCarrer", Que::Locked, true, false},
        {"cmbModelCaixa", Que::Locked, true, false},
        {"cmbPropietat", Que::Locked, true, false},
        {"chkPortella", Que::Locked, true, false},
        {"chkTall", Que::Locked, true, false},
        {"cmdTipusSuport", Que::Enabled, false, true},
        {"cmdAmpers", Que::Enabled, false, true},
        {"cmbEscullEscomesa", Que::Locked, false, true},
        // It only shows the point's connection, which no edit changes.
        {"cmbEscomesa", Que::Locked, true, true},
        {"txtNumeroRegistre", Que::Locked, true, true},
        {"txtNumeroLluminaria", Que::Locked, true, true},
        // Not the mode's: the viewers and the luminaire's own steps.
        {"cmdFoto", Que::Enabled, true, true},
        {"cmdAvancaLluminaria", Que::Enabled, true, true},
    };
    frmPuntsLlum w(306);
    w.show();
    const auto check = [&w](const Fila& fila, bool expected, const char* mode) {
        QWidget* control = w.findChild<QWidget*>(fila.control);
        ASSERT_NE(control, nullptr) << fila.control;
        const bool actual = fila.que == Que::Visible   ? control->isVisible()
                            : fila.que == Que::Enabled ? control->isEnabled()
                                                       : velmar::IsLocked(control);
        EXPECT_EQ(actual, expected) << fila.control << " " << mode;
        // Locked is read-only, never disabled.
        if (fila.que == Que::Locked) {
            EXPECT_TRUE(control->isEnabled()) << fila.control;
        }
    };
    for (const Fila& fila : taula) check(fila, fila.lectura, "browsing");
    Click(w, "cmdEditar");
    EXPECT_EQ(w.intModeRegistre(), 2);
    for (const Fila& fila : taula) check(fila, fila.edicio, "editing");
    Click(w, "cmdDesferCanvis");
    EXPECT_EQ(w.intModeRegistre(), 0);
    for (const Fila& fila : taula) check(fila, fila.lectura, "browsing again");

    // Browsing, a bound check box does not change.
    auto* portella = w.findChild<QCheckBox*>("chkPortella");
    QTest::mouseClick(portella, Qt::LeftButton, {}, QPoint(8, portella->height() / 2));
    QTest::keyClick(portella, Qt::Key_Space);
    EXPECT_TRUE(portella->isChecked());
    EXPECT_FALSE(AlgunaPendent(w));
}

TEST_F(PuntsLlum, EachRuleRefusesTheSaveWithItsMessageAndKeepsTheEdit) {
    struct Cas {
        const char* codi;
        std::function<void(QWidget&)> edita;
        // The field a refused value is named by, as the user knows it.
        const char* camp = nullptr;
    };
    const Cas casos[] = {
        {"valAlgunCampNecessariBuit", [](QWidget& w) { Text(w, "txtPostal")->clear(); }},
        {"valAlgunCampNecessariBuit", [](QWidget& w) { Escriu(w, "cmbCarrer", ""); }},
        {"valValorsNoEsTrobenEnCombos", [](QWidget& w) { Escriu(w, "cmbTipusSuport", "Formigó armat"); },
         "Support: Type"},
        {"valValorsNoEsTrobenEnCombos", [](QWidget& w) { Escriu(w, "cmbModelCaixa", "CC-9"); }, "Connection box: Model"},
        {"valRepetitCodiPuntLlum", [](QWidget& w) { Text(w, "txtCodi")->setText("pl-002"); }},
        {"valDataNoValida", [](QWidget& w) { Text(w, "txtInstalacio")->setText("31/02/2016"); }, "Dates: Installation"},
        {"valDataNoValida", [](QWidget& w) { Text(w, "txtDataBaixaInventari")->setText("demà"); },
         "Dates: Inventory removal"},
    };
    for (const Cas& cas : casos) {
        frmPuntsLlum w(306);
        Click(w, "cmdEditar");
        cas.edita(w);
        Click(w, "cmdSortirEdicio");
        std::string missatge = Message(cas.codi);
        if (cas.camp) missatge.replace(missatge.find("%1"), 2, cas.camp);
        EXPECT_EQ(sessio.shown, std::vector<std::string>{missatge}) << cas.codi;
        sessio.shown.clear();
        EXPECT_TRUE(Editant(w)) << cas.codi;
        EXPECT_EQ(Camp(Llegeix("GetPuntsLlum", {1}), "NumPuntLlum", 1, "NumeroPostal"), "2");
        EXPECT_EQ(Camp(Llegeix("GetPuntsLlum", {1}), "NumPuntLlum", 1, "CodPuntLlum"), "PL-001");
    }
    // An emptied combo other than the street passes, and writes no key.
    frmPuntsLlum w(306);
    Click(w, "cmdEditar");
    Escriu(w, "cmbModelCaixa", "");
    Text(w, "txtInstalacio")->setText("3/4/2017");
    Click(w, "cmdSortirEdicio");
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Camp(Llegeix("GetLluminaries"), "NumLluminaria", 1, "NumCaixaModel"), "(Null)");
    EXPECT_EQ(Camp(Llegeix("GetPuntsLlum", {1}), "NumPuntLlum", 1, "DataInstalacio"), "2017-04-03T00:00:00");
}

TEST_F(PuntsLlum, OnlyAPointEnteredTodayOrWithoutADateIsDeleted) {
    frmPuntsLlum w(306);
    Click(w, "cmdEliminar");
    EXPECT_EQ(sessio.shown, std::vector<std::string>{Message("valDataAltaPassada")});
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(Llegeix("GetPuntsLlum", {1}).RecordCount(), 4);
}

}  // namespace
