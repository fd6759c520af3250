// The zone window on the sample database through its support object:
// project 306 has zones Z-01, Z-02 and Z-03, each with four vertices; 308
// one zone. The list keeps the user's place.
#include <gtest/gtest.h>

#include <QPushButton>

#include "NetworkFixture.h"
#include "core/services/Dialogs.h"
#include "network/frmZones.h"

namespace {

using velmar::frmZones;

class Zones : public NetworkFixture {
protected:
    void SetUp() override {
        NetworkFixture::SetUp();
        previous_ = velmar::dialogs::SetFileChoiceHandler([this](const velmar::dialogs::FileRequest&) { return arxiu; });
    }
    void TearDown() override {
        velmar::dialogs::SetFileChoiceHandler(previous_);
        NetworkFixture::TearDown();
    }
    static std::map<std::string, std::string> Desats(int32_t projecte, const char* camp) {
        return NetworkFixture::Desats("SvrZones", "GetZones", projecte, "CodZona", camp);
    }
    // A zone added and saved as the user would.
    void Afegeix(frmZones& w, const char* codi) {
        Click(w, "cmdNou");
        Text(w, "txtCodZona")->setText(codi);
        Text(w, "txtNomZona")->setText("Zona nova");
        Click(w, "cmdSortirEdicio");
        ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    }

    std::optional<std::string> arxiu;  // what the file dialog answers; none: cancelled

private:
    velmar::dialogs::FileChoiceHandler previous_;
};

TEST_F(Zones, ANewZoneIsTheProjectsAndStaysSelectedAtItsPlace) {
    velmar::clsAndamiSistema::Instance().SetProjecte(307);
    frmZones w(306);
    ASSERT_EQ(w.NumError, 0) << w.UbicacioError;
    EXPECT_EQ(Items(w), (std::vector<std::string>{"Z-01", "Z-02", "Z-03"}));
    EXPECT_EQ(Seleccionat(w), "Z-01");
    EXPECT_EQ(Vertexs(w).front(), "Clau1 1 390100 4581420");

    Selecciona(w, "Z-03");
    Click(w, "cmdNou");
    EXPECT_TRUE(Vertexs(w).empty());
    Text(w, "txtCodZona")->setText("Z-015");
    Text(w, "txtNomZona")->setText("Polígon");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Items(w), (std::vector<std::string>{"Z-01", "Z-015", "Z-02", "Z-03"}));
    EXPECT_EQ(Seleccionat(w), "Z-015");
    EXPECT_EQ(Text(w, "txtNomZona")->text(), "Polígon");
    EXPECT_TRUE(Vertexs(w).empty());
    EXPECT_EQ(Desats(306, "NumProjecte").at("Z-015"), "306");
}

TEST_F(Zones, ASaveKeepsTheEditedZoneSelectedWhereverItsCodeGoes) {
    frmZones w(306);
    Selecciona(w, "Z-02");
    Click(w, "cmdEditar");
    Text(w, "txtNomZona")->setText("Eixample nou");
    Click(w, "cmdSortirEdicio");
    EXPECT_EQ(Seleccionat(w), "Z-02");
    EXPECT_EQ(Text(w, "txtNomZona")->text(), "Eixample nou");

    Selecciona(w, "Z-03");
    Click(w, "cmdEditar");
    Text(w, "txtCodZona")->setText("0");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Items(w), (std::vector<std::string>{"0", "Z-01", "Z-02"}));
    EXPECT_EQ(Seleccionat(w), "0");
    EXPECT_EQ(Text(w, "txtNomZona")->text(), "Zona esportiva");
    EXPECT_EQ(Vertexs(w).size(), 4u);
}

TEST_F(Zones, UndoLeavesTheListAndTheSelectionAsTheyWere) {
    frmZones w(306);
    Selecciona(w, "Z-02");
    Click(w, "cmdNou");
    Click(w, "cmdDesferCanvis");
    EXPECT_EQ(Seleccionat(w), "Z-02");
    EXPECT_EQ(Vertexs(w).front(), "Clau1 1 390280 4581200");
    Click(w, "cmdEditar");
    Text(w, "txtNomZona")->setText("Un altre nom");
    Click(w, "cmdDesferCanvis");
    EXPECT_EQ(Seleccionat(w), "Z-02");
    EXPECT_EQ(Text(w, "txtNomZona")->text(), "Eixample");
}

TEST_F(Zones, ADeleteSelectsTheZoneAboveTheOneDeleted) {
    frmZones w(306);
    // The connections of Z-01 and Z-02 stand in another project's zone.
    sessio.execute("UPDATE T_Escomesa SET NumZona = 5 WHERE NumZona IN (1, 2)");
    Afegeix(w, "Z-04");
    Selecciona(w, "Z-03");
    Click(w, "cmdEliminar");
    EXPECT_EQ(Seleccionat(w), "Z-02");
    Selecciona(w, "Z-01");
    Click(w, "cmdEliminar");
    EXPECT_EQ(Seleccionat(w), "Z-02") << "the new first";
    Selecciona(w, "Z-04");
    Click(w, "cmdEliminar");
    EXPECT_EQ(Seleccionat(w), "Z-02") << "the one left of two";
    Click(w, "cmdEliminar");
    EXPECT_TRUE(Items(w).empty());
    EXPECT_EQ(Seleccionat(w), "(none)");
    EXPECT_TRUE(Vertexs(w).empty());
    EXPECT_TRUE(Desats(306, "NomZona").empty());
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    Click(w, "cmdEditar");
    EXPECT_EQ(Mostrat(), "There is no zone to edit.");
}

