// The maintenance-type window on the sample database, in Català and in
// English: its list, new, edit, undo and delete, its rules, a type that a
// project has, which stays, and the observations several lines long that
// hold no more than their field.
#include <gtest/gtest.h>

#include <map>

#include "Ado/AdoError.h"
#include "admin/frmManteniments.h"
#include "core/controls/MultilineTextBox.h"
#include "framework/WindowFixture.h"

namespace {

using velmar::frmManteniments;

class Manteniments : public LanguageWindowFixture {
protected:
    static velmar::MultilineTextBox* Observacions(frmManteniments& w) {
        return w.findChild<velmar::MultilineTextBox*>("txtObservacions");
    }
    static std::string Message(const char* code) { return Text("frmManteniments", code); }
    // The types as the server holds them: code to observations.
    static std::map<std::string, std::string> Desats() {
        const com::ObjectRef service = com::CreateObject("Brintel.SvrManteniments");
        ado::Recordset rows = ado::Recordset::FromXml(com::Call(service, "GetManteniments").toString());
        std::map<std::string, std::string> saved;
        for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) {
            const com::Variant value = rows.Value("Observacions");
            saved[rows.Value("CodTipusManteniment").toString()] = value.isNull() ? "(Null)" : value.toString();
        }
        return saved;
    }
};

TEST_P(Manteniments, ListsAddsEditsUndoesAndDeletesTypes) {
    frmManteniments w;
    ASSERT_EQ(w.NumError, 0) << w.UbicacioError;
    EXPECT_EQ(w.windowTitle().toStdString(), Text("frmManteniments", "Formulari"));
    EXPECT_EQ(Items(w), (std::vector<std::string>{"Correctiu", "Integral", "Preventiu", "Telegestió"}));
    EXPECT_EQ(Text(w, "txtNomManteniment")->text(), "Correctiu");
    EXPECT_EQ(Observacions(w)->text(), "Reparació d'avaries a demanda");
    EXPECT_TRUE(Observacions(w)->isReadOnly());

    // A new type with no observations.
    Click(w, "cmdNou");
    EXPECT_TRUE(Editant(w, "txtNomManteniment"));
    EXPECT_FALSE(Observacions(w)->isReadOnly());
    Text(w, "txtNomManteniment")->setText("Nocturn");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Items(w), (std::vector<std::string>{"Correctiu", "Integral", "Nocturn", "Preventiu", "Telegestió"}));
    EXPECT_EQ(Desats().at("Nocturn"), "(Null)");

    // Observations of two lines, saved as typed.
    Llista(w)->setCurrentRow(2);
    Click(w, "cmdEditar");
    Observacions(w)->setText("Revisió nocturna\nCada dimarts");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Desats().at("Nocturn"), "Revisió nocturna\nCada dimarts");
    // The row saved stays selected.
    EXPECT_EQ(Llista(w)->currentRow(), 2);

    // Undo puts the edited row back.
    Llista(w)->setCurrentRow(0);
    Click(w, "cmdEditar");
    Text(w, "txtNomManteniment")->setText("Canviat");
    Observacions(w)->setText("Canviades");
    Click(w, "cmdDesferCanvis");
    EXPECT_EQ(Text(w, "txtNomManteniment")->text(), "Correctiu");
    EXPECT_EQ(Observacions(w)->text(), "Reparació d'avaries a demanda");

    // Telegestió is in no project: deleted after the question.
    Llista(w)->setCurrentRow(4);
    Click(w, "cmdEliminar");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(asked, std::vector<std::string>{Message("valTextEliminar")});
    EXPECT_EQ(Desats().count("Telegestió"), 0u);
    EXPECT_EQ(Items(w), (std::vector<std::string>{"Correctiu", "Integral", "Nocturn", "Preventiu"}));
}

