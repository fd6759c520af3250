// The project window on the sample database: the list and the record in
// step, edit, add, delete and undo, its validation, and errors shown once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <map>

#include "Ado/Recordset.h"
#include "Com/Registry.h"
#include "core/controls/DataCombo.h"
#include "framework/WindowFixture.h"
#include "support/Files.h"
#include "support/TestDatabase.h"
#include "admin/frmClients.h"
#include "admin/frmManteniments.h"
#include "admin/frmProjectes.h"

namespace {

using velmar::frmProjectes;

class Projectes : public WindowFixture {
protected:
    using WindowFixture::WindowFixture;

    // These cases read and edit the one project of Vilanova del Riu.
    void SetUp() override {
        WindowFixture::SetUp();
        EliminaProjectes("NumProjecte <> 306");
    }
    // Deletes the projects that `condicio` chooses, after what stands in them.
    void EliminaProjectes(const std::string& condicio) {
        const std::string escomeses = "SELECT NumEscomesa FROM T_Escomesa WHERE NumZona IN "
                                      "(SELECT NumZona FROM T_Zona WHERE " + condicio + ")";
        for (const std::string& sql :
             {"DELETE FROM T_Tram WHERE NumElement IN (SELECT NumElement FROM T_EscomesaElements WHERE NumEscomesa IN (" +
                  escomeses + "))",
              "DELETE FROM T_PuntLlum WHERE NumEscomesa IN (" + escomeses + ")",
              "DELETE FROM T_Escomesa WHERE NumEscomesa IN (" + escomeses + ")",
              "DELETE FROM T_Zona WHERE " + condicio, "DELETE FROM T_Carrer WHERE " + condicio,
              "DELETE FROM T_Projecte WHERE " + condicio})
            sessio.execute(sql);
    }
    static void Fill(frmProjectes& w, const char* nom, const char* resumit) {
        Text(w, "txtNomProjecte")->setText(nom);
        Text(w, "txtNomResumit")->setText(resumit);
        Text(w, "txtSituacio")->setText("Riba");
        Tria(w, "cboNumClient", "Ajuntament de Vilanova del Riu");
        Tria(w, "cboNumTipusManteniment", "Preventiu");
    }
    // The projects as the server holds them, by short name.
    static std::map<std::string, std::string> Desats() {
        const com::ObjectRef service = com::CreateObject("Brintel.SvrProjectes");
        ado::Recordset rows = ado::Recordset::FromXml(com::Call(service, "GetProjectes").toString());
        std::map<std::string, std::string> saved;
        for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext())
            saved[rows.Value("NomResumit").toString()] = rows.Value("Situacio").toString();
        return saved;
    }
    static bool Editant(QWidget& w) { return WindowFixture::Editant(w, "txtNomProjecte"); }
};

TEST_F(Projectes, ListsTheProjectsAndShowsTheFirstLocked) {
    frmProjectes w;
    ASSERT_EQ(w.NumError, 0) << w.UbicacioError;
    EXPECT_EQ(w.windowTitle(), "Projects");
    EXPECT_EQ(Items(w), std::vector<std::string>{"Vilanova del Riu"});
    EXPECT_EQ(Llista(w)->currentRow(), 0);
    EXPECT_EQ(Text(w, "txtNomProjecte")->text(), "Enllumenat públic de Vilanova del Riu");
    EXPECT_EQ(Combo(w, "cboNumClient")->currentText(), "Ajuntament de Vilanova del Riu");
    EXPECT_EQ(Combo(w, "cboNumTipusManteniment")->currentText(), "Integral");
    EXPECT_FALSE(Editant(w));
    EXPECT_TRUE(Text(w, "txtNomProjecte")->isReadOnly());
    EXPECT_TRUE(sessio.shown.empty());
}

TEST_F(Projectes, EditsAndSavesAProject) {
    frmProjectes w;
    Click(w, "cmdEditar");
    EXPECT_TRUE(Editant(w));
    Text(w, "txtSituacio")->setText("Alt Penedès");
    Tria(w, "cboNumTipusManteniment", "Correctiu");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_FALSE(Editant(w));
    EXPECT_EQ(Desats().at("Vilanova del Riu"), "Alt Penedès");
    EXPECT_EQ(w.rstRecordsetActual->Value("NumTipusManteniment").toLong(), 3);

    // A second window reads what the first saved.
    frmProjectes again;
    EXPECT_EQ(Combo(again, "cboNumTipusManteniment")->currentText(), "Correctiu");
}