TEST_F(Zones, AFailedDeleteLeavesTheZoneListedSelectedAndNotPending) {
    frmZones w(306);
    Selecciona(w, "Z-03");
    sessio.execute("ALTER TABLE T_Zona RENAME TO T_ZonaApart");
    Click(w, "cmdEliminar");
    EXPECT_NE(Mostrat().find("Velmar(exe) - frmZones - Eliminar)"), std::string::npos);
    sessio.execute("ALTER TABLE T_ZonaApart RENAME TO T_Zona");
    EXPECT_EQ(Items(w), (std::vector<std::string>{"Z-01", "Z-02", "Z-03"}));
    EXPECT_EQ(Seleccionat(w), "Z-03");
    EXPECT_EQ(Text(w, "txtNomZona")->text(), "Zona esportiva");
    // The next save sends no delete.
    Click(w, "cmdEditar");
    Text(w, "txtNomZona")->setText("Zona esportiva nova");
    Click(w, "cmdSortirEdicio");
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Desats(306, "NomZona").at("Z-03"), "Zona esportiva nova");
}

TEST_F(Zones, AZoneThatConnectionsStandInIsNotDeleted) {
    frmZones w(306);
    Selecciona(w, "Z-02");
    Click(w, "cmdEliminar");
    EXPECT_EQ(Mostrat(), "Service connections stand in this zone; it cannot be deleted.");
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(Desats(306, "NomZona").count("Z-02"), 1u);
}

TEST_F(Zones, ThePhotoPathIsChosenOnlyWhileEditingAndSavedWithTheZone) {
    frmZones w(306);
    QPushButton* ruta = w.findChild<QPushButton*>("cmdRutaZona");
    EXPECT_FALSE(ruta->isEnabled());
    Selecciona(w, "Z-03");
    Click(w, "cmdEditar");
    EXPECT_TRUE(ruta->isEnabled());
    arxiu = "/fotos/esportiva.jpg";
    ruta->click();
    EXPECT_EQ(Text(w, "txtFotoZona")->text(), "/fotos/esportiva.jpg");
    // A cancelled dialog changes nothing and says nothing.
    arxiu.reset();
    ruta->click();
    EXPECT_EQ(Text(w, "txtFotoZona")->text(), "/fotos/esportiva.jpg");
    Click(w, "cmdSortirEdicio");
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Desats(306, "FotoZona").at("Z-03"), "/fotos/esportiva.jpg");

    // Undo drops a path chosen while editing.
    Click(w, "cmdEditar");
    arxiu = "/fotos/altra.jpg";
    ruta->click();
    Click(w, "cmdDesferCanvis");
    EXPECT_EQ(Text(w, "txtFotoZona")->text(), "/fotos/esportiva.jpg");
}

// A path longer than the photo's column is refused, saying so rather than
// blaming the field's type; nothing is written and the edit goes on.
TEST_F(Zones, APhotoPathLongerThanItsColumnIsRefusedSayingSo) {
    frmZones w(306);
    Selecciona(w, "Z-03");
    const std::string abans = Desats(306, "FotoZona").at("Z-03");
    Click(w, "cmdEditar");
    arxiu = "/fotos/" + std::string(250, 'a') + ".jpg";
    w.findChild<QPushButton*>("cmdRutaZona")->click();
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_TRUE(sessio.shown.front().starts_with(
        "Error: The value does not fit the field: it is not of its type, or it is longer than the field holds."))
        << sessio.shown.front();
    EXPECT_NE(sessio.detalls.front().find("FotoZona"), std::string::npos) << sessio.detalls.front();
    sessio.shown.clear();
    EXPECT_EQ(Text(w, "txtFotoZona")->text().toStdString(), abans);
    EXPECT_TRUE(Editant(w, "txtNomZona"));
    Click(w, "cmdSortirEdicio");
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Desats(306, "FotoZona").at("Z-03"), abans);
}

TEST_F(Zones, EachRuleOfASaveStopsItAndTheWindowStaysEditing) {
    frmZones w(306);
    const struct {
        const char* control;
        const char* text;
        const char* message;
    } cases[] = {
        {"txtCodZona", "", "The code and the name must be filled in."},
        {"txtNomZona", "", "The code and the name must be filled in."},
        {"txtCodZona", "Z-02", "There is already a zone with this code in the project."},
    };
    for (const auto& c : cases) {
        Click(w, "cmdEditar");
        Text(w, c.control)->setText(c.text);
        Click(w, "cmdSortirEdicio");
        EXPECT_EQ(Mostrat(), c.message) << c.control;
        EXPECT_TRUE(Editant(w, "txtCodZona"));
        Click(w, "cmdDesferCanvis");
    }
    // Blanks fill a code.
    Click(w, "cmdEditar");
    Text(w, "txtCodZona")->setText(" ");
    Click(w, "cmdSortirEdicio");
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Seleccionat(w), " ");
}

TEST_F(Zones, AZoneWithoutACodeShowsAsAnEmptyItemAndInCatalaTheTextsAreCatalan) {
    velmar::clsAndamiSistema::Instance().SetIdioma(1);
    sessio.execute("UPDATE T_Zona SET CodZona = NULL WHERE NumZona = 2");
    frmZones w(306);
    ASSERT_EQ(w.NumError, 0) << w.UbicacioError;
    EXPECT_EQ(w.windowTitle(), "Zones");
    EXPECT_EQ(Capcalera(w, 0), "Núm. ordre");
    EXPECT_EQ(Items(w), (std::vector<std::string>{"", "Z-01", "Z-03"}));
    Selecciona(w, "");
    EXPECT_EQ(Text(w, "txtNomZona")->text(), "Eixample");
    Click(w, "cmdEditar");
    Click(w, "cmdSortirEdicio");
    EXPECT_EQ(Mostrat(), "Cal omplir el codi i el nom.");
}

}  // namespace
