// The lookup-table editor on the sample database, in Català and in English:
// on its own, where it keeps its place in the list across saves and
// deletes, filters its rows, checks the child tables before a delete and
// refuses what its rules refuse; and behind the project window's combo, as
// ObrirFormulariAuxiliar opens it, where the combo receives only what the
// editor saved.
#include <gtest/gtest.h>

#include <set>

#include "admin/frmProjectes.h"
#include "admin/frmTaulesAuxiliars.h"
#include "core/controls/DataCombo.h"
#include "framework/WindowFixture.h"

namespace {

using velmar::frmTaulesAuxiliars;

class TaulesAuxiliars : public LanguageWindowFixture {
protected:
    // The editor on the support types, whose rows the supports name.
    static std::unique_ptr<frmTaulesAuxiliars> Tipus(const std::string& integritat = "TSP_Suport, NumSuportTipus") {
        auto w = std::make_unique<frmTaulesAuxiliars>();
        w->strNomTaula = "TTS_SuportTipus";
        w->strCampLlista = "CodSuportTipus";
        w->strCampIntegritat = "NumSuportTipus";
        w->colIntegritatReferencial = velmar::ParseReferentialIntegrity(integritat);
        w->Obre();
        return w;
    }
    static std::string Message(const char* code) { return Text("frmTaulesAuxiliars", code); }
    // The codes of a lookup table as the server holds them, of the rows
    // whose column `filtre` holds `valor` when one is named.
    static std::multiset<std::string> Desats(const char* taula, const char* codi, const char* filtre = "",
                                             int32_t valor = 0) {
        const com::ObjectRef service = com::CreateObject("Brintel.SvrTaulesAuxiliars");
        ado::Recordset rows = ado::Recordset::FromXml(
            com::Call(service, "GetListAuxiliar", {taula, filtre, valor, codi}).toString());
        std::multiset<std::string> saved;
        for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) saved.insert(rows.Value(codi).toString());
        return saved;
    }
};

TEST_P(TaulesAuxiliars, KeepsItsPlaceAcrossSavesUndoAndDeletes) {
    const auto w = Tipus();
    ASSERT_EQ(w->NumError, 0) << w->UbicacioError;
    EXPECT_EQ(w->windowTitle().toStdString(), Text("frmTaulesAuxiliars", "Formulari") + " TTS_SuportTipus");
    EXPECT_EQ(Items(*w), (std::vector<std::string>{"Bàcul", "Braç mural", "Columna", "Pal de formigó", "Pal de fusta",
                                                   "Suport de projector"}));
    EXPECT_EQ(Seleccionat(*w), "Bàcul");

    // A new row is selected once saved.
    Click(*w, "cmdNou");
    Text(*w, "txtCodi")->setText("Grua");
    Click(*w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Seleccionat(*w), "Grua");
    EXPECT_EQ(Desats("TTS_SuportTipus", "CodSuportTipus").count("Grua"), 1u);

    // An edited row stays selected, its code changed or not; undo stays too.
    Selecciona(*w, "Pal de fusta");
    Click(*w, "cmdEditar");
    Click(*w, "cmdSortirEdicio");
    EXPECT_EQ(Seleccionat(*w), "Pal de fusta");
    Click(*w, "cmdEditar");
    Text(*w, "txtCodi")->setText("Pal de pi");
    Click(*w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Seleccionat(*w), "Pal de pi");
    EXPECT_EQ(Text(*w, "txtCodi")->text(), "Pal de pi");
    Click(*w, "cmdEditar");
    Text(*w, "txtCodi")->setText("Pal de roure");
    Click(*w, "cmdDesferCanvis");
    EXPECT_EQ(Seleccionat(*w), "Pal de pi");
    EXPECT_EQ(Text(*w, "txtCodi")->text(), "Pal de pi");
    Click(*w, "cmdNou");
    Click(*w, "cmdDesferCanvis");
    EXPECT_EQ(Seleccionat(*w), "Pal de pi");
    EXPECT_EQ(w->rstRecordsetActual->RecordCount(), 7);

    // A deleted row gives its place to the one above it; the first, to the
    // new first.
    Click(*w, "cmdEliminar");
    EXPECT_EQ(asked, std::vector<std::string>{Message("valTextEliminar")});
    EXPECT_EQ(Seleccionat(*w), "Pal de formigó");
    Click(*w, "cmdNou");
    Text(*w, "txtCodi")->setText("Antena");
    Click(*w, "cmdSortirEdicio");
    Selecciona(*w, "Antena");
    Click(*w, "cmdEliminar");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Seleccionat(*w), "Bàcul");
    EXPECT_EQ(Items(*w), (std::vector<std::string>{"Bàcul", "Braç mural", "Columna", "Grua", "Pal de formigó",
                                                   "Suport de projector"}));
    const auto desats = Desats("TTS_SuportTipus", "CodSuportTipus");
    EXPECT_EQ(desats.count("Pal de pi") + desats.count("Pal de fusta") + desats.count("Antena"), 0u);
}

