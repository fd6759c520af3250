// The support's properties and the point's luminaires in the light-point
// window: listed, added, kept, discarded and deleted in the window, saved
// with the point.
#include <gtest/gtest.h>

#include "PuntsLlumFixture.h"
#include "core/binding/BindingControl.h"

namespace {

class PropietatsLluminaries : public PuntsLlumFixture {
protected:
    // A property of the type of that code, or of none.
    static void AfegeixPropietat(QWidget& w, const char* tipus, const char* valor) {
        Combo(w, "cmbPropietat")->setCurrentIndex(Combo(w, "cmbPropietat")->findText(QString::fromUtf8(tipus)));
        Text(w, "txtValor")->setText(QString::fromUtf8(valor));
        Click(w, "cmdAfegirPropietat");
    }
    static std::vector<std::string> Claus(QWidget& w) {
        std::vector<std::string> keys;
        QTreeWidget* list = LlistaVista(w, "lstPropietats");
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            keys.push_back(list->topLevelItem(i)->data(0, Qt::UserRole).toString().toStdString());
        return keys;
    }
};

TEST_F(PropietatsLluminaries, PropertiesAreReadInTheUsersLanguageAndRenumberedAfterADelete) {
    // S-BAC9, the support of PL-101, gets a property without value or remark.
    sessio.execute("INSERT INTO TSP_SuportPropietat (NumSPSuport, NumPropTipus, PropValor, Observacions) VALUES "
                   "(3, 5, NULL, NULL)");
    velmar::clsAndamiSistema::Instance().SetIdioma(1);
    frmPuntsLlum w(306);
    TriaEscomesa(w, "E-02");
    EXPECT_EQ(Files(w, "lstPropietats"),
              (std::vector<std::string>{"Nombre de braços||", "Volada del braç (m)|1,5|", "Gruix de la xapa (mm)|4|",
                                        "Alçada (m)|9|"}));
    EXPECT_EQ(Claus(w), (std::vector<std::string>{"Clau1", "Clau2", "Clau3", "Clau4"}));
    EXPECT_EQ(LlistaVista(w, "lstPropietats")->currentItem(), LlistaVista(w, "lstPropietats")->topLevelItem(0));

    Click(w, "cmdEditar");
    // Refused: a value that is not a number as Catalan writes it, none at
    // all, or no type chosen from the list.
    for (const auto& [tipus, valor] : {std::pair{"Alçada (m)", "dos"}, {"Alçada (m)", "7.5"}, {"Alçada (m)", "  "},
                                       {"", "3"}}) {
        AfegeixPropietat(w, tipus, valor);
        EXPECT_EQ(sessio.shown, std::vector<std::string>{Message("valDadesPropietatsNoCompletes")}) << valor;
        sessio.shown.clear();
    }
    Combo(w, "cmbPropietat")->setEditText("Alçada");
    Text(w, "txtValor")->setText("3");
    Click(w, "cmdAfegirPropietat");
    EXPECT_EQ(sessio.shown.size(), 1u);
    sessio.shown.clear();
    EXPECT_EQ(Files(w, "lstPropietats").size(), 4u);

    Text(w, "txtObservacionsPropietats")->setText("Al peu");
    AfegeixPropietat(w, "Volada del braç (m)", "7,5");
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Files(w, "lstPropietats").back(), "Volada del braç (m)|7,5|Al peu");
    EXPECT_EQ(Text(w, "txtValor")->text(), "7,5") << "what was typed stays";

    LlistaVista(w, "lstPropietats")->setCurrentItem(LlistaVista(w, "lstPropietats")->topLevelItem(1));
    Click(w, "cmdEliminarPropietat");
    EXPECT_EQ(Files(w, "lstPropietats"),
              (std::vector<std::string>{"Nombre de braços||", "Gruix de la xapa (mm)|4|", "Alçada (m)|9|",
                                        "Volada del braç (m)|7,5|Al peu"}));
    EXPECT_EQ(Claus(w), (std::vector<std::string>{"Clau1", "Clau2", "Clau3", "Clau4"}));

    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(ListColumn(Auxiliar("TSP_SuportPropietat", "PropValor"), "NumSPSuport", 3, "PropValor"),
              (std::vector<std::string>{"(Null)", "4", "7.5", "9"}));
}

// The remark of a new property is typed into a box of no field; it holds
// what its column does, and a property is added whole or not at all.
TEST_F(PropietatsLluminaries, ARemarkLongerThanItsColumnIsKeptToTheColumnAndTheAddedPropertyIsSavedWithIt) {
    frmPuntsLlum w(306);
    TriaEscomesa(w, "E-02");
    Click(w, "cmdEditar");
    Text(w, "txtObservacionsPropietats")->setText(QString(300, 'r'));
    EXPECT_EQ(Text(w, "txtObservacionsPropietats")->text(), QString(255, 'r'));
    AfegeixPropietat(w, "Alçada (m)", "12");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Files(w, "lstPropietats").back(), "Alçada (m)|12|" + std::string(255, 'r'));

    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(ListColumn(Auxiliar("TSP_SuportPropietat", "PropValor"), "NumSPSuport", 3, "Observacions"),
              (std::vector<std::string>{"(Null)", "(Null)", "(Null)", std::string(255, 'r')}));
}

