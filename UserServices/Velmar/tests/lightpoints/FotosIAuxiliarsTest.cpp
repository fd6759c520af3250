// The light-point window's photos (chosen and shown in the viewer), its
// ">" buttons on the lookup-table editor, and what it does when its data
// cannot be read or when it is closed while editing.
#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "TestLookupTableEditor.h"
#include "PuntsLlumFixture.h"
#include "admin/frmTaulesAuxiliars.h"
#include "core/services/LookupTableEditor.h"
#include "dialogs/frmVisorImatge.h"

namespace {

class FotosIAuxiliars : public PuntsLlumFixture {
protected:
    void TearDown() override {
        for (QWidget* viewer : Visors()) delete viewer;
        PuntsLlumFixture::TearDown();
    }
    static std::vector<velmar::frmVisorImatge*> Visors() {
        std::vector<velmar::frmVisorImatge*> viewers;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* viewer = dynamic_cast<velmar::frmVisorImatge*>(window)) viewers.push_back(viewer);
        return viewers;
    }
    static bool Habilitades(QWidget& w) {
        for (const char* name : {"cmdEditar", "cmdEliminar", "cmdEndavant", "cmdFi", "cmdAvancaLluminaria", "cmdFoto"})
            if (!CommandButton(w, name)->isEnabled()) return false;
        return true;
    }
    static bool Inhabilitades(QWidget& w) {
        for (const char* name : {"cmdEditar", "cmdEliminar", "cmdEndavant", "cmdFi", "cmdAvancaLluminaria", "cmdFoto"})
            if (CommandButton(w, name)->isEnabled()) return false;
        return true;
    }
};

TEST_F(FotosIAuxiliars, APhotoOpensInAViewerOfItsOwnOrSaysWhyNot) {
    sessio.execute("UPDATE T_PatroPLL SET FotoPatro = '/enlloc/patro.jpg' WHERE NumPatroPLL = 4");
    frmPuntsLlum w(306);
    Click(w, "cmdFoto");
    Click(w, "cmdFotoLluminaria");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    ASSERT_EQ(Visors().size(), 2u);
    std::set<std::string> shown;
    for (const velmar::frmVisorImatge* viewer : Visors()) shown.insert(viewer->strNomArxiuImatge);
    EXPECT_EQ(shown, (std::set<std::string>{Valor(w, "txtFotoPatro"), Valor(w, "txtFotoLluminaria")}));

    // P-MURAL has no photo; P-GLOBUS names a file that is not there.
    TriaEscomesa(w, "E-02");
    for (int i = 0; i < 7; ++i) Click(w, "cmdEndavant");
    ASSERT_EQ(Valor(w, "txtCodi"), "PL-108");
    Click(w, "cmdFoto");
    Click(w, "cmdFi");
    Click(w, "cmdFoto");
    EXPECT_EQ(sessio.shown, (std::vector<std::string>{Message("valNoHiHaFoto"), Message("valRutaFotoNoValida")}));
    EXPECT_EQ(Visors().size(), 2u);

    // Without the texts, both say the window's own words.
    sessio.shown.clear();
    sessio.execute("DELETE FROM T_Idioma WHERE CodTextIdioma IN ('valNoHiHaFoto', 'valRutaFotoNoValida')");
    frmPuntsLlum sense(306);
    TriaEscomesa(sense, "E-02");
    Click(sense, "cmdFi");
    Click(sense, "cmdFoto");
    Click(sense, "cmdFotoLluminaria");
    EXPECT_EQ(sessio.shown, std::vector<std::string>(2, "Error en recuperar l'arxiu de foto."));
}