class ProjectesMotors : public Projectes, public testing::WithParamInterface<testsupport::Engine> {
protected:
    ProjectesMotors() : Projectes(GetParam()) {}
};

TEST_P(ProjectesMotors, AClientOrMaintenanceTypeSavedInItsOwnWindowIsOfferedAtOnce) {
    frmProjectes w;
    // A maintenance type added while the project is browsed.
    velmar::frmManteniments manteniments;
    Click(manteniments, "cmdNou");
    Text(manteniments, "txtNomManteniment")->setText("Nocturn");
    Click(manteniments, "cmdSortirEdicio");
    // A client added while the project is being edited.
    Click(w, "cmdEditar");
    velmar::frmClients clients;
    Click(clients, "cmdNou");
    for (const char* camp : {"txtNomClient", "txtAdreca", "txtPersonaContacte", "txtTelefon"})
        Text(clients, camp)->setText("Consell Comarcal");
    Click(clients, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    QApplication::processEvents();

    EXPECT_TRUE(Editant(w));
    EXPECT_EQ(Combo(w, "cboNumClient")->currentText(), "Ajuntament de Vilanova del Riu");
    Tria(w, "cboNumClient", "Consell Comarcal");
    Tria(w, "cboNumTipusManteniment", "Nocturn");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    // The project names them by the keys the server gave them.
    const com::ObjectRef service = com::CreateObject("Brintel.SvrProjectes");
    const auto numero = [&service](const char* llista, const char* clau, const char* camp, const char* valor) {
        ado::Recordset rows = ado::Recordset::FromXml(com::Call(service, llista).toString());
        rows.SetFilter(std::string(camp) + " = '" + valor + "'");
        return rows.RecordCount() == 1 ? rows.Value(clau).toLong() : 0;
    };
    ado::Recordset projecte = ado::Recordset::FromXml(com::Call(service, "GetProjecteById", {306}).toString());
    projecte.MoveFirst();
    EXPECT_EQ(projecte.Value("NumClient").toLong(),
              numero("GetClients", "NumClient", "NomClient", "Consell Comarcal"));
    EXPECT_EQ(projecte.Value("NumTipusManteniment").toLong(),
              numero("GetTipusManteniment", "NumTipusManteniment", "CodTipusManteniment", "Nocturn"));
}

INSTANTIATE_TEST_SUITE_P(Engines, ProjectesMotors, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

TEST_F(Projectes, AddsAProjectThenDeletesItAfterTheQuestion) {
    frmProjectes w;
    Click(w, "cmdNou");
    EXPECT_TRUE(Editant(w));
    Fill(w, "Enllumenat de la Riba", "Altafulla");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    // The list is rebuilt sorted, with the first item selected.
    EXPECT_EQ(Items(w), (std::vector<std::string>{"Altafulla", "Vilanova del Riu"}));
    EXPECT_EQ(Llista(w)->currentRow(), 0);
    EXPECT_EQ(Text(w, "txtNomProjecte")->text(), "Enllumenat de la Riba");
    EXPECT_GT(w.rstRecordsetActual->Value("NumProjecte").toLong(), 0);
    EXPECT_EQ(Desats().count("Altafulla"), 1u);

    answer = false;
    Click(w, "cmdEliminar");
    EXPECT_EQ(asked, std::vector<std::string>{"Delete this project?"});
    EXPECT_EQ(Items(w).size(), 2u);

    answer = true;
    Click(w, "cmdEliminar");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Items(w), std::vector<std::string>{"Vilanova del Riu"});
    EXPECT_EQ(Desats().count("Altafulla"), 0u);
}

TEST_F(Projectes, AProjectWithZonesIsNotDeleted) {
    frmProjectes w;
    Click(w, "cmdEliminar");
    EXPECT_EQ(sessio.shown, std::vector<std::string>{"The project has zones and cannot be deleted."});
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(Desats().count("Vilanova del Riu"), 1u);
}

TEST_F(Projectes, AnEmptyTableRefusesEditAndDeleteAndChecksAnAddedRow) {
    sessio.execute("DELETE FROM T_UsuariProjecte");
    EliminaProjectes("1 = 1");
    frmProjectes w;
    ASSERT_EQ(w.NumError, 0) << w.UbicacioError;
    EXPECT_TRUE(Items(w).empty());
    EXPECT_EQ(Llista(w)->currentRow(), -1);
    EXPECT_EQ(Text(w, "txtNomProjecte")->text(), "");
    Click(w, "cmdEditar");
    Click(w, "cmdEliminar");
    EXPECT_EQ(sessio.shown,
              (std::vector<std::string>{"There is no project to edit.", "There is no project to delete."}));
    EXPECT_TRUE(asked.empty());

    sessio.shown.clear();
    Click(w, "cmdNou");
    Click(w, "cmdSortirEdicio");
    EXPECT_EQ(sessio.shown, std::vector<std::string>{"Every field must be filled in."});
}

TEST_F(Projectes, UndoDropsTheAddedRowAndRestoresTheEditedOne) {
    frmProjectes w;
    Click(w, "cmdNou");
    Text(w, "txtNomResumit")->setText("Temporal");
    Click(w, "cmdDesferCanvis");
    EXPECT_FALSE(Editant(w));
    EXPECT_EQ(Items(w), std::vector<std::string>{"Vilanova del Riu"});
    EXPECT_EQ(w.rstRecordsetActual->RecordCount(), 1);

    Click(w, "cmdEditar");
    Text(w, "txtNomResumit")->setText("Canviat");
    Click(w, "cmdDesferCanvis");
    EXPECT_EQ(Text(w, "txtNomResumit")->text(), "Vilanova del Riu");
    EXPECT_EQ(Items(w), std::vector<std::string>{"Vilanova del Riu"});
    EXPECT_TRUE(sessio.shown.empty());
    EXPECT_EQ(Desats().count("Vilanova del Riu"), 1u);
}

TEST_F(Projectes, ClosingWhileEditingAsksBeforeTheEditIsLost) {
    frmProjectes w;
    w.show();
    Click(w, "cmdEditar");
    Text(w, "txtSituacio")->setText("Perduda");
    // The exit button is hidden while editing; closing the window is not.
    w.close();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(asked, std::vector<std::string>{Text("frmProjectes", "valDescartarCanvis")});
    EXPECT_TRUE(sessio.shown.empty());
    EXPECT_EQ(Desats().at("Vilanova del Riu"), "Vilanova del Riu (Alt Penedès)");
}

TEST_F(Projectes, SavingIsRefusedByTheFirstRuleThatHolds) {
    struct Cas {
        const char* nom;
        const char* resumit;
        const char* client;
        const char* tipus;
        std::string message;
    };
    const std::vector<Cas> cases = {
        {"", "Nou", "Ajuntament de Vilanova del Riu", "Preventiu", "Every field must be filled in."},
        {"Nou", "Nou", "", "Preventiu", "Every field must be filled in."},
        {"Nou", "Nou", "Ningú", "Preventiu", "The client is not in the list."},
        {"Nou", "Nou", "Ajuntament de Vilanova del Riu", "Cap", "The maintenance type is not in the list."},
        {"Enllumenat públic de Vilanova del Riu", "Nou", "Ajuntament de Vilanova del Riu", "Preventiu",
         "There is already a project with this name."},
        {"Nou", "Vilanova del Riu", "Ajuntament de Vilanova del Riu", "Preventiu",
         "There is already a project with this short name."},
    };
    for (const Cas& c : cases) {
        frmProjectes w;
        sessio.shown.clear();
        Click(w, "cmdNou");
        Fill(w, c.nom, c.resumit);
        Combo(w, "cboNumClient")->setEditText(c.client);
        Combo(w, "cboNumTipusManteniment")->setEditText(c.tipus);
        Click(w, "cmdSortirEdicio");
        EXPECT_EQ(sessio.shown, std::vector<std::string>{c.message}) << c.nom << " / " << c.client;
        EXPECT_TRUE(Editant(w));
    }
    EXPECT_EQ(Desats().size(), 1u);
}

TEST_F(Projectes, AMissingMessageIsOneErrorWithTheTrail) {
    sessio.execute("DELETE FROM T_Idioma WHERE NomFormulari = 'frmProjectes' AND CodTextIdioma = 'valAlgunCampBuit'");
    frmProjectes w;
    Click(w, "cmdNou");
    Click(w, "cmdSortirEdicio");
    ASSERT_EQ(sessio.shown.size(), 1u);
    const std::string& shown = sessio.shown.front();
    EXPECT_EQ(shown.rfind("Error: ", 0), 0u) << shown;
    EXPECT_NE(shown.find("Velmar(exe) - frmProjectes - CadenaValidacioRegistreActual\r"
                         "Velmar(exe) - frmProjectes - SortirEdicio)"),
              std::string::npos)
        << shown;
    EXPECT_EQ(w.NumError, 517);
    EXPECT_TRUE(Editant(w));
}

// The settings of the tests' program: the test buttons on or off.
class ProjectesAmbProves : public Projectes {
protected:
    testsupport::ScopedFile ini_{velmar::clsFuncionsCapaInterficie().RutaArxiuIni(), "[General]\nBotonsProva=1\n"};
};

TEST_F(Projectes, TheTestButtonsShowOnlyWhenTheSettingsTurnThemOn) {
    const auto botons = [](frmProjectes& w) {
        std::vector<bool> shown;
        for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7",
                                 "Command8"})
            shown.push_back(w.findChild<QPushButton*>(name)->isVisibleTo(&w));
        return shown;
    };
    for (const char* settings : {"", "[General]\nBotonsProva=0\n"}) {
        testsupport::ScopedFile ini(velmar::clsFuncionsCapaInterficie().RutaArxiuIni(), settings);
        frmProjectes w;
        EXPECT_EQ(botons(w), std::vector<bool>(8, false)) << settings;
        EXPECT_TRUE(w.findChild<QPushButton*>("cmdClients")->isVisibleTo(&w));
    }
    testsupport::ScopedFile ini(velmar::clsFuncionsCapaInterficie().RutaArxiuIni(), "[General]\nBotonsProva=1\n");
    frmProjectes w;
    EXPECT_EQ(botons(w), std::vector<bool>(8, true));
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
}