TEST_F(PropietatsLluminaries, APointWithoutSupportTakesNoProperty) {
    sessio.execute("UPDATE T_PatroPLL SET NumSPSuport = NULL WHERE NumPatroPLL = 1");
    frmPuntsLlum w(306);
    EXPECT_TRUE(Files(w, "lstPropietats").empty());
    EXPECT_EQ(Valor(w, "txtModel"), "");
    Click(w, "cmdEditar");
    AfegeixPropietat(w, "Alçada (m)", "3");
    EXPECT_EQ(sessio.shown, std::vector<std::string>{Message("valDadesPropietatsNoCompletes")});
    EXPECT_EQ(Table(w, "rstRecordsetSuportPropietat")->RecordCount(), 0);
}

TEST_F(PropietatsLluminaries, LuminairesAreAddedKeptDiscardedAndDeletedAndSavedWithThePoint) {
    frmPuntsLlum w(306);
    TriaEscomesa(w, "E-02");
    Click(w, "cmdEditar");

    // A new luminaire of the point, kept only once its four codes are
    // chosen; meanwhile the point is neither saved nor undone.
    Click(w, "cmdAfegirLluminaria");
    const velmar::RecordsetRef lluminaries = Table(w, "rstRecordsetLluminaries");
    EXPECT_EQ(lluminaries->Value("NumPuntLlum").toLong(), 5);
    EXPECT_FALSE(lluminaries->Value("LluminariaContaminacio").toBool());
    EXPECT_EQ(Valor(w, "txtFotoLluminaria"), "");
    for (const char* name : {"cmdSortirEdicio", "cmdDesferCanvis", "cmdAvancaLluminaria", "cmdFiLluminaria"})
        EXPECT_FALSE(CommandButton(w, name)->isEnabled()) << name;
    EXPECT_TRUE(CommandButton(w, "cmdGuardarLluminaria")->isVisibleTo(w.findChild<QWidget*>("fraPanell2")));
    EXPECT_FALSE(CommandButton(w, "cmdAfegirLluminaria")->isVisibleTo(w.findChild<QWidget*>("fraPanell2")));
    Escriu(w, "cmbTipusLlum", "LED");
    Click(w, "cmdGuardarLluminaria");
    EXPECT_EQ(sessio.shown, std::vector<std::string>{Message("valAlgunCampNecessariBuitGuardarLluminaria")});
    sessio.shown.clear();
    EXPECT_TRUE(CommandButton(w, "cmdGuardarLluminaria")->isVisibleTo(w.findChild<QWidget*>("fraPanell2")));
    Escriu(w, "cmbTipusLluminaria", "Projector");
    Escriu(w, "cmbMarcaLluminaria", "Vialum");
    Escriu(w, "cmbModelLluminaria", "vialum v-40 led");
    EXPECT_TRUE(Valor(w, "txtFotoLluminaria").ends_with("Lluminaria-V40.jpg")) << "the model's photo";
    Text(w, "txtPotencia")->setText("40");
    Click(w, "cmdGuardarLluminaria");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Valor(w, "txtNumeroLluminaria"), "Luminaire 1 of 2");
    EXPECT_EQ(Valor(w, "cmbModelLluminaria"), "Vialum V-70 LED") << "the point's first luminaire again";
    EXPECT_TRUE(CommandButton(w, "cmdAfegirLluminaria")->isVisibleTo(w.findChild<QWidget*>("fraPanell2")));
    EXPECT_TRUE(CommandButton(w, "cmdSortirEdicio")->isEnabled());

    // One added and discarded leaves the luminaires as they were.
    Click(w, "cmdAfegirLluminaria");
    Escriu(w, "cmbTipusLlum", "LED");
    Click(w, "cmdDescartarLluminaria");
    EXPECT_EQ(Valor(w, "txtNumeroLluminaria"), "Luminaire 1 of 2");
    EXPECT_FALSE(CommandButton(w, "cmdDescartarLluminaria")->isVisibleTo(w.findChild<QWidget*>("fraPanell2")));

    // The first, LL-101, deleted after the question.
    answer = false;
    Click(w, "cmdEliminarLluminaria");
    EXPECT_EQ(Valor(w, "txtNumeroLluminaria"), "Luminaire 1 of 2");
    answer = true;
    Click(w, "cmdEliminarLluminaria");
    EXPECT_EQ(asked, std::vector<std::string>(2, Message("valTextEliminarLluminaria")));
    EXPECT_EQ(Valor(w, "txtNumeroLluminaria"), "Luminaire 1 of 1");
    EXPECT_EQ(Valor(w, "cmbTipusLluminaria"), "Projector");
    EXPECT_TRUE(Editant(w)) << "deleting a luminaire stays in the point's edit";

    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    ado::Recordset saved = Llegeix("GetLluminaries");
    EXPECT_EQ(ListColumn(Llegeix("GetLluminaries"), "NumPuntLlum", 5, "NumLluminariaTipus"), std::vector<std::string>{"4"});
    EXPECT_EQ(ListColumn(Llegeix("GetLluminaries"), "NumPuntLlum", 5, "NumLluminariaModel"), std::vector<std::string>{"1"});
    EXPECT_EQ(ListColumn(Llegeix("GetLluminaries"), "NumPuntLlum", 5, "BombetaPotencia"), std::vector<std::string>{"40"});
    EXPECT_EQ(ListColumn(Llegeix("GetLluminaries"), "NumPuntLlum", 5, "LluminariaContaminacio"),
              std::vector<std::string>{"False"});
    EXPECT_EQ(Valor(w, "txtNumeroLluminaria"), "Luminaire 1 of 1");

    // A point without luminaires has none to delete.
    Click(w, "cmdFi");
    Click(w, "cmdEditar");
    Click(w, "cmdEliminarLluminaria");
    EXPECT_EQ(sessio.shown, std::vector<std::string>{Message("valNoRegistresEliminar")});
}

