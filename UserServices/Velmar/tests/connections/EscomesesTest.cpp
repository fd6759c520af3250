// The service-connection window on the sample database: set-up, the read
// and edit modes, the zone chooser, moving through a zone's connections,
// the validations, the delete with the connection's picture, and a set-up
// that fails.
#include <QDate>
#include <filesystem>
#include <fstream>

#include "TestLookupTableEditor.h"
#include "Com/Registry.h"
#include "EscomesesFixture.h"
#include "core/controls/Locking.h"
#include "core/services/LookupTableEditor.h"

namespace {

using velmar::IsLocked;
using velmar::frmEscomeses;

class Escomeses : public EscomesesFixture {
protected:
    static bool Enabled(QWidget& w, const char* name) { return Control(w, name)->isEnabled(); }
    static bool Visible(QWidget& w, const char* name) { return Control(w, name)->isVisibleTo(&w); }
    static std::string Counter(QWidget& w) { return Text(w, "txtNumeroRegistre")->text().toStdString(); }
};

TEST_F(Escomeses, SetsUpOnTheFirstZoneWithItsListsInReadMode) {
    frmEscomeses w(306);
    ASSERT_EQ(w.NumError, 0) << w.UbicacioError;
    EXPECT_TRUE(sessio.shown.empty());
    auto* chooser = Control<QComboBox>(w, "cmbEscullZona");
    ASSERT_EQ(chooser->count(), 3);
    EXPECT_EQ(chooser->itemText(0), "Z-01");
    EXPECT_EQ(chooser->itemText(2), "Z-03");
    EXPECT_EQ(Counter(w), "Service connection 1 of 2");
    EXPECT_EQ(Text(w, "txtCodi")->text(), "E-01");
    // The four columns of another name hold the numbers their combos show.
    EXPECT_EQ(Combo(w, "cmbComptatge")->currentText(), "Trifàsic amb discriminació horària");
    EXPECT_EQ(Combo(w, "cmbSeccio")->currentText(), "16 mm²");
    EXPECT_EQ(Combo(w, "cmbFusibles")->currentText(), "32 A");
    EXPECT_EQ(Combo(w, "cmbConjuntMesura")->currentText(), "Caixa de protecció i mesura (CPM)");
    EXPECT_EQ(Text(w, "txtdataInstalacio")->text(), "20/05/2016");

    auto* punts = Control<QTreeWidget>(w, "lstPunts");
    EXPECT_EQ(Items(punts), std::vector<std::string>{"390208.4"});
    EXPECT_EQ(punts->headerItem()->text(0), "X");
    auto* elements = Control<QTreeWidget>(w, "lstElementsProteccio");
    EXPECT_EQ(Items(elements, 1), (std::vector<std::string>{"IG", "DF1", "MT1", "MT2", "RA", "L1", "L2"}));
    EXPECT_EQ(elements->topLevelItem(2)->text(3), "Circuit del Carrer Major");
    EXPECT_EQ(elements->currentItem(), elements->topLevelItem(0));

    // Read mode: the record locked, the commands of browsing.
    for (const char* name : {"txtCodi", "cmbCompanyia", "cmbZona", "txtNumeroRegistre", "txtdataInstalacio"})
        EXPECT_TRUE(IsLocked(Control(w, name))) << name;
    EXPECT_FALSE(IsLocked(chooser));
    for (const char* name : {"cmdPrincipi", "cmdEnrera", "cmdEndavant", "cmdFi"}) EXPECT_TRUE(Enabled(w, name)) << name;
    for (const char* name :
         {"cmdCompanyia", "cmdFusibles", "cmdFotoEscomesa", "cmdFotoEsquema", "cmdSituar", "cmdEditarProteccio"})
        EXPECT_FALSE(Enabled(w, name)) << name;
    EXPECT_TRUE(Visible(w, "cmdNou"));
    EXPECT_FALSE(Visible(w, "cmdSortirEdicio"));

    // Edit mode: the reverse, and the counter still locked.
    Click(w, "cmdEditar");
    for (const char* name : {"txtCodi", "cmbCompanyia", "cmbZona", "txtdataInstalacio"})
        EXPECT_FALSE(IsLocked(Control(w, name))) << name;
    EXPECT_TRUE(IsLocked(Control(w, "txtNumeroRegistre")));
    EXPECT_TRUE(IsLocked(chooser));
    for (const char* name : {"cmdPrincipi", "cmdEnrera", "cmdEndavant", "cmdFi"})
        EXPECT_FALSE(Enabled(w, name)) << name;
    for (const char* name : {"cmdCompanyia", "cmdFusibles", "cmdFotoEscomesa", "cmdEditarProteccio"})
        EXPECT_TRUE(Enabled(w, name)) << name;
    EXPECT_FALSE(Visible(w, "cmdNou"));
    EXPECT_TRUE(Visible(w, "cmdSortirEdicio"));
}

TEST_F(Escomeses, InCatalanTheCounterAndDatesReadAsThere) {
    velmar::clsAndamiSistema::Instance().SetIdioma(1);
    frmEscomeses w(306);
    EXPECT_EQ(Counter(w), "Escomesa 1 de 2");
    EXPECT_EQ(Text(w, "txtdataInstalacio")->text(), "20/5/2016");
    EXPECT_EQ(w.windowTitle(), "Escomeses");
}

TEST_F(Escomeses, TheZoneChooserLoadsTheZoneChosenAndNavigationStaysWithin) {
    frmEscomeses w(306);
    TriaZona(w, "Z-02");
    EXPECT_EQ(Text(w, "txtCodi")->text(), "E-02");
    EXPECT_EQ(Counter(w), "Service connection 1 of 1");
    EXPECT_EQ(Control<QTreeWidget>(w, "lstElementsProteccio")->topLevelItemCount(), 8);

    TriaZona(w, "Z-03");
    EXPECT_EQ(Counter(w), "Service connection 0 of 0");
    EXPECT_EQ(Control<QTreeWidget>(w, "lstPunts")->topLevelItemCount(), 0);
    EXPECT_EQ(Control<QTreeWidget>(w, "lstElementsProteccio")->topLevelItemCount(), 0);
    Click(w, "cmdEndavant");
    Click(w, "cmdFi");
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();

    TriaZona(w, "Z-01");
    const std::vector<std::pair<const char*, std::string>> moves = {{"cmdEnrera", "E-01"},   {"cmdEndavant", "E-03"},
                                                                    {"cmdEndavant", "E-03"}, {"cmdPrincipi", "E-01"},
                                                                    {"cmdFi", "E-03"},       {"cmdEnrera", "E-01"}};
    for (const auto& [button, code] : moves) {
        Click(w, button);
        EXPECT_EQ(Text(w, "txtCodi")->text().toStdString(), code) << button;
    }
    Click(w, "cmdFi");
    EXPECT_EQ(Counter(w), "Service connection 2 of 2");
    EXPECT_EQ(Control<QTreeWidget>(w, "lstElementsProteccio")->topLevelItemCount(), 4);
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();

    // While a connection is edited the chooser does not move.
    Click(w, "cmdEditar");
    Control<QComboBox>(w, "cmbEscullZona")->setFocus();
    EXPECT_EQ(Text(w, "txtCodi")->text(), "E-03");
}

TEST_F(Escomeses, EachRuleStopsTheSaveOrTheDeleteWithItsMessage) {
    // E-01 registered before today; E-02 with cable segments but, here, no
    // light points; E-03 registered today.
    sessio.execute("UPDATE T_PuntLlum SET NumEscomesa = 4 WHERE NumEscomesa = 2");
    sessio.execute("UPDATE T_Escomesa SET DataAltaInventari = NULL WHERE NumEscomesa = 2");
    sessio.execute("UPDATE T_Escomesa SET DataAltaInventari = '" +
                   QDate::currentDate().toString(Qt::ISODate).toStdString() + "T00:00:00' WHERE NumEscomesa = 3");
    struct Cas {
        const char* zona;
        int record;  // moves forward from the first
        const char* command;
        std::function<void(frmEscomeses&)> change;
        const char* code;
        // The field a refused value is named by, as the user knows it.
        const char* camp = nullptr;
    };
    const std::vector<Cas> cases = {
        {"Z-01", 0, "cmdSortirEdicio", [](frmEscomeses& w) { Text(w, "txtCodi")->setText(""); },
         "valAlgunCampNecessariBuit"},
        {"Z-01", 0, "cmdSortirEdicio", [](frmEscomeses& w) { Tria(w, "cmbICP", ""); }, "valAlgunCampNecessariBuit"},
        {"Z-01", 0, "cmdSortirEdicio", [](frmEscomeses& w) { Tria(w, "cmbTarifa", "9.9XX"); },
         "valValorsNoEsTrobenEnCombos", "Contract: Tariff"},
        {"Z-01", 0, "cmdSortirEdicio", [](frmEscomeses& w) { Text(w, "txtDataBaixaInventari")->setText("31/02/2024"); },
         "valDataNoValida", "Dates: Inventory removal"},
        {"Z-01", 0, "cmdSortirEdicio", [](frmEscomeses& w) { Text(w, "txtdataInstalacio")->setText("yesterday"); },
         "valDataNoValida", "Dates: Installation date"},
        {"Z-01", 1, "cmdSortirEdicio", [](frmEscomeses& w) { Text(w, "txtCodi")->setText("e-01"); },
         "valRepetitCodiEscomesa"},
        {"Z-03", 0, "cmdEditar", nullptr, "valNoRegistresEditar"},
        {"Z-03", 0, "cmdEliminar", nullptr, "valNoRegistresEliminar"},
        {"Z-01", 0, "cmdEliminar", nullptr, "valDataAltaPassada"},
        {"Z-02", 0, "cmdEliminar", nullptr, "valReferenciatT_Tram"},
    };
    for (const Cas& c : cases) {
        frmEscomeses w(306);
        TriaZona(w, c.zona);
        for (int i = 0; i < c.record; ++i) Click(w, "cmdEndavant");
        const std::string before = Text(w, "txtCodi")->text().toStdString();
        if (c.change && std::string(c.command) == "cmdSortirEdicio") {
            Click(w, "cmdEditar");
            c.change(w);
        }
        sessio.shown.clear();
        asked.clear();
        Click(w, c.command);
        std::string missatge = Message("frmEscomeses", c.code);
        if (c.camp) missatge.replace(missatge.find("%1"), 2, c.camp);
        EXPECT_EQ(sessio.shown, std::vector<std::string>{missatge}) << c.code;
        EXPECT_TRUE(asked.empty()) << c.code;
        if (std::string(c.command) == "cmdSortirEdicio") {
            EXPECT_TRUE(Visible(w, "cmdSortirEdicio")) << c.code;
        }
        EXPECT_EQ(Valor("SELECT COUNT(*) FROM T_Escomesa"), "4") << c.code;
        if (!before.empty()) {
            EXPECT_EQ(Valor("SELECT CodEscomesa FROM T_Escomesa WHERE CodEscomesa = '" + before + "'"), before);
        }
    }

    // Light points refer to E-01 once its date allows its delete.
    sessio.execute("UPDATE T_Escomesa SET DataAltaInventari = NULL WHERE NumEscomesa = 1");
    frmEscomeses w(306);
    sessio.shown.clear();
    Click(w, "cmdEliminar");
    EXPECT_EQ(sessio.shown, std::vector<std::string>{Message("frmEscomeses", "valReferenciatT_PuntLlum")});
}

TEST_F(Escomeses, ADeleteRemovesTheRowAndOnlyTheConnectionsOwnPicture) {
    // E-03, registered in no inventory yet, names a file of the user's as
    // its scheme; the program made a picture of its tree before.
    const std::string propi = imatges.file("esquema-propi.bmp");
    const std::string generat = imatges.file("Elements3.bmp");
    const std::string altre = imatges.file("Elements1.bmp");
    for (const std::string& path : {propi, generat, altre}) std::ofstream(path) << "BM";
    sessio.execute("UPDATE T_Escomesa SET FotoEsquema = '" + propi + "' WHERE NumEscomesa = 3");

    frmEscomeses w(306);
    Click(w, "cmdFi");
    ASSERT_EQ(Text(w, "txtCodi")->text(), "E-03");
    answer = false;
    Click(w, "cmdEliminar");
    EXPECT_EQ(asked, std::vector<std::string>{Message("frmEscomeses", "valTextEliminar")});
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T_Escomesa WHERE NumEscomesa = 3"), "1");

    answer = true;
    Click(w, "cmdEliminar");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T_Escomesa WHERE NumEscomesa = 3"), "0");
    EXPECT_FALSE(std::filesystem::exists(generat));
    EXPECT_TRUE(std::filesystem::exists(propi));
    EXPECT_TRUE(std::filesystem::exists(altre));
    // The record before it is shown, in read mode.
    EXPECT_EQ(Text(w, "txtCodi")->text(), "E-01");
    EXPECT_EQ(Counter(w), "Service connection 1 of 1");
    EXPECT_TRUE(Visible(w, "cmdNou"));
    EXPECT_TRUE(NoOpenTransaction());
}

TEST_F(Escomeses, AFailedDeleteIsRolledBackAndKeepsTheRowAndItsPicture) {
    const std::string generat = imatges.file("Elements3.bmp");
    std::ofstream(generat) << "BM";
    frmEscomeses w(306);
    Click(w, "cmdFi");
    sessio.execute("ALTER TABLE T_Escomesa RENAME TO T_EscomesaApart");
    Click(w, "cmdEliminar");
    sessio.execute("ALTER TABLE T_EscomesaApart RENAME TO T_Escomesa");
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_TRUE(sessio.shown.front().ends_with("\rVelmar(exe) - frmEscomeses - Eliminar)")) << sessio.shown.front();
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T_Escomesa WHERE NumEscomesa = 3"), "1");
    EXPECT_TRUE(std::filesystem::exists(generat));
    EXPECT_EQ(Text(w, "txtCodi")->text(), "E-03");
    EXPECT_EQ(Counter(w), "Service connection 2 of 2");
    EXPECT_TRUE(NoOpenTransaction());
}

TEST_F(Escomeses, ASetUpWithoutItsSettingShowsTheErrorAndLeavesNothingToChange) {
    velmar::clsFuncionsCapaInterficie f;
    testsupport::ScopedFile ini(f.RutaArxiuIni(), Settings(std::nullopt));
    frmEscomeses w(306);
    EXPECT_EQ(w.NumError, 513);
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_TRUE(
        sessio.shown.front().ends_with("\rVelmar(exe) - FuncionsCapaInterficie - ConsultaArxiuIniInterficie"
                                       "\rVelmar(exe) - frmEscomeses - IniciFormulari)"))
        << sessio.shown.front();
    // What was read is shown, locked.
    EXPECT_EQ(Text(w, "txtCodi")->text(), "E-01");
    EXPECT_TRUE(IsLocked(Text(w, "txtCodi")));
    for (const char* name : {"cmdNou", "cmdEditar", "cmdEliminar", "cmdPrincipi", "cmdEndavant", "cmbEscullZona"})
        EXPECT_FALSE(Enabled(w, name)) << name;
    EXPECT_TRUE(Enabled(w, "cmdSortir"));
}

TEST_F(Escomeses, AProjectWithoutZonesOpensEmptyAndAddsNothing) {
    sessio.execute("DELETE FROM T_Zona WHERE NumProjecte = 308");
    frmEscomeses w(308);
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Control<QComboBox>(w, "cmbEscullZona")->count(), 0);
    EXPECT_EQ(Counter(w), "Service connection 0 of 0");
    EXPECT_FALSE(Enabled(w, "cmdNou"));
    Click(w, "cmdEditar");
    EXPECT_EQ(sessio.shown, std::vector<std::string>{Message("frmEscomeses", "valNoRegistresEditar")});
}