TEST_F(ProjectesAmbProves, TransactionButtonsWorkOnTheSessionAndTheCollector) {
    frmProjectes w;
    Click(w, "Command5");
    // No transaction: nothing to register.
    Click(w, "Command7");
    Click(w, "Command1");
    EXPECT_EQ(w.NumError, 0) << w.UbicacioError;
    Click(w, "Command5");
    Click(w, "Command7");
    Click(w, "Command8");
    Click(w, "Command4");
    EXPECT_EQ(w.NumError, 0) << w.UbicacioError;
    Click(w, "Command5");
    ASSERT_EQ(sessio.shown.size(), 4u);
    EXPECT_EQ(sessio.shown[0], "Nothing");
    EXPECT_EQ(sessio.shown[1], "There is no open transaction to register.");
    EXPECT_NE(sessio.shown[2], "Nothing");
    EXPECT_EQ(sessio.shown[3], "Nothing");
}

TEST_F(ProjectesAmbProves, AFailedSaveAfterTheRollbackIsShown) {
    frmProjectes w;
    sessio.execute("ALTER TABLE T_Projecte RENAME TO T_ProjecteApart");
    Click(w, "Command1");
    Click(w, "Command4");
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_TRUE(sessio.shown.front().ends_with("\rVelmar(exe) - frmProjectes - PropagaCanvisABD)"))
        << sessio.shown.front();
    EXPECT_NE(w.NumError, 0);
}

TEST_F(Projectes, TheSelectedProjectIsTheSessions) {
    sessio.execute("INSERT INTO T_Projecte (NumProjecte, NomProjecte, NomResumit, Situacio, NumClient, "
                   "NumTipusManteniment) VALUES (400, 'Enllumenat de Ca l''Alzina', 'Alzina', 'Riba', 1, 1)");
    frmProjectes w;
    EXPECT_EQ(velmar::clsAndamiSistema::Instance().Projecte(), 400);
    Llista(w)->setCurrentRow(1);
    EXPECT_EQ(velmar::clsAndamiSistema::Instance().Projecte(), 306);
    // A new project, not yet saved, changes nothing; once saved, the first
    // project of the list is selected again.
    Click(w, "cmdNou");
    EXPECT_EQ(velmar::clsAndamiSistema::Instance().Projecte(), 306);
    Click(w, "cmdDesferCanvis");
    EXPECT_EQ(velmar::clsAndamiSistema::Instance().Projecte(), 400);
}

}  // namespace