// Another luminaire shown (or a new one begun) while one of its data
// combos holds a code none of its list's would show that luminaire's code
// in the combo and lose the typing, and the save would find nothing to
// refuse: the move is refused as a save is, naming the field, in each
// language, and the luminaire and the typing stay.
TEST_F(PropietatsLluminaries, NoOtherLuminaireIsShownWhileADataComboHoldsACodeNoneOfItsLists) {
    for (const int32_t idioma : {1, 5}) {
        velmar::clsAndamiSistema::Instance().SetIdioma(idioma);
        frmPuntsLlum w(306);
        TriaEscomesa(w, "E-02");
        Click(w, "cmdEndavant");  // PL-102, with two luminaires
        ASSERT_EQ(Valor(w, "txtCodi"), "PL-102");
        const std::string comptador = Valor(w, "txtNumeroLluminaria");
        Click(w, "cmdEditar");
        Escriu(w, "cmbMarcaLluminaria", "Marca d'enlloc");
        const std::string missatge = QString::fromStdString(Message("valValorsNoEsTrobenEnCombos"))
                                         .arg(velmar::binding::FieldName(DataCombo(w, "cmbMarcaLluminaria")))
                                         .toStdString();
        ExpectNoMoveToAnotherLuminaire(w, missatge, "cmbMarcaLluminaria", "Marca d'enlloc", std::to_string(idioma));
        // A code of the list moves, and the point is saved with it.
        Escriu(w, "cmbMarcaLluminaria", "vialum");
        Click(w, "cmdAvancaLluminaria");
        EXPECT_TRUE(sessio.shown.empty()) << idioma << ": " << sessio.shown.front();
        EXPECT_NE(Valor(w, "txtNumeroLluminaria"), comptador) << idioma;
        Click(w, "cmdSortirEdicio");
        ASSERT_TRUE(sessio.shown.empty()) << idioma << ": " << sessio.shown.front();
    }
}

TEST_F(PropietatsLluminaries, AModelComboListsEveryModelWhateverTheModelShown) {
    frmPuntsLlum w(306);
    ASSERT_EQ(Table(w, "rstRecordsetLluminariaModel")->RecordCount(), 1);
    EXPECT_EQ(DataCombo(w, "cmbModelLluminaria")->count(), 5);
    EXPECT_EQ(DataCombo(w, "cmbCarrer")->count(), 5);

    // Leaving it browsing changes nothing; editing, another model shows its
    // photo, and a text that is no model's leaves the photo alone.
    Escriu(w, "cmbModelLluminaria", "Lumenor Globus 500");
    EXPECT_TRUE(Valor(w, "txtFotoLluminaria").ends_with("Lluminaria-VilaClassic.jpg"));
    EXPECT_FALSE(AlgunaPendent(w));
    Click(w, "cmdEditar");
    Escriu(w, "cmbModelLluminaria", "Lumenor Globus 500");
    EXPECT_TRUE(Valor(w, "txtFotoLluminaria").ends_with("Lluminaria-Globus500.jpg"));
    Escriu(w, "cmbModelLluminaria", "Globus");
    EXPECT_TRUE(Valor(w, "txtFotoLluminaria").ends_with("Lluminaria-Globus500.jpg"));
    EXPECT_EQ(Table(w, "rstRecordsetLluminaries")->Value("NumLluminariaModel").toLong(), 4);
}

}  // namespace