TEST_F(FotosIAuxiliars, APhotoChosenIsSavedWithThePoint) {
    frmPuntsLlum w(306);
    EXPECT_FALSE(CommandButton(w, "cmdEscullFotoSuport")->isEnabled());
    Click(w, "cmdEditar");
    arxiu = std::nullopt;
    const std::string actual = Valor(w, "txtFotoSuport");
    Click(w, "cmdEscullFotoSuport");
    EXPECT_TRUE(Valor(w, "txtFotoSuport").ends_with("Suport-S-COL4.jpg")) << "cancelled: nothing chosen";
    // The chooser opened on the support's photo, in its folder.
    EXPECT_EQ(peticio.arxiu, actual);
    EXPECT_EQ(peticio.carpeta, std::filesystem::path(actual).parent_path().string());
    arxiu = "/fotos/columna nova.jpg";
    Click(w, "cmdEscullFotoSuport");
    EXPECT_EQ(Valor(w, "txtFotoSuport"), "/fotos/columna nova.jpg");
    Click(w, "cmdSortirEdicio");
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Camp(Auxiliar("TSP_Suport", "CodSPSuport"), "NumSPSuport", 1, "FotoSPSuport"), "/fotos/columna nova.jpg");

    // A point without a pattern has no pattern to give a photo.
    sessio.execute("UPDATE T_PuntLlum SET NumPatroPLL = NULL WHERE NumPuntLlum = 1");
    frmPuntsLlum sensePatro(306);
    EXPECT_EQ(Valor(sensePatro, "txtObservacionsPatro"), "");
    EXPECT_EQ(Valor(sensePatro, "txtModel"), "");
    Click(sensePatro, "cmdEditar");
    Click(sensePatro, "cmdEscullFotoPatro");
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_TRUE(sessio.shown.front().ends_with(" (Velmar(exe) - frmPuntsLlum - SeleccionaFotoPatro)")) << sessio.shown.front();
}

// The editor as a lookup button drives it: what it was given, and the rows
// it holds when it closes, one of them added there.
struct EditorProva final : TestLookupTableEditor {
    static inline std::vector<std::string> obert;
    void ShowModal() override {
        std::string integritat;
        for (const velmar::clsINtegritatReferencial& pair : colIntegritatReferencial)
            integritat += pair.strNomTaulaFill + "." + pair.strClauTaulaFill;
        obert.push_back(strNomTaula + " " + strCampIntegritat + " " + strCampLlista + " " + integritat + " [" +
                        strNomCampFiltre + "] " + std::to_string(lngValorCampFiltre));
        LlegeixFiles("Brintel.SvrPuntsLlum");
        rows->AddNew();
        rows->SetValue(strCampLlista, "Nou codi");
        rows->Update();
    }
};