TEST_P(TaulesAuxiliars, OfTwoRowsTheOneLeftIsSelectedAndTheLastLeavesNothing) {
    // No support has a type: every one may go.
    sessio.execute("UPDATE TSP_Suport SET NumSuportTipus = NULL");
    sessio.execute("DELETE FROM TTS_SuportTipus WHERE NumSuportTipus NOT IN (2, 3)");
    const auto w = Tipus("");
    Selecciona(*w, "Braç mural");
    Click(*w, "cmdEliminar");
    EXPECT_EQ(Items(*w), std::vector<std::string>{"Bàcul"});
    EXPECT_EQ(Seleccionat(*w), "Bàcul");
    Click(*w, "cmdEliminar");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_TRUE(Items(*w).empty());
    EXPECT_EQ(Llista(*w)->currentRow(), -1);

    // Empty, it has nothing to edit or delete, and refuses an empty code.
    Click(*w, "cmdEditar");
    Click(*w, "cmdEliminar");
    Click(*w, "cmdNou");
    Click(*w, "cmdSortirEdicio");
    EXPECT_EQ(sessio.shown, (std::vector<std::string>{Message("valNoRegistresEditar"), Message("valNoRegistresEliminar"),
                                                      Message("valAlgunCampNecessariBuit")}));
}

TEST_P(TaulesAuxiliars, SavingIsRefusedByTheFirstRuleThatHolds) {
    const std::vector<std::pair<QString, std::string>> cases = {
        {"", Message("valAlgunCampNecessariBuit")},
        {"Columna", Message("valRepetitCodi")},
        {"COLUMNA", Message("valRepetitCodi")},
        // Accented capitals too: the combos over the table could tell the
        // two apart no more than a person does.
        {"BÀCUL", Message("valRepetitCodi")},
        {" ", ""},
    };
    for (const auto& [codi, message] : cases) {
        const auto w = Tipus();
        sessio.shown.clear();
        Click(*w, "cmdNou");
        Text(*w, "txtCodi")->setText(codi);
        Click(*w, "cmdSortirEdicio");
        EXPECT_EQ(sessio.shown, message.empty() ? std::vector<std::string>() : std::vector<std::string>{message})
            << '"' << codi.toStdString() << '"';
        EXPECT_EQ(Editant(*w, "txtCodi"), !message.empty());
    }
}

TEST_P(TaulesAuxiliars, ARowThatAChildTableNamesIsNotDeleted) {
    // The supports name Bàcul; the second pair is never asked about then.
    const auto w = Tipus("TSP_Suport, NumSuportTipus, T_NoHiEs, NumSuportTipus");
    Click(*w, "cmdEliminar");
    EXPECT_EQ(sessio.shown, std::vector<std::string>{velmar::clsFuncionsCapaInterficie().StrTran(
                                Message("valVioladaReglaIntegritatReferencial"), "#1", "TSP_Suport")});
    EXPECT_NE(sessio.shown.front().find("TSP_Suport"), std::string::npos);
    EXPECT_TRUE(asked.empty());

    // No support names Pal de fusta: the next pair is asked about, and a
    // table that cannot be read stops the delete with its error.
    sessio.shown.clear();
    Selecciona(*w, "Pal de fusta");
    Click(*w, "cmdEliminar");
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_TRUE(sessio.shown.front().ends_with("\rVelmar(exe) - frmTaulesAuxiliars - CadenaValidacioEliminar"
                                               "\rVelmar(exe) - frmTaulesAuxiliars - Eliminar)"))
        << sessio.shown.front();
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(Desats("TTS_SuportTipus", "CodSuportTipus").size(), 6u);
}

TEST_P(TaulesAuxiliars, ARowWhoseDeleteFailedStaysSelected) {
    const auto w = Tipus("");
    Selecciona(*w, "Pal de fusta");
    sessio.execute("ALTER TABLE TTS_SuportTipus RENAME TO TTS_SuportTipusApart");
    Click(*w, "cmdEliminar");
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_EQ(Items(*w).size(), 6u);
    EXPECT_EQ(Seleccionat(*w), "Pal de fusta");
    EXPECT_EQ(Text(*w, "txtCodi")->text(), "Pal de fusta");
}

