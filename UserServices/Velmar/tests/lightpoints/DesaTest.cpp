// Saving, undoing and deleting in the light-point window: the seven tables
// sent in order in one transaction (on each engine), a failed save that
// leaves database and window as they were, an undo that drops every
// pending change, and a delete that takes the point's luminaires and map
// points with it and nothing else.
#include <gtest/gtest.h>

#include <QDate>

#include "Ado/AdoError.h"
#include "PuntsLlumFixture.h"
#include "support/TestDatabase.h"

namespace {

using testsupport::Engine;

const std::vector<std::string> kSetTaules = {
    "SavePuntLlum T_PuntLlum",          "SaveTaulaAuxiliar TSP_Suport",   "SaveTaulaAuxiliar TTS_PresaTerra",
    "SaveTaulaAuxiliar TSP_SuportPropietat", "SaveTaulaAuxiliar T_PatroPLL", "SaveTaulaAuxiliar T_Lluminaria",
    "SaveTaulaAuxiliar TTLL_LluminariaModel",
};

class Save : public PuntsLlumFixture, public testing::WithParamInterface<Engine> {
protected:
    Save() : PuntsLlumFixture(GetParam()) {}
    // The window's support object, noting what it is sent from now on.
    static std::shared_ptr<SuportEnregistrat> Enregistra(frmPuntsLlum& w) {
        auto recorder = std::make_shared<SuportEnregistrat>(w.objClasseSuportActual);
        w.objClasseSuportActual = recorder;
        return recorder;
    }
    // A property added as the user adds it.
    static void AfegeixPropietat(QWidget& w, const char* tipus, const char* valor) {
        Combo(w, "cmbPropietat")->setCurrentIndex(Combo(w, "cmbPropietat")->findText(QString::fromUtf8(tipus)));
        Text(w, "txtValor")->setText(valor);
        Click(w, "cmdAfegirPropietat");
    }
    static int Propietats(int32_t suport, int32_t tipus) {
        return static_cast<int>(std::ranges::count(
            ListColumn(Auxiliar("TSP_SuportPropietat", "PropValor"), "NumSPSuport", suport, "NumPropTipus"),
            std::to_string(tipus)));
    }
};

TEST_P(Save, SendsTheSevenTablesInOrderInOneTransactionAndShowsTheSamePoint) {
    frmPuntsLlum w(306);
    TriaEscomesa(w, "E-02");
    Click(w, "cmdEndavant");
    ASSERT_EQ(Valor(w, "txtCodi"), "PL-102");
    const auto recorder = Enregistra(w);

    Click(w, "cmdEditar");
    Text(w, "txtPostal")->setText("63");
    Escriu(w, "cmbTipusTerra", "Conductor de terra comú");
    Escriu(w, "cmbSeccioTerra", "10 mm²");
    Text(w, "txtModel")->setText("BO-9100");
    Text(w, "txtObservacionsPatro")->setText("Bàcul de 9 m, vial");
    AfegeixPropietat(w, "Nombre de braços", "2");
    Text(w, "txtPotencia")->setText("55");
    arxiu = "/fotos/V-70 nova.jpg";
    Click(w, "cmdEscullFotoLluminaria");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();

    EXPECT_EQ(recorder->enviats, kSetTaules);
    EXPECT_FALSE(Editant(w));
    EXPECT_EQ(Valor(w, "txtCodi"), "PL-102");
    EXPECT_EQ(Valor(w, "txtNumeroRegistre"), "Light point 2 of 12");
    EXPECT_EQ(Valor(w, "cmbSeccioTerra"), "10 mm²");
    EXPECT_TRUE(NoOpenTransaction());
    EXPECT_FALSE(AlgunaPendent(w));

    ado::Recordset punts = Llegeix("GetPuntsLlum", {2});
    EXPECT_EQ(Camp(Llegeix("GetPuntsLlum", {2}), "NumPuntLlum", 6, "NumeroPostal"), "63");
    EXPECT_EQ(Camp(Llegeix("GetPuntsLlum", {2}), "NumPuntLlum", 6, "NumTerraCable"), "2");
    EXPECT_EQ(Camp(Llegeix("GetPuntsLlum", {2}), "NumPuntLlum", 6, "NumTerraSeccio"), "5");
    EXPECT_EQ(Camp(Auxiliar("TSP_Suport", "CodSPSuport"), "NumSPSuport", 3, "SuportModel"), "BO-9100");
    EXPECT_EQ(Camp(Llegeix("GetPatronsPuntsLlum"), "NumPatroPLL", 3, "Observacions"), "Bàcul de 9 m, vial");
    EXPECT_EQ(Propietats(3, 5), 1);
    EXPECT_EQ(Camp(Llegeix("GetLluminaries"), "NumLluminaria", 6, "BombetaPotencia"), "55");
    EXPECT_EQ(Camp(Auxiliar("TTLL_LluminariaModel", "CodLluminariaModel"), "NumLluminariaModel", 2, "FotoLluminaria"),
              "/fotos/V-70 nova.jpg");
    // The new property came back with the key the database gave it.
    velmar::RecordsetRef propietats = Table(w, "rstRecordsetSuportPropietat");
    EXPECT_EQ(propietats->RecordCount(), 4);
    for (int32_t i = 1; i <= propietats->RecordCount(); ++i)
        EXPECT_FALSE(propietats->ValueAt(i, propietats->FieldIndex("NumSuportPropietat")).isNull());

    // Saved again, nothing is sent twice.
    recorder->enviats.clear();
    Click(w, "cmdEditar");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(recorder->enviats, kSetTaules);
    EXPECT_EQ(Propietats(3, 5), 1);
}

TEST_P(Save, AFailedSaveLeavesTheDatabaseAndTheEditsAsTheyWere) {
    frmPuntsLlum w(306);
    Click(w, "cmdEditar");
    Text(w, "txtPostal")->setText("4");
    Text(w, "txtModel")->setText("CT-4100");
    AfegeixPropietat(w, "Nombre de braços", "1");
    // The luminaire models are sent last, once the others are.
    sessio.execute("ALTER TABLE TTLL_LluminariaModel RENAME TO TTLL_LluminariaModelApart");
    Click(w, "cmdSortirEdicio");
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_TRUE(sessio.shown.front().ends_with("\rVelmar(exe) - frmPuntsLlum - PropagaCanvisABD"
                                               "\rVelmar(exe) - frmPuntsLlum - SortirEdicio)"))
        << sessio.shown.front();
    EXPECT_EQ(Camp(Llegeix("GetPuntsLlum", {1}), "NumPuntLlum", 1, "NumeroPostal"), "2");
    EXPECT_EQ(Camp(Auxiliar("TSP_Suport", "CodSPSuport"), "NumSPSuport", 1, "SuportModel"), "CT-4000");
    EXPECT_EQ(Propietats(1, 5), 0);
    EXPECT_TRUE(NoOpenTransaction()) << "no later save nests in it";

    EXPECT_TRUE(Editant(w));
    EXPECT_EQ(Valor(w, "txtPostal"), "4");
    EXPECT_EQ(Valor(w, "txtModel"), "CT-4100");
    EXPECT_EQ(Files(w, "lstPropietats").size(), 3u);
    EXPECT_TRUE(AlgunaPendent(w));

    sessio.execute("ALTER TABLE TTLL_LluminariaModelApart RENAME TO TTLL_LluminariaModel");
    sessio.shown.clear();
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Camp(Llegeix("GetPuntsLlum", {1}), "NumPuntLlum", 1, "NumeroPostal"), "4");
    EXPECT_EQ(Camp(Auxiliar("TSP_Suport", "CodSPSuport"), "NumSPSuport", 1, "SuportModel"), "CT-4100");
    EXPECT_EQ(Propietats(1, 5), 1);
    EXPECT_TRUE(NoOpenTransaction());
}