TEST_F(FotosIAuxiliars, EachLookupButtonOpensTheEditorOnItsTable) {
    const auto previous = velmar::RegisterLookupTableEditor([] { return std::make_unique<EditorProva>(); });
    EditorProva::obert.clear();
    frmPuntsLlum w(306);
    w.show();
    Click(w, "cmdTipusSuport");
    EXPECT_TRUE(EditorProva::obert.empty()) << "browsing, the buttons are disabled";
    Click(w, "cmdEditar");
    const std::vector<std::pair<const char*, const char*>> botons = {
        {"cmdTipusSuport", "TTS_SuportTipus NumSuportTipus CodSuportTipus TSP_Suport.NumSuportTipus"},
        {"cmdSeccioSuport", "TTS_SuportSeccio NumSuportSeccio CodSuportSeccio TSP_Suport.NumSuportSeccio"},
        {"cmdMaterial", "TTS_SuportMaterial NumSuportMaterial CodSuportMaterial TSP_Suport.NumSuportMaterial"},
        {"cmdColorSuport", "TTS_SuportColor NumSuportColor CodSuportColor TSP_Suport.NumSuportColor"},
        {"cmdMarca", "TTS_SuportMarca NumSuportMarca CodSuportMarca TSP_Suport.NumSuportMarca"},
        {"cmdTipusTerra", "TTS_PresaTerra NumTerraCable CodTerraCable T_PuntLlum.NumTerraCable"},
        {"cmdSeccioTerra", "TT_SeccioCable NumSeccioCable CodSeccioCable T_PuntLlum.NumTerraSeccio"},
        {"cmdTipusLLum", "TTLL_TipusLlum NumLlumTipus CodLlumTipus T_Lluminaria.NumTipusLlum"},
        {"cmdTipusLluminaria",
         "TTLL_LluminariaTipus NumLluminariaTipus CodLluminariaTipus T_Lluminaria.NumLluminariaTipus"},
        {"cmdMarcaLluminaria",
         "TTLL_LluminariaMarca NumLluminariaMarca CodLluminariaMarca T_Lluminaria.NumLluminariaMarca"},
        {"cmdModelLluminaria",
         "TTLL_LluminariaModel NumLluminariaModel CodLluminariaModel T_Lluminaria.NumLluminariaModel"},
        {"cmdForma", "TTLL_BombetaForma NumBombetaForma CodBombetaForma T_Lluminaria.NumBombetaForma"},
        {"cmdMarcaBombeta", "TTLL_BombetaMarca NumBombetaMarca CodBombetaMarca T_Lluminaria.NumBombetaMarca"},
        {"cmdModelBombeta", "TTLL_BombetaModel NumBombetaModel CodBombetaModel T_Lluminaria.NumBombetaModel"},
        {"cmdUbicacioEquip", "TTLL_EquipUbicacio NumEquipUbicacio CodEquipUbicacio T_Lluminaria.NumEquipUbicacio"},
        {"cmdMarcaEquip", "TTLL_EquipMarca NumEquipMarca CodEquipMarca T_Lluminaria.NumEquipMarca"},
        {"cmdModelEquip", "TTLL_EquipModel NumEquipModel CodEquipModel T_Lluminaria.NumEquipModel"},
        {"cmdTipusCaixa", "TTS_CaixaTipus NumCaixaTipus CodCaixaTipus T_Lluminaria.NumCaixaTipus"},
        {"cmdUbicacioCaixa", "TTS_CaixaUbicacio NumCaixaUbicacio CodCaixaUbicacio T_Lluminaria.NumCaixaUbicacio"},
        {"cmdMarcaCaixa", "TTS_CaixaMarca NumCaixaMarca CodCaixaMarca T_Lluminaria.NumCaixaMarca"},
        {"cmdModelCaixa", "TTS_CaixaModel NumCaixaModel CodiCaixaModel T_Lluminaria.NumCaixaModel"},
        {"cmdAmpers", "TT_FusibleA NumFusibleA CodFusibleA T_Lluminaria.NumFusiblesAmpers"},
    };
    for (const auto& [boto, esperat] : botons) {
        EditorProva::obert.clear();
        Click(w, boto);
        EXPECT_EQ(EditorProva::obert, std::vector<std::string>{std::string(esperat) + " [] 0"}) << boto;
    }
    velmar::RegisterLookupTableEditor(previous);
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();

    // The combo lists the editor's rows, the new code among them, and the
    // record keeps its value.
    velmar::DataCombo* models = DataCombo(w, "cmbModelCaixa");
    EXPECT_EQ(models->count(), 4);
    EXPECT_GE(models->findText("Nou codi"), 0);
    EXPECT_EQ(models->currentText(), "CC-2 (2 fusibles)");
    EXPECT_EQ(Valor(w, "txtCodi"), "PL-001");
}

// The real editor behind a button: a code saved there reaches the combo
// and is chosen there, one left unsaved as the editor closes does not.
TEST_F(FotosIAuxiliars, TheLookupTableEditorBehindAButtonGivesItsComboTheRowsSaved) {
    frmPuntsLlum w(306);
    w.show();
    Click(w, "cmdEditar");
    QuanSObri<velmar::frmTaulesAuxiliars>([](velmar::frmTaulesAuxiliars& editor) {
        EXPECT_EQ(editor.strNomTaula, "TTS_CaixaModel");
        Click(editor, "cmdNou");
        Text(editor, "txtCodi")->setText("CC-9");
        Click(editor, "cmdSortirEdicio");
        Click(editor, "cmdNou");
        Text(editor, "txtCodi")->setText("CC-0");
        editor.close();
    });
    Click(w, "cmdModelCaixa");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    velmar::DataCombo* models = DataCombo(w, "cmbModelCaixa");
    EXPECT_GE(models->findText("CC-9"), 0);
    EXPECT_EQ(models->findText("CC-0"), -1);
    EXPECT_EQ(models->currentText(), "CC-9");
    EXPECT_EQ(Valor(w, "txtCodi"), "PL-001");
}

// The editor as the user leaves it: a statement run on its table, and the
// table's rows read back.
struct EditorSql final : TestLookupTableEditor {
    explicit EditorSql(std::function<void()> canvia) : canvia(std::move(canvia)) {}
    void ShowModal() override {
        canvia();
        LlegeixFiles("Brintel.SvrPuntsLlum");
    }
    std::function<void()> canvia;
};