TEST_F(Escomeses, PhotosAreChosenOnlyWhileEditingAndACancelChangesNothing) {
    frmEscomeses w(306);
    chosen = imatges.file("foto.jpg");
    Click(w, "cmdFotoEscomesa");
    EXPECT_TRUE(files.empty()) << "disabled while browsing";
    Click(w, "cmdEditar");
    Click(w, "cmdFotoEscomesa");
    EXPECT_EQ(Text(w, "txtFotoEscomesa")->text().toStdString(), *chosen);
    chosen.reset();
    Click(w, "cmdFotoEsquema");
    EXPECT_TRUE(Text(w, "txtEsquemaProteccion")->text().endsWith("Esquema-E01.png"));
    // Each chooser opened on its own field's picture.
    EXPECT_TRUE(files.front().arxiu.ends_with("Escomesa-E01.jpg")) << files.front().arxiu;
    EXPECT_EQ(files.back().arxiu, Text(w, "txtEsquemaProteccion")->text().toStdString());
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Valor("SELECT FotoEscomesa FROM T_Escomesa WHERE NumEscomesa = 1"), imatges.file("foto.jpg"));
}

// The lookup-table editor as the administration windows register it: it
// notes what it was opened on and closes with the table's rows.
struct EditorProva final : TestLookupTableEditor {
    void ShowModal() override {
        std::string pairs;
        for (const velmar::clsINtegritatReferencial& pair : colIntegritatReferencial)
            pairs += pair.strNomTaulaFill + "." + pair.strClauTaulaFill;
        obert.push_back(strNomTaula + " " + strCampIntegritat + " " + strCampLlista + " " + pairs + " [" +
                        strNomCampFiltre + "]");
        LlegeixFiles("Brintel.SvrEscomeses");
    }
    static inline std::vector<std::string> obert;
};