// A save that meets another user's change of the point being edited is
// refused; the window reads its rows again, shows what is stored and
// browses, and the change made again is saved, with what other users
// changed in the point meanwhile shown. A point another user deleted leaves
// the window when a save meets it.
TEST_P(Save, ASaveThatMeetsAnotherUsersChangeShowsWhatIsStored) {
    frmPuntsLlum w(306);
    Click(w, "cmdEditar");
    Text(w, "txtPostal")->setText("4");
    sessio.execute("UPDATE T_PuntLlum SET NumeroPostal = '6' WHERE NumPuntLlum = 1");
    Click(w, "cmdSortirEdicio");
    EXPECT_EQ(w.NumError, ado::err::UpdateConflict);
    EXPECT_NE(Mostrat().find("frmPuntsLlum - SortirEdicio)"), std::string::npos);
    EXPECT_FALSE(Editant(w));
    EXPECT_EQ(Valor(w, "txtPostal"), "6");
    EXPECT_FALSE(AlgunaPendent(w));
    EXPECT_TRUE(NoOpenTransaction());

    sessio.execute("UPDATE T_PuntLlum SET Observacions = 'Revisat' WHERE NumPuntLlum = 1");
    Click(w, "cmdEditar");
    Text(w, "txtPostal")->setText("4");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Camp(Llegeix("GetPuntsLlum", {1}), "NumPuntLlum", 1, "NumeroPostal"), "4");
    EXPECT_EQ(Valor(w, "txtPostal"), "4");
    EXPECT_EQ(Valor(w, "txtObservacions"), "Revisat");

    for (const char* taula : {"T_Lluminaria", "CapaPuntLlum", "T_PuntLlum"})
        sessio.execute(std::string("DELETE FROM ") + taula + " WHERE NumPuntLlum = 2");
    Click(w, "cmdEndavant");
    ASSERT_EQ(Valor(w, "txtCodi"), "PL-002");
    Click(w, "cmdEditar");
    Text(w, "txtPostal")->setText("12");
    Click(w, "cmdSortirEdicio");
    EXPECT_EQ(w.NumError, ado::err::UpdateConflict);
    EXPECT_NE(Mostrat(), "");
    EXPECT_FALSE(Editant(w));
    EXPECT_EQ(Valor(w, "txtNumeroRegistre"), "Light point 1 of 3");
    Click(w, "cmdEndavant");
    EXPECT_EQ(Valor(w, "txtCodi"), "PL-003");
    Click(w, "cmdEditar");
    Text(w, "txtPostal")->setText("20");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Camp(Llegeix("GetPuntsLlum", {1}), "NumPuntLlum", 3, "NumeroPostal"), "20");
}

