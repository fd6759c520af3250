// The client window on the sample database: its required fields, its
// repeated name, and a client that a project names, which stays.
#include <gtest/gtest.h>

#include "Ado/Connection.h"
#include "Ado/Recordset.h"
#include "Com/Registry.h"
#include "SaveChecks.h"
#include "framework/WindowFixture.h"
#include "admin/frmClients.h"
#include "support/SmallDisk.h"

namespace {

using velmar::frmClients;

class Clients : public WindowFixture {
protected:
    explicit Clients(testsupport::Engine engine = testsupport::Engine::SQLite) : WindowFixture(engine) {}
    static void Fill(frmClients& w, const char* nom, const char* telefon) {
        Text(w, "txtNomClient")->setText(nom);
        Text(w, "txtAdreca")->setText("Carrer Nou, 2");
        Text(w, "txtPersonaContacte")->setText("Joan");
        Text(w, "txtTelefon")->setText(telefon);
    }
    // The details of the one error box shown, once checked that it says
    // `text` above the trail.
    std::string ErrorDiu(const std::string& text) {
        EXPECT_EQ(sessio.shown.size(), 1u);
        const std::string box = sessio.shown.empty() ? "" : sessio.shown.back();
        EXPECT_EQ(box.rfind("Error: " + text + "\r\r (", 0), 0u) << box;
        sessio.shown.clear();
        return sessio.detalls.empty() ? "" : sessio.detalls.back();
    }
    static int32_t Desats() {
        const com::ObjectRef service = com::CreateObject("Brintel.SvrClients");
        return ado::Recordset::FromXml(com::Call(service, "GetClients").toString()).RecordCount();
    }
};

TEST_F(Clients, AddsAClientWithoutFaxOrCifAndDeletesItWhenNoProjectNamesIt) {
    frmClients w;
    ASSERT_EQ(w.NumError, 0) << w.UbicacioError;
    EXPECT_EQ(w.windowTitle(), "Clients");
    EXPECT_EQ(Items(w), std::vector<std::string>{"Ajuntament de Vilanova del Riu"});

    Click(w, "cmdNou");
    // Blanks fill a field.
    Fill(w, "Consell Comarcal", " ");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Items(w), (std::vector<std::string>{"Ajuntament de Vilanova del Riu", "Consell Comarcal"}));
    EXPECT_EQ(Desats(), 2);

    Llista(w)->setCurrentRow(1);
    Click(w, "cmdEliminar");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(asked, std::vector<std::string>{"Delete this client?"});
    EXPECT_EQ(Items(w), std::vector<std::string>{"Ajuntament de Vilanova del Riu"});
    EXPECT_EQ(Desats(), 1);
}

TEST_F(Clients, RefusesAnEmptyRequiredFieldBeforeARepeatedName) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "Every required field must be filled in."},
        {"Ajuntament de Vilanova del Riu", "There is already a client with this name."},
    };
    for (const auto& [nom, message] : cases) {
        frmClients w;
        sessio.shown.clear();
        Click(w, "cmdNou");
        Fill(w, "Ajuntament de Vilanova del Riu", "938");
        Text(w, "txtNomClient")->setText(QString::fromStdString(nom));
        Click(w, "cmdSortirEdicio");
        EXPECT_EQ(sessio.shown, std::vector<std::string>{message}) << nom;
        EXPECT_TRUE(Editant(w, "txtNomClient"));
    }
    EXPECT_EQ(Desats(), 1);
}

TEST_F(Clients, AClientThatAProjectNamesIsNotDeleted) {
    frmClients w;
    Click(w, "cmdEliminar");
    EXPECT_EQ(sessio.shown, std::vector<std::string>{"Projects belong to this client; it cannot be deleted."});
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(Desats(), 1);
}

TEST_F(Clients, AFailedSaveIsOneErrorAndKeepsTheEdit) {
    frmClients w;
    Click(w, "cmdEditar");
    Text(w, "txtTelefon")->setText("555");
    sessio.execute("ALTER TABLE T_Client RENAME TO T_ClientApart");
    Click(w, "cmdSortirEdicio");
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_NE(sessio.shown.front().find("\rVelmar(exe) - frmClients - PropagaCanvisABD"
                                        "\rVelmar(exe) - frmClients - SortirEdicio)"),
              std::string::npos)
        << sessio.shown.front();
    EXPECT_NE(w.NumError, 0);
    // The controls are bound again to the row with its change pending.
    EXPECT_TRUE(Editant(w, "txtTelefon"));
    EXPECT_EQ(Text(w, "txtTelefon")->text(), "555");
    EXPECT_EQ(Text(w, "txtNomClient")->text(), "Ajuntament de Vilanova del Riu");

    // Undo drops it: what shows is what is stored, and nothing is pending.
    sessio.execute("ALTER TABLE T_ClientApart RENAME TO T_Client");
    Click(w, "cmdDesferCanvis");
    EXPECT_FALSE(Editant(w, "txtTelefon"));
    EXPECT_NE(Text(w, "txtTelefon")->text(), "555");
    EXPECT_FALSE(HasPendingChanges(w.rstRecordsetActual.Ref()));
}