// The window's list takes what the editor left: a model added reaches the
// list and is the luminaire's, the photo beside it that model's (none),
// and a box model that the luminaire being edited was given and that the
// editor deleted (no stored row names it) leaves it without one.
TEST_F(FotosIAuxiliars, TheRowsTheEditorLeavesReachTheWindowsListAndNoDeletedKeyIsSaved) {
    std::string sql;
    const auto previous = velmar::RegisterLookupTableEditor(
        [&] { return std::make_unique<EditorSql>([&] { sessio.execute(sql); }); });
    frmPuntsLlum w(306);
    const std::string foto = Valor(w, "txtFotoLluminaria");
    ASSERT_TRUE(foto.ends_with("Lluminaria-VilaClassic.jpg")) << foto;
    Click(w, "cmdEditar");

    sql = "INSERT INTO TTLL_LluminariaModel (NumLluminariaModel, CodLluminariaModel) VALUES (9, 'Nou model')";
    Click(w, "cmdModelLluminaria");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    const ado::Recordset& models = *Table(w, "rstRecordsetLluminariaModel");
    const std::vector<com::Variant> codis = models.ColumnValues(models.FieldIndex("CodLluminariaModel"));
    EXPECT_TRUE(std::ranges::any_of(codis, [](const com::Variant& codi) { return codi.toString() == "Nou model"; }));
    EXPECT_GE(DataCombo(w, "cmbModelLluminaria")->findText("Nou model"), 0);
    EXPECT_EQ(Valor(w, "cmbModelLluminaria"), "Nou model");
    EXPECT_EQ(Valor(w, "txtFotoLluminaria"), "");

    sql = "INSERT INTO TTS_CaixaModel (NumCaixaModel, CodiCaixaModel) VALUES (4, 'CC-6 (6 fusibles)')";
    ASSERT_EQ(Valor(w, "cmbModelCaixa"), "CC-2 (2 fusibles)");
    Click(w, "cmdModelCaixa");
    TypeAndLeave(DataCombo(w, "cmbModelCaixa"), "CC-6 (6 fusibles)");
    ASSERT_EQ(Valor(w, "cmbModelCaixa"), "CC-6 (6 fusibles)");
    sql = "DELETE FROM TTS_CaixaModel WHERE NumCaixaModel = 4";
    Click(w, "cmdModelCaixa");
    velmar::RegisterLookupTableEditor(previous);
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(DataCombo(w, "cmbModelCaixa")->findText("CC-6 (6 fusibles)"), -1);
    EXPECT_EQ(Valor(w, "cmbModelCaixa"), "");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Camp(Llegeix("GetLluminaries"), "NumLluminaria", 1, "NumCaixaModel"), "(Null)");
    EXPECT_EQ(Camp(Llegeix("GetLluminaries"), "NumLluminaria", 1, "NumLluminariaModel"), "9");
    EXPECT_EQ(Camp(Llegeix("GetLluminaries"), "NumLluminaria", 2, "NumCaixaModel"), "1") << "not the one edited";
}