TEST_P(TaulesAuxiliars, UnderAFilterListsChecksAndAddsOnlyRowsOfIt) {
    frmTaulesAuxiliars w;
    w.strNomTaula = "TTE_ElementCodi";
    w.strCampLlista = "CodElementCodi";
    w.strCampIntegritat = "NumElementCodi";
    w.strNomCampFiltre = "NumElementTipus";
    w.lngValorCampFiltre = 3;
    w.Obre();
    EXPECT_EQ(Items(w), (std::vector<std::string>{"MT1", "MT2", "MT3"}));

    // A code of another type is no repeat here; one of this type is.
    Click(w, "cmdNou");
    Text(w, "txtCodi")->setText("MT1");
    Click(w, "cmdSortirEdicio");
    EXPECT_EQ(sessio.shown, std::vector<std::string>{Message("valRepetitCodi")});
    Text(w, "txtCodi")->setText("DF1");
    Click(w, "cmdSortirEdicio");
    ASSERT_EQ(sessio.shown.size(), 1u) << sessio.shown.back();
    EXPECT_EQ(Items(w), (std::vector<std::string>{"DF1", "MT1", "MT2", "MT3"}));
    EXPECT_EQ(Seleccionat(w), "DF1");
    EXPECT_EQ(Desats("TTE_ElementCodi", "CodElementCodi", "NumElementTipus", 3),
              (std::multiset<std::string>{"DF1", "MT1", "MT2", "MT3"}));
    EXPECT_EQ(Desats("TTE_ElementCodi", "CodElementCodi", "NumElementTipus", 2),
              (std::multiset<std::string>{"DF1", "DF2"}));
}

TEST_P(TaulesAuxiliars, BehindAComboOfTheProjectWindowItGivesTheComboTheRowsSaved) {
    velmar::frmProjectes w;
    w.show();
    QApplication::setActiveWindow(&w);
    auto* combo = w.findChild<velmar::DataCombo*>("cboNumTipusManteniment");
    ASSERT_EQ(combo->count(), 4);
    Click(w, "cmdEditar");

    // A type added and saved; another added and left unsaved as the editor
    // is closed.
    QuanSObri<frmTaulesAuxiliars>([](frmTaulesAuxiliars& editor) {
        EXPECT_EQ(Items(editor), (std::vector<std::string>{"Correctiu", "Integral", "Preventiu", "Telegestió"}));
        Click(editor, "cmdNou");
        Text(editor, "txtCodi")->setText("Nocturn");
        Click(editor, "cmdSortirEdicio");
        Click(editor, "cmdNou");
        Text(editor, "txtCodi")->setText("Temporal");
        editor.close();
    });
    velmar::clsFuncionsCapaInterficie f;
    f.ObrirFormulariAuxiliar(*combo, "T_TipusManteniment", "NumTipusManteniment", "CodTipusManteniment",
                             "T_Projecte, NumTipusManteniment", "", 0);
    ASSERT_EQ(f.NumError, 0) << f.UbicacioError;
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    std::set<std::string> listed;
    for (int i = 0; i < combo->count(); ++i) listed.insert(combo->itemText(i).toStdString());
    EXPECT_EQ(listed, (std::set<std::string>{"Correctiu", "Integral", "Nocturn", "Preventiu", "Telegestió"}));
    EXPECT_EQ(Desats("T_TipusManteniment", "CodTipusManteniment").count("Temporal"), 0u);

    // The window's controls are bound again: the project takes the new type.
    EXPECT_EQ(Text(w, "txtNomProjecte")->text(), "Enllumenat de la urbanització Els Pins");
    Tria(w, "cboNumTipusManteniment", "Nocturn");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    const com::ObjectRef service = com::CreateObject("Brintel.SvrProjectes");
    ado::Recordset projectes = ado::Recordset::FromXml(com::Call(service, "GetProjectes").toString());
    projectes.SetFilter("NumProjecte = 307");
    const std::string nocturn = std::to_string(combo->BoundValue().toLong());
    EXPECT_EQ(projectes.Value("NumTipusManteniment").toString(), nocturn);
}

TEST_P(TaulesAuxiliars, AfterAFailedFirstLoadTheComboKeepsItsRows) {
    velmar::frmProjectes w;
    auto* combo = w.findChild<velmar::DataCombo*>("cboNumTipusManteniment");
    const velmar::RecordsetRef abans = combo->RowSource();
    sessio.execute("ALTER TABLE T_TipusManteniment RENAME TO T_TipusMantenimentApart");
    QuanSObri<frmTaulesAuxiliars>([](frmTaulesAuxiliars& editor) {
        EXPECT_TRUE(Items(editor).empty());
        Click(editor, "cmdSortir");
    });
    velmar::clsFuncionsCapaInterficie f;
    f.ObrirFormulariAuxiliar(*combo, "T_TipusManteniment", "NumTipusManteniment", "CodTipusManteniment", "", "", 0);
    EXPECT_EQ(f.NumError, 0) << f.UbicacioError;
    // The editor showed its own error.
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_TRUE(sessio.shown.front().ends_with("\rVelmar(exe) - frmTaulesAuxiliars - IniciFormulari)"))
        << sessio.shown.front();
    EXPECT_EQ(combo->RowSource(), abans);
    EXPECT_EQ(combo->count(), 4);
}

INSTANTIATE_EN_CADA_IDIOMA(TaulesAuxiliars);

}  // namespace