// The failures of the database a person can act on are said in the
// session's language, with what to do; the engine's own message and the
// trail are in the box's details, for support.
class ClientsMotors : public Clients, public testing::WithParamInterface<testsupport::Engine> {
protected:
    ClientsMotors() : Clients(GetParam()) {}
    // The telephone of the one client, as the database holds it.
    std::string Telefon() const {
        ado::Connection c;
        c.Open(sessio.connectionString());
        return c.Query("SELECT Telefon FROM T_Client").rows.at(0).at(0).toString();
    }
};

TEST_P(ClientsMotors, ARecordChangedByAnotherUserIsSaidInTheSessionsLanguage) {
    const std::pair<int32_t, std::string> cases[] = {
        {1, "Un altre usuari ha canviat o esborrat aquest registre mentrestant. S'ha tornat a llegir: reviseu-lo i "
            "torneu a fer el canvi."},
        {5, "Another user changed or deleted this record in the meantime. It has been read again: check it and make "
            "your change again."},
    };
    for (const auto& [idioma, text] : cases) {
        velmar::clsAndamiSistema::Instance().SetIdioma(idioma);
        frmClients w;
        Click(w, "cmdEditar");
        Text(w, "txtTelefon")->setText("555");
        sessio.execute("UPDATE T_Client SET Telefon = '" + std::to_string(idioma) + "77'");
        sessio.shown.clear();
        Click(w, "cmdSortirEdicio");
        const std::string details = ErrorDiu(text);
        EXPECT_NE(details.find("was changed or deleted by someone else"), std::string::npos) << details;
        EXPECT_TRUE(details.ends_with("Velmar(exe) - frmClients - SortirEdicio")) << details;
        EXPECT_EQ(Telefon(), std::to_string(idioma) + "77");
    }
}

TEST_P(ClientsMotors, ARecordAnotherUserHoldsIsSaidInTheSessionsLanguageAndASecondTrySaves) {
    velmar::clsAndamiSistema::Instance().SetIdioma(1);
    frmClients w;
    Click(w, "cmdEditar");
    Text(w, "txtTelefon")->setText("555");
    ado::Connection other;
    other.Open(sessio.connectionString());
    other.BeginTrans();
    other.Execute("UPDATE T_Client SET Adreca = Adreca");
    Click(w, "cmdSortirEdicio");
    other.RollbackTrans();
    const std::string details = ErrorDiu(
        "Un altre usuari està treballant ara mateix amb aquest registre. Espereu un moment i torneu-ho a provar.");
    EXPECT_NE(details.find(GetParam() == testsupport::Engine::SQLite ? "database is locked" : "lock timeout"),
              std::string::npos)
        << details;
    EXPECT_NE(details.find("\rVelmar(exe) - frmClients - SortirEdicio"), std::string::npos) << details;
    EXPECT_TRUE(Editant(w, "txtTelefon"));

    Click(w, "cmdSortirEdicio");
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Telefon(), "555");
}

INSTANTIATE_TEST_SUITE_P(Engines, ClientsMotors, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

// On a disk that fills (SQLite's file on a small file system of its own).
TEST_F(Clients, AFullDiskIsSaidInTheSessionsLanguageAndNothingIsHalfWritten) {
    if (!testsupport::OnSmallDisk()) {
        const testsupport::SmallDiskRun run = testsupport::RunOnSmallDisk(2 << 20);
        if (!run.ran) GTEST_SKIP() << run.output;
        EXPECT_TRUE(run.passed) << run.output;
        return;
    }
    velmar::clsAndamiSistema::Instance().SetIdioma(1);
    frmClients w;
    Click(w, "cmdEditar");
    Text(w, "txtTelefon")->setText("555");
    {
        testsupport::DiskFiller full;
        Click(w, "cmdSortirEdicio");
    }
    const std::string details = ErrorDiu(
        "El disc de la base de dades és ple i el canvi no s'ha desat. Allibereu espai al disc i torneu-ho a provar.");
    EXPECT_NE(details.find("database or disk is full"), std::string::npos) << details;
    EXPECT_TRUE(Editant(w, "txtTelefon"));
    ado::Connection c;
    c.Open(sessio.connectionString());
    EXPECT_EQ(c.Query("PRAGMA integrity_check").rows.at(0).at(0), com::Variant("ok"));
    EXPECT_EQ(c.Query("SELECT Telefon FROM T_Client").rows.at(0).at(0), com::Variant("938 120 450"));

    // With room again, the same save goes through.
    Click(w, "cmdSortirEdicio");
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(c.Query("SELECT Telefon FROM T_Client").rows.at(0).at(0), com::Variant("555"));
}

}  // namespace