// A model added in the editor and given to one luminaire of the point, then
// deleted in the editor while another luminaire of the point is shown, no
// longer stands in either: the save stores the point with its edits and
// that luminaire without a model, where the database would refuse the model
// gone and the window would read the point again, dropping every edit.
TEST_F(FotosIAuxiliars, AModelTheEditorDeletedLeavesEveryLuminaireOfThePointBeingEdited) {
    std::string sql;
    const auto previous = velmar::RegisterLookupTableEditor(
        [&] { return std::make_unique<EditorSql>([&] { sessio.execute(sql); }); });
    frmPuntsLlum w(306);
    TriaEscomesa(w, "E-02");
    Click(w, "cmdEndavant");  // PL-102, with two luminaires
    ASSERT_EQ(Valor(w, "txtCodi"), "PL-102");
    Click(w, "cmdEditar");
    Text(w, "txtObservacions")->setText("Revisat");
    const com::Variant primera = Table(w, "rstRecordsetLluminaries")->Value("NumLluminaria");
    sql = "INSERT INTO TTLL_LluminariaModel (NumLluminariaModel, CodLluminariaModel) VALUES (9, 'Nou model')";
    Click(w, "cmdModelLluminaria");
    ASSERT_EQ(Valor(w, "cmbModelLluminaria"), "Nou model");
    Click(w, "cmdAvancaLluminaria");
    const com::Variant segona = Table(w, "rstRecordsetLluminaries")->Value("NumLluminaria");
    const std::string modelSegona = Valor(w, "cmbModelLluminaria");
    sql = "DELETE FROM TTLL_LluminariaModel WHERE NumLluminariaModel = 9";
    Click(w, "cmdModelLluminaria");
    velmar::RegisterLookupTableEditor(previous);
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Valor(w, "txtNumeroLluminaria"), "Luminaire 2 of 2");
    EXPECT_EQ(Valor(w, "cmbModelLluminaria"), modelSegona);

    Click(w, "cmdPrincipiLluminaria");
    EXPECT_EQ(Valor(w, "cmbModelLluminaria"), "");
    EXPECT_TRUE(Table(w, "rstRecordsetLluminaries")->Value("NumLluminariaModel").isNull());
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Valor(w, "txtObservacions"), "Revisat");
    EXPECT_EQ(Camp(Llegeix("GetLluminaries"), "NumLluminaria", primera, "NumLluminariaModel"), "(Null)");
    EXPECT_NE(Camp(Llegeix("GetLluminaries"), "NumLluminaria", segona, "NumLluminariaModel"), "(Null)");
    EXPECT_EQ(Camp(Llegeix("GetPuntsLlum", {2}), "CodPuntLlum", "PL-102", "Observacions"), "Revisat");
}

TEST_F(FotosIAuxiliars, AFailedSetUpLeavesTheWindowBrowsingWithoutItsDataCommands) {
    sessio.execute("ALTER TABLE TTS_CaixaModel RENAME TO TTS_CaixaModelApart");
    frmPuntsLlum w(306);
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_TRUE(sessio.shown.front().ends_with("\rVelmar(exe) - frmPuntsLlum - IniciFormulari)")) << sessio.shown.front();
    EXPECT_TRUE(Inhabilitades(w));
    EXPECT_FALSE(Editant(w));
    EXPECT_TRUE(CommandButton(w, "cmdSortir")->isEnabled());
}

TEST_F(FotosIAuxiliars, AFailedChoiceOfConnectionIsShownAndLeavesNoDataToActOn) {
    frmPuntsLlum w(306);
    ASSERT_TRUE(Habilitades(w));
    sessio.execute("ALTER TABLE T_PuntLlum RENAME TO T_PuntLlumApart");
    TriaEscomesa(w, "E-02");
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_TRUE(sessio.shown.front().ends_with("\rVelmar(exe) - frmPuntsLlum - RecuperaPuntsLlum"
                                               "\rVelmar(exe) - frmPuntsLlum - FixaEscomesaAmbComboEscullEscomesa"
                                               "\rVelmar(exe) - frmPuntsLlum - cmbEscullEscomesa_Click)"))
        << sessio.shown.front();
    EXPECT_TRUE(Inhabilitades(w));
    EXPECT_FALSE(Editant(w));
    EXPECT_EQ(Combo(w, "cmbEscullEscomesa")->currentText(), "E-01") << "back on the connection the window holds";
    EXPECT_EQ(Combo(w, "cmbEscomesa")->currentText(), "E-01");

    sessio.execute("ALTER TABLE T_PuntLlumApart RENAME TO T_PuntLlum");
    TriaEscomesa(w, "E-02");
    EXPECT_EQ(sessio.shown.size(), 1u);
    EXPECT_TRUE(Habilitades(w));
    EXPECT_EQ(Valor(w, "txtNumeroRegistre"), "Light point 1 of 12");
}

TEST_F(FotosIAuxiliars, ClosingWhileEditingAsksBeforeDroppingTheChanges) {
    frmPuntsLlum w(306);
    w.show();
    w.close();
    EXPECT_TRUE(asked.empty());
    w.show();
    Click(w, "cmdEditar");
    Text(w, "txtPostal")->setText("4");
    answer = false;
    w.close();
    EXPECT_EQ(asked, std::vector<std::string>{Message("valDescartarCanvis")});
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(Valor(w, "txtPostal"), "4");
    answer = true;
    w.close();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(Camp(Llegeix("GetPuntsLlum", {1}), "NumPuntLlum", 1, "NumeroPostal"), "2");
}

}  // namespace