TEST_F(Escomeses, EachLookupButtonOpensTheEditorOnItsTableAndTheComboKeepsItsValue) {
    const auto previous = velmar::RegisterLookupTableEditor([] { return std::make_unique<EditorProva>(); });
    const std::vector<std::pair<const char*, std::string>> botons = {
        {"cmdCompanyia", "TTE_Companyia NumCompanyia CodCompanyia T_Escomesa.NumCompanyia []"},
        {"cmdComptatge", "TTE_Comptador NumComptador CodComptador T_Escomesa.NumComptadorTipus []"},
        {"cmdConjuntMesura", "TTE_ConjuntMesura NumiConjuntMesura CodiConjuntMesura T_Escomesa.NumConjuntMesura []"},
        {"cmdDiscriminacio", "TTE_Discriminacio NumDiscriminacio CodDiscriminacio T_Escomesa.NumDiscriminacio []"},
        {"cmdFusibles", "TT_FusibleA NumFusibleA CodFusibleA T_Escomesa.NumFusibleE []"},
        {"cmdICP", "TTE_ICP NumICP CodICP T_Escomesa.NumICP []"},
        {"cmdPeriodicitat", "TTE_Periodicitat NumPeriodicitat CodPeriodicitat T_Escomesa.NumPeriodicitat []"},
        {"cmdSeccio", "TT_SeccioCable NumSeccioCable CodSeccioCable T_Escomesa.NumSeccioE []"},
        {"cmdSistemaEncesa", "TTE_SistemaEncesa NumSistemaEncesa CodSistemaEncesa T_Escomesa.NumSistemaEncesa []"},
        {"cmdSistemaRegulacio",
         "TTE_SistemaRegulacio NumSistemaRegulacio CodSistemaRegulacio T_Escomesa.NumSistemaRegulacio []"},
        {"cmdTarifa", "TTE_Tarifa NumTarifa CodTarifa T_Escomesa.NumTarifa []"},
        {"cmdTensio", "TTE_Tensio NumTensio CodTensio T_Escomesa.NumTensio []"},
        {"cmdTipusArmari", "TTE_ArmariMaterial NumArmariMaterial CodArmariMaterial T_Escomesa.NumArmariMaterial []"},
        {"cmdUbicacioArmari", "TTE_ArmariUbicacio NumArmariUbicacio CodArmariUbicacio T_Escomesa.NumArmariUbicacio []"},
    };
    frmEscomeses w(306);
    Click(w, "cmdEditar");
    const QString fusibles = Combo(w, "cmbFusibles")->currentText();
    for (const auto& [boto, obert] : botons) {
        EditorProva::obert.clear();
        Click(w, boto);
        EXPECT_EQ(EditorProva::obert, std::vector<std::string>{obert}) << boto;
    }
    velmar::RegisterLookupTableEditor(previous);
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Combo(w, "cmbFusibles")->currentText(), fusibles);
    EXPECT_TRUE(Combo(w, "cmbFusibles")->MatchedWithList());
}

