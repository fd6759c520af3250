// The client window on the sample database: its required fields, its
// repeated name, and a client that a project names, which stays.
#include <gtest/gtest.h>

#include "Ado/Recordset.h"
#include "Com/Registry.h"
#include "DesaProva.h"
#include "framework/FinestraProva.h"
#include "admin/frmClients.h"

namespace {

using velmar::frmClients;

class Clients : public FinestraProva {
protected:
    static void Omple(frmClients& w, const char* nom, const char* telefon) {
        Text(w, "txtNomClient")->setText(nom);
        Text(w, "txtAdreca")->setText("Carrer Nou, 2");
        Text(w, "txtPersonaContacte")->setText("Joan");
        Text(w, "txtTelefon")->setText(telefon);
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
    Omple(w, "Consell Comarcal", " ");
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
        Omple(w, "Ajuntament de Vilanova del Riu", "938");
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
    EXPECT_FALSE(Pendent(w.rstRecordsetActual.Ref()));
}

}  // namespace