TEST_P(Save, UndoDropsEveryPendingChangeOfTheWindow) {
    frmPuntsLlum w(306);
    TriaEscomesa(w, "E-02");
    Click(w, "cmdEndavant");
    const std::vector<std::string> propietats = Files(w, "lstPropietats");
    Click(w, "cmdEditar");
    Text(w, "txtPostal")->setText("99");
    // A luminaire added and kept, one deleted, a property added and one
    // deleted: all pending in the window's tables.
    Click(w, "cmdAfegirLluminaria");
    for (const auto& [combo, codi] : {std::pair{"cmbTipusLlum", "LED"}, {"cmbTipusLluminaria", "Vial"},
                                      {"cmbMarcaLluminaria", "Vialum"}, {"cmbModelLluminaria", "Vialum V-40 LED"}})
        Escriu(w, combo, codi);
    Click(w, "cmdGuardarLluminaria");
    Click(w, "cmdEliminarLluminaria");
    AfegeixPropietat(w, "Nombre de braços", "2");
    LlistaVista(w, "lstPropietats")->setCurrentItem(LlistaVista(w, "lstPropietats")->topLevelItem(0));
    Click(w, "cmdEliminarPropietat");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    ASSERT_EQ(Valor(w, "txtNumeroLluminaria"), "Luminaire 1 of 2");

    Click(w, "cmdDesferCanvis");
    EXPECT_FALSE(Editant(w));
    EXPECT_EQ(Valor(w, "txtPostal"), "61");
    EXPECT_EQ(Valor(w, "Observacions"), "Costat calçada");
    EXPECT_EQ(Files(w, "lstPropietats"), propietats);
    EXPECT_FALSE(AlgunaPendent(w));

    // A save now sends nothing of what was undone.
    Click(w, "cmdEditar");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(ListColumn(Llegeix("GetLluminaries"), "NumPuntLlum", 6, "CodLluminaria"),
              (std::vector<std::string>{"LL-102", "LL-103"}));
    EXPECT_EQ(Propietats(3, 5), 0);
    EXPECT_EQ(Camp(Llegeix("GetPuntsLlum", {2}), "NumPuntLlum", 6, "NumeroPostal"), "61");
}

