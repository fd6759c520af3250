// The street window on the sample database through its support object:
// project 306 has streets C-001 to C-005 (C-005 with no vertices), 308 one
// street.
#include <gtest/gtest.h>

#include "NetworkFixture.h"
#include "network/frmCarrers.h"

namespace {

using velmar::frmCarrers;

class Carrers : public NetworkFixture {
protected:
    static std::map<std::string, std::string> Noms(int32_t projecte) {
        return Desats("SvrCarrers", "GetCarrers", projecte, "CodCarrer", "NomCarrer");
    }
};

TEST_F(Carrers, ListsTheStreetsOfItsOwnProjectWithTheSelectedOnesVertices) {
    velmar::clsAndamiSistema::Instance().SetProjecte(307);
    frmCarrers w(306);
    ASSERT_EQ(w.NumError, 0) << w.UbicacioError;
    EXPECT_EQ(w.windowTitle(), "Streets");
    EXPECT_EQ(Items(w), (std::vector<std::string>{"C-001", "C-002", "C-003", "C-004", "C-005"}));
    EXPECT_EQ(Seleccionat(w), "C-001");
    EXPECT_EQ(Text(w, "txtNomCarrer")->text(), "Carrer Major");
    EXPECT_EQ(Capcalera(w, 0), "Order no.");
    EXPECT_EQ(Vertexs(w), (std::vector<std::string>{"Clau1 1 390120 4581450", "Clau2 2 390205.5 4581472.25",
                                                    "Clau3 3 390298 4581480.75"}));

    Selecciona(w, "C-005");
    EXPECT_EQ(Text(w, "txtNomCarrer")->text(), "Passatge de les Moreres");
    EXPECT_TRUE(Vertexs(w).empty());
    Selecciona(w, "C-004");
    EXPECT_EQ(Vertexs(w).size(), 2u);
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
}

TEST_F(Carrers, ANewStreetIsTheProjectsEvenWhenTheSessionHasMovedOn) {
    frmCarrers w(306);
    velmar::clsAndamiSistema::Instance().SetProjecte(307);
    Click(w, "cmdNou");
    ASSERT_TRUE(Editant(w, "txtCodCarrer"));
    EXPECT_TRUE(Vertexs(w).empty());
    Text(w, "txtCodCarrer")->setText("C-006");
    Text(w, "txtNomCarrer")->setText("Carrer Nou");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Noms(306).at("C-006"), "Carrer Nou");
    EXPECT_EQ(Items(w).size(), 6u);
    EXPECT_FALSE(w.rstRecordsetActual->Value("NumCarrer").isNull()) << "reloaded with its key";
    // The street saved is the one shown, with no vertices yet.
    EXPECT_EQ(Seleccionat(w), "C-006");
    EXPECT_EQ(Text(w, "txtNomCarrer")->text(), "Carrer Nou");
    EXPECT_TRUE(Vertexs(w).empty());

    // Undo of a new street shows the selected one's vertices again.
    Selecciona(w, "C-001");
    EXPECT_EQ(Vertexs(w).size(), 3u);
    Click(w, "cmdNou");
    EXPECT_TRUE(Vertexs(w).empty());
    Click(w, "cmdDesferCanvis");
    EXPECT_EQ(Vertexs(w).size(), 3u);
}

TEST_F(Carrers, EachRuleOfASaveStopsItAndTheWindowStaysEditing) {
    frmCarrers w(306);
    const struct {
        const char* control;
        const char* text;
        const char* message;
    } cases[] = {
        {"txtCodCarrer", "", "The code and the name must be filled in."},
        {"txtNomCarrer", "", "The code and the name must be filled in."},
        {"txtCodCarrer", "C-002", "There is already a street with this code in the project."},
    };
    for (const auto& c : cases) {
        Click(w, "cmdEditar");
        Text(w, c.control)->setText(c.text);
        Click(w, "cmdSortirEdicio");
        EXPECT_EQ(Mostrat(), c.message) << c.control;
        EXPECT_TRUE(Editant(w, "txtCodCarrer"));
        Click(w, "cmdDesferCanvis");
    }
    // A code of blanks is filled; another project's code is this one's to use.
    for (const char* code : {" ", "C-101"}) {
        Click(w, "cmdEditar");
        Text(w, "txtCodCarrer")->setText(code);
        Click(w, "cmdSortirEdicio");
        EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    }
    EXPECT_EQ(Noms(306).count("C-101"), 1u);
}

// A street is not deleted while connections or light points stand in it;
// once none does, its vertices go with it.
TEST_F(Carrers, AStreetInUseStaysADeletedOneTakesItsVerticesAndTheLastLeavesBothListsEmpty) {
    frmCarrers w(306);
    const com::ObjectRef service = com::CreateObject("Brintel.SvrCarrers");
    const auto vertices = [&] {
        return ado::Recordset::FromXml(com::Call(service, "GetCarrerPunts", {1}).toString()).RecordCount();
    };
    for (const auto& [stands, message] :
         {std::pair{"T_Escomesa", "Service connections stand in this street; it cannot be deleted."},
          std::pair{"T_PuntLlum", "Light points stand in this street; it cannot be deleted."}}) {
        Click(w, "cmdEliminar");
        EXPECT_EQ(Mostrat(), message);
        EXPECT_TRUE(asked.empty());
        EXPECT_EQ(Noms(306).count("C-001"), 1u);
        sessio.execute(std::string("UPDATE ") + stands + " SET NumCarrer = 2 WHERE NumCarrer = 1");
    }
    EXPECT_EQ(vertices(), 3);
    Click(w, "cmdEliminar");
    ASSERT_EQ(asked, (std::vector<std::string>{"Delete this street?"}));
    EXPECT_EQ(Noms(306).count("C-001"), 0u);
    EXPECT_EQ(Seleccionat(w), "C-002");
    EXPECT_EQ(Vertexs(w).size(), 2u);
    EXPECT_EQ(vertices(), 0);

    frmCarrers sola(308);
    EXPECT_EQ(Items(sola), (std::vector<std::string>{"C-201"}));
    Click(sola, "cmdEliminar");
    EXPECT_TRUE(Items(sola).empty());
    EXPECT_TRUE(Vertexs(sola).empty());
    Click(sola, "cmdEditar");
    EXPECT_EQ(Mostrat(), "There is no street to edit.");
    Click(sola, "cmdEliminar");
    EXPECT_EQ(Mostrat(), "There is no street to delete.");
}

TEST_F(Carrers, AStreetWithoutACodeShowsAsAnEmptyItem) {
    sessio.execute("UPDATE T_Carrer SET CodCarrer = NULL WHERE NumCarrer = 3");
    frmCarrers w(306);
    ASSERT_EQ(w.NumError, 0) << w.UbicacioError;
    EXPECT_EQ(Items(w).size(), 5u);
    Selecciona(w, "");
    EXPECT_EQ(Text(w, "txtNomCarrer")->text(), "Avinguda de Catalunya");
    EXPECT_EQ(Vertexs(w).size(), 3u);
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
}

TEST_F(Carrers, InCatalaTheVertexHeadersReadInCatalan) {
    velmar::clsAndamiSistema::Instance().SetIdioma(1);
    frmCarrers w(306);
    EXPECT_EQ(w.windowTitle(), "Carrers");
    EXPECT_EQ(Capcalera(w, 0), "Núm. ordre");
    Click(w, "cmdEditar");
    Text(w, "txtNomCarrer")->setText("");
    Click(w, "cmdSortirEdicio");
    EXPECT_EQ(Mostrat(), "Cal omplir el codi i el nom.");
}

}  // namespace