// A code typed into a data combo that is none of its list's stays as typed
// while a ">" editor reads the lists again, its own or another combo's, for
// the save to refuse it naming the field; the combo showed the stored code
// again, and the save kept that one without a word.
TEST_F(Escomeses, ACodeNoneOfItsListsOutlivesTheLookupEditorsForTheSaveToRefuse) {
    const auto previous = velmar::RegisterLookupTableEditor([] { return std::make_unique<EditorProva>(); });
    const std::string abans = Valor("SELECT NumCompanyia FROM T_Escomesa WHERE CodEscomesa = 'E-01'");
    frmEscomeses w(306);
    Click(w, "cmdEditar");
    TypeAndLeave(Combo(w, "cmbCompanyia"), "Companyia d'enlloc");
    for (const char* boto : {"cmdFusibles", "cmdCompanyia"}) {
        Click(w, boto);
        EXPECT_EQ(Combo(w, "cmbCompanyia")->currentText(), "Companyia d'enlloc") << boto;
    }
    velmar::RegisterLookupTableEditor(previous);
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    Click(w, "cmdSortirEdicio");
    std::string missatge = Message("frmEscomeses", "valValorsNoEsTrobenEnCombos");
    missatge.replace(missatge.find("%1"), 2, "Contract: Supplier");
    EXPECT_EQ(sessio.shown, std::vector<std::string>{missatge});
    EXPECT_TRUE(Visible(w, "cmdSortirEdicio"));
    EXPECT_EQ(Valor("SELECT NumCompanyia FROM T_Escomesa WHERE CodEscomesa = 'E-01'"), abans);
}

}  // namespace