// A luminaire added to a point that another user deleted meanwhile is not
// written under the point that is gone: the database refuses it, and the
// save fails as a conflict with that user's change.
TEST_P(Save, ALuminaireOfAPointDeletedMeanwhileIsAConflictAndIsNotWritten) {
    frmPuntsLlum w(306);
    TriaEscomesa(w, "E-02");
    ASSERT_EQ(Valor(w, "txtCodi"), "PL-101");
    Click(w, "cmdEditar");
    Click(w, "cmdAfegirLluminaria");
    Escriu(w, "cmbTipusLlum", "LED");
    Escriu(w, "cmbTipusLluminaria", "Projector");
    Escriu(w, "cmbMarcaLluminaria", "Vialum");
    Escriu(w, "cmbModelLluminaria", "vialum v-40 led");
    Click(w, "cmdGuardarLluminaria");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    const auto recorder = Enregistra(w);

    sessio.execute("DELETE FROM T_PuntLlum WHERE NumPuntLlum = 5");
    Click(w, "cmdSortirEdicio");
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_EQ(w.NumError, ado::err::UpdateConflict) << sessio.shown.front();
    // The point's own change set went; the luminaire's is the one refused.
    ASSERT_EQ(recorder->enviats.size(), 6u);
    EXPECT_EQ(recorder->enviats.back(), "SaveTaulaAuxiliar T_Lluminaria");
    EXPECT_TRUE(ListColumn(Llegeix("GetLluminaries"), "NumPuntLlum", 5, "CodLluminaria").empty());
    EXPECT_TRUE(NoOpenTransaction());
}

TEST_P(Save, DeletingAPointTakesItsLuminairesAndMapPointsAndNothingElse) {
    // PL-106, the sixth of E-02's points, entered in the inventory today.
    const QDate today = QDate::currentDate();
    sessio.execute("UPDATE T_PuntLlum SET DataAltaInventari = '" + today.toString(Qt::ISODate).toStdString() +
                   "T00:00:00' WHERE NumPuntLlum = 10");
    frmPuntsLlum w(306);
    TriaEscomesa(w, "E-02");
    for (int i = 0; i < 5; ++i) Click(w, "cmdEndavant");
    ASSERT_EQ(Valor(w, "txtCodi"), "PL-106");
    const auto recorder = Enregistra(w);

    answer = false;
    Click(w, "cmdEliminar");
    EXPECT_EQ(asked, std::vector<std::string>{Message("valTextEliminar")});
    EXPECT_TRUE(recorder->enviats.empty());
    EXPECT_EQ(Llegeix("GetPuntsLlum", {2}).RecordCount(), 12);

    // A change pending somewhere else is not the deletion's to send.
    Table(w, "rstRecordsetSuport")->SetValue("SuportModel", "BO-1");
    // A deletion that fails half-way leaves everything as it was.
    sessio.execute("ALTER TABLE T_Lluminaria RENAME TO T_LluminariaApart");
    answer = true;
    Click(w, "cmdEliminar");
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_TRUE(sessio.shown.front().ends_with("\rVelmar(exe) - frmPuntsLlum - Eliminar)")) << sessio.shown.front();
    EXPECT_EQ(Llegeix("GetPuntsLlum", {2}).RecordCount(), 12);
    EXPECT_EQ(Valor(w, "txtNumeroRegistre"), "Light point 6 of 12");
    EXPECT_EQ(w.intModeRegistre(), 0);
    EXPECT_TRUE(NoOpenTransaction());

    sessio.execute("ALTER TABLE T_LluminariaApart RENAME TO T_Lluminaria");
    sessio.shown.clear();
    recorder->enviats.clear();
    Click(w, "cmdEliminar");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(recorder->enviats, (std::vector<std::string>{"DeletePuntLlum 10", "DeleteLluminaria 11",
                                                           "DeleteLluminaria 12", "DeletePLlumPunts 10"}));
    EXPECT_FALSE(Camp(Llegeix("GetPuntsLlum", {2}), "NumPuntLlum", 10, "CodPuntLlum"));
    EXPECT_TRUE(ListColumn(Llegeix("GetLluminaries"), "NumPuntLlum", 10, "CodLluminaria").empty());
    EXPECT_EQ(Llegeix("GetPLlumPunts", {10}).RecordCount(), 0);
    EXPECT_EQ(Camp(Auxiliar("TSP_Suport", "CodSPSuport"), "NumSPSuport", 3, "SuportModel"), "BO-9000");
    EXPECT_EQ(Valor(w, "txtNumeroRegistre"), "Light point 5 of 11");
    EXPECT_EQ(Valor(w, "txtCodi"), "PL-105");
    EXPECT_TRUE(NoOpenTransaction());
}

INSTANTIATE_TEST_SUITE_P(Engines, Save, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

}  // namespace