// A save that meets another user's change of the type being edited, or its
// delete, is refused; the window reads its rows again, so that it shows what
// is stored, and browses: a change made again is saved.
TEST_P(Manteniments, ASaveThatMeetsAnotherUsersChangeShowsWhatIsStored) {
    frmManteniments w;
    Selecciona(w, "Integral");
    Click(w, "cmdEditar");
    Observacions(w)->setText("Meva");
    sessio.execute("UPDATE T_TipusManteniment SET Observacions = 'Seva' WHERE CodTipusManteniment = 'Integral'");
    Click(w, "cmdSortirEdicio");
    EXPECT_EQ(w.NumError, ado::err::UpdateConflict);
    EXPECT_NE(Mostrat().find("frmManteniments - SortirEdicio)"), std::string::npos);
    EXPECT_FALSE(Editant(w, "txtNomManteniment"));
    EXPECT_EQ(Seleccionat(w), "Integral");
    EXPECT_EQ(Observacions(w)->text(), "Seva");

    Click(w, "cmdEditar");
    Observacions(w)->setText("Meva");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Desats().at("Integral"), "Meva");

    // Gone meanwhile: it leaves the list.
    Selecciona(w, "Telegestió");
    Click(w, "cmdEditar");
    Observacions(w)->setText("Meva");
    sessio.execute("DELETE FROM T_TipusManteniment WHERE CodTipusManteniment = 'Telegestió'");
    Click(w, "cmdSortirEdicio");
    EXPECT_EQ(w.NumError, ado::err::UpdateConflict);
    EXPECT_NE(Mostrat(), "");
    EXPECT_EQ(Items(w), (std::vector<std::string>{"Correctiu", "Integral", "Preventiu"}));
    EXPECT_FALSE(Editant(w, "txtNomManteniment"));
}

TEST_P(Manteniments, TheObservationsHoldNoMoreThanTheirField) {
    frmManteniments w;
    Click(w, "cmdEditar");
    velmar::MultilineTextBox* observacions = Observacions(w);
    EXPECT_EQ(observacions->maxLength(), 255);
    observacions->setText("");
    observacions->insertPlainText(QString(250, 'a'));
    observacions->insertPlainText("\nbcdefghij");
    EXPECT_EQ(observacions->text(), QString(250, 'a') + "\nbcde");
    observacions->moveCursor(QTextCursor::Start);
    observacions->insertPlainText("xyz");
    EXPECT_EQ(observacions->text().size(), 255);
    EXPECT_TRUE(observacions->text().startsWith("aaa"));
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Desats().at("Correctiu"), (QString(250, 'a') + "\nbcde").toStdString());
}

TEST_P(Manteniments, SavingIsRefusedByTheFirstRuleThatHolds) {
    const std::vector<std::pair<QString, const char*>> cases = {
        {"", "valCodiMantenimentBuit"},
        {"Preventiu", "valRepetitCodiManteniment"},
        {"preventiu", "valRepetitCodiManteniment"},
    };
    for (const auto& [codi, code] : cases) {
        frmManteniments w;
        sessio.shown.clear();
        Click(w, "cmdNou");
        Text(w, "txtNomManteniment")->setText(codi);
        Click(w, "cmdSortirEdicio");
        EXPECT_EQ(sessio.shown, std::vector<std::string>{Message(code)}) << codi.toStdString();
        EXPECT_TRUE(Editant(w, "txtNomManteniment"));
    }
    // Blanks fill the code.
    frmManteniments w;
    sessio.shown.clear();
    Click(w, "cmdNou");
    Text(w, "txtNomManteniment")->setText(" ");
    Click(w, "cmdSortirEdicio");
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Desats().size(), 5u);
}

TEST_P(Manteniments, ATypeThatAProjectHasIsNotDeleted) {
    frmManteniments w;
    for (int row : {0, 1, 2}) {
        sessio.shown.clear();
        Llista(w)->setCurrentRow(row);
        Click(w, "cmdEliminar");
        EXPECT_EQ(sessio.shown, std::vector<std::string>{Message("valMantenimentAmbProjecte")}) << row;
    }
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(Desats().size(), 4u);
}

TEST_P(Manteniments, AnEmptyTableRefusesEditAndDelete) {
    sessio.execute("UPDATE T_Projecte SET NumTipusManteniment = NULL");
    sessio.execute("DELETE FROM T_TipusManteniment");
    frmManteniments w;
    ASSERT_EQ(w.NumError, 0) << w.UbicacioError;
    EXPECT_TRUE(Items(w).empty());
    Click(w, "cmdEditar");
    Click(w, "cmdEliminar");
    EXPECT_EQ(sessio.shown,
              (std::vector<std::string>{Message("valNoRegistresEditar"), Message("valNoRegistresEliminar")}));
}

INSTANTIATE_EN_CADA_IDIOMA(Manteniments);

}  // namespace
