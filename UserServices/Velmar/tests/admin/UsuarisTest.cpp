// The user window on the sample database, in Català and in English: its
// list of three columns, a new user whose password comes from the password
// dialog and is stored as its hash, its rules, the authorised flag, and the
// project-access dialog it opens while a user is edited.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include "admin/frmUsuariProjecte.h"
#include "admin/frmUsuaris.h"
#include "core/controls/YesNoCombo.h"
#include "core/services/PasswordHash.h"
#include "core/controls/DataCombo.h"
#include "dialogs/frmEntraPassword.h"
#include "framework/WindowFixture.h"

namespace {

using velmar::frmUsuaris;

class Usuaris : public LanguageWindowFixture {
protected:
    static std::string Message(const char* code) { return Text("frmUsuaris", code); }
    static velmar::YesNoCombo* Autoritzat(frmUsuaris& w) { return w.findChild<velmar::YesNoCombo*>("cmbAutoritzat"); }
    static std::vector<std::string> Fila(frmUsuaris& w, int row) {
        return {Llista(w)->text(row, 0).toStdString(), Llista(w)->text(row, 1).toStdString(),
                Llista(w)->text(row, 2).toStdString()};
    }
    // The password dialog, opened by a click on the password box, answered
    // with `contrasenya` twice.
    static void DonaContrasenya(frmUsuaris& w, const QString& contrasenya) {
        QuanSObri<velmar::frmEntraPassword>([contrasenya](velmar::frmEntraPassword& dialeg) {
            Text(dialeg, "txtPassword")->setText(contrasenya);
            Text(dialeg, "txtConfirmaPassword")->setText(contrasenya);
            Click(dialeg, "cmdAcceptar");
        });
        QTest::mouseClick(Text(w, "txtPassword"), Qt::LeftButton);
    }
    static void Fill(frmUsuaris& w, const char* nom, const char* login) {
        Text(w, "txtNomUsuari")->setText(nom);
        Text(w, "txtLogin")->setText(login);
        Tria(w, "cmbSeguretat", "Tècnic de manteniment");
        Autoritzat(w)->setCurrentIndex(0);
        DonaContrasenya(w, "Primavera2025");
    }
    // The users as the server holds them: by login, each field's value.
    using Usuari = std::map<std::string, com::Variant>;
    static std::map<std::string, Usuari> Desats() {
        const com::ObjectRef service = com::CreateObject("Brintel.SvrUsuaris");
        ado::Recordset rows = ado::Recordset::FromXml(com::Call(service, "GetUsuaris").toString());
        std::map<std::string, Usuari> saved;
        if (rows.RecordCount() == 0) return saved;
        for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) {
            Usuari& usuari = saved[rows.Value("Login").toString()];
            for (int32_t field = 0; field < rows.FieldCount(); ++field)
                usuari[rows.Field(field).name] = rows.Value(field);
        }
        return saved;
    }
};

TEST_P(Usuaris, ListsNameLoginAndFlagUnderTheirHeadersAndShowsNoHash) {
    sessio.execute("INSERT INTO T_Usuari (NomUsuari, Login, Password, NumNivellSeguretat, NumIdioma, Autoritzat) "
                   "VALUES ('Àngela Roig', 'aroig', 'x', 2, 2, FALSE)");
    frmUsuaris w;
    ASSERT_EQ(w.NumError, 0) << w.UbicacioError;
    EXPECT_EQ(w.windowTitle().toStdString(), Message("Formulari"));
    const QAbstractItemModel* model = Llista(w)->model();
    std::vector<std::string> headers;
    for (int c = 0; c < Llista(w)->header()->count(); ++c) {
        const int logical = Llista(w)->header()->logicalIndex(c);
        if (!Llista(w)->isColumnHidden(logical))
            headers.push_back(model->headerData(logical, Qt::Horizontal).toString().toStdString());
    }
    EXPECT_EQ(headers, (std::vector<std::string>{Message("fldNomUsuari"), Message("fldLogin"),
                                                 Message("fldAutoritzat")}));
    // Sorted by name as a dictionary sorts, the first selected.
    EXPECT_EQ(Fila(w, 0), (std::vector<std::string>{"Administrador", "admin", Message("dtaSi")}));
    EXPECT_EQ(Fila(w, 1), (std::vector<std::string>{"Àngela Roig", "aroig", Message("dtaNo")}));
    EXPECT_EQ(Llista(w)->currentRow(), 0);
    EXPECT_EQ(Autoritzat(w)->currentText().toStdString(), Message("dtaSi"));
    EXPECT_EQ(Combo(w, "cmbIdioma")->currentText(), "Català");
    EXPECT_EQ(Combo(w, "cmbSeguretat")->currentText(), "Administrador");
    // The box holds the hash for its binding and shows only a mask.
    EXPECT_TRUE(Text(w, "txtPassword")->text().startsWith("$argon2id$"));
    EXPECT_FALSE(Text(w, "txtPassword")->displayText().contains("argon"));

    Llista(w)->setCurrentRow(1);
    EXPECT_EQ(Text(w, "txtLogin")->text(), "aroig");
    EXPECT_EQ(Autoritzat(w)->currentText().toStdString(), Message("dtaNo"));
    EXPECT_EQ(Combo(w, "cmbIdioma")->currentText(), "Castellano");
}

TEST_P(Usuaris, ANewUserIsSavedOnceThePasswordDialogGaveItsHash) {
    frmUsuaris w;
    Click(w, "cmdNou");
    EXPECT_TRUE(Editant(w, "txtNomUsuari"));
    // A new user speaks Català and has nothing else.
    EXPECT_EQ(Combo(w, "cmbIdioma")->currentText(), "Català");
    EXPECT_EQ(Autoritzat(w)->currentIndex(), -1);
    EXPECT_EQ(Text(w, "txtPassword")->text(), "");
    EXPECT_TRUE(Text(w, "txtPassword")->isReadOnly());

    Text(w, "txtNomUsuari")->setText("Pere Vila");
    Text(w, "txtLogin")->setText("pvila");
    Tria(w, "cmbSeguretat", "Només consulta");
    Autoritzat(w)->setCurrentIndex(1);
    Click(w, "cmdSortirEdicio");
    EXPECT_EQ(sessio.shown, std::vector<std::string>{Message("valAlgunCampBuit")});

    // Enter in the box asks for the password too.
    QuanSObri<velmar::frmEntraPassword>([](velmar::frmEntraPassword& dialeg) {
        Text(dialeg, "txtPassword")->setText("Tardor2025");
        Text(dialeg, "txtConfirmaPassword")->setText("Tardor2025");
        Click(dialeg, "cmdAcceptar");
    });
    QTest::keyClick(Text(w, "txtPassword"), Qt::Key_Return);
    sessio.shown.clear();
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Items(w), (std::vector<std::string>{"Administrador", "Pere Vila"}));
    // The user saved is the one shown.
    EXPECT_EQ(Seleccionat(w), "Pere Vila");
    EXPECT_EQ(Text(w, "txtLogin")->text(), "pvila");

    const auto desats = Desats();
    Usuari pere = desats.at("pvila");
    EXPECT_EQ(pere["NomUsuari"].toString(), "Pere Vila");
    EXPECT_EQ(pere["NumIdioma"].toLong(), 1);
    EXPECT_EQ(pere["NumNivellSeguretat"].toLong(), 3);
    EXPECT_FALSE(pere["Autoritzat"].toBool());
    EXPECT_TRUE(velmar::VerifyPassword(pere["Password"].toString(), "Tardor2025"));
    EXPECT_EQ(pere["Password"].toString().find("Tardor2025"), std::string::npos);
}

TEST_P(Usuaris, SavingIsRefusedByTheFirstRuleThatHolds) {
    struct Cas {
        const char* nom;
        const char* login;
        std::function<void(frmUsuaris&)> buida;
        std::string message;
    };
    const auto res = [](frmUsuaris&) {};
    const std::vector<Cas> cases = {
        {"", "nou", res, Message("valAlgunCampBuit")},
        {"Nou", "", res, Message("valAlgunCampBuit")},
        {"Nou", "nou", [](frmUsuaris& w) { Autoritzat(w)->setCurrentIndex(-1); }, Message("valAlgunCampBuit")},
        {"Nou", "nou", [](frmUsuaris& w) { Tria(w, "cmbIdioma", ""); }, Message("valAlgunCampBuit")},
        {"Nou", "nou", [](frmUsuaris& w) { Tria(w, "cmbSeguretat", ""); }, Message("valAlgunCampBuit")},
        {"Administrador", "nou", res, Message("valRepetitNomUsuari")},
        {"Nou", "ADMIN", res, Message("valRepetitNomLogin")},
        {"Administrador", "admin", res, Message("valRepetitNomUsuari")},
        {" ", "  ", res, ""},
    };
    for (const Cas& c : cases) {
        frmUsuaris w;
        sessio.shown.clear();
        Click(w, "cmdNou");
        Fill(w, c.nom, c.login);
        c.buida(w);
        Click(w, "cmdSortirEdicio");
        EXPECT_EQ(sessio.shown, c.message.empty() ? std::vector<std::string>() : std::vector<std::string>{c.message})
            << '"' << c.nom << "\" / \"" << c.login << '"';
        EXPECT_EQ(Editant(w, "txtNomUsuari"), !c.message.empty());
    }
    EXPECT_EQ(Desats().size(), 2u);
}

TEST_P(Usuaris, TheFlagAndThePasswordChangeOnlyWhileEditing) {
    frmUsuaris w;
    w.show();
    // Browsing: the box opens no dialog, the flag takes no change, and the
    // project access is not offered.
    QTest::mouseClick(Text(w, "txtPassword"), Qt::LeftButton);
    QTest::keyClick(Autoritzat(w), Qt::Key_Down);
    EXPECT_EQ(Autoritzat(w)->currentIndex(), 0);
    // Nor the first letter of its other answer, which would pick it.
    QTest::keyClicks(Autoritzat(w), QString::fromStdString(Message("dtaNo")).left(1));
    EXPECT_EQ(Autoritzat(w)->currentIndex(), 0);
    EXPECT_FALSE(w.findChild<QPushButton*>("cmdAccesProjectes")->isEnabled());
    EXPECT_EQ(w.rstRecordsetActual->EditMode(), ado::EditState::None);

    Click(w, "cmdEditar");
    EXPECT_TRUE(w.findChild<QPushButton*>("cmdAccesProjectes")->isEnabled());
    EXPECT_TRUE(Text(w, "txtPassword")->isReadOnly());
    QTest::keyClick(Autoritzat(w), Qt::Key_Down);
    EXPECT_EQ(Autoritzat(w)->currentIndex(), 1);
    const std::string abans = Text(w, "txtPassword")->text().toStdString();
    DonaContrasenya(w, "Hivern2026");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Fila(w, 0)[2], Message("dtaNo"));
    Usuari admin = Desats().at("admin");
    EXPECT_FALSE(admin["Autoritzat"].toBool());
    EXPECT_NE(admin["Password"].toString(), abans);
    EXPECT_TRUE(velmar::VerifyPassword(admin["Password"].toString(), "Hivern2026"));
}

TEST_P(Usuaris, ProjectAccessIsOpenedForTheUserBeingEdited) {
    frmUsuaris w;
    Click(w, "cmdAccesProjectes");
    Click(w, "cmdEditar");
    QuanSObri<velmar::frmUsuariProjecte>([](velmar::frmUsuariProjecte& dialeg) {
        EXPECT_EQ(dialeg.findChild<QLabel*>("lblNomUsuari")->text(), "Administrador");
        EXPECT_EQ(Items(dialeg), std::vector<std::string>{"Enllumenat públic de Vilanova del Riu"});
        Click(dialeg, "cmdSortir");
    });
    Click(w, "cmdAccesProjectes");
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_TRUE(Editant(w, "txtNomUsuari"));
}

TEST_P(Usuaris, ProjectAccessWaitsUntilTheNewUserIsSaved) {
    frmUsuaris w;
    auto* acces = w.findChild<QPushButton*>("cmdAccesProjectes");
    Click(w, "cmdNou");
    Fill(w, "Pere Vila", "pvila");
    EXPECT_FALSE(acces->isEnabled()) << "a user not yet saved has no number to give projects to";
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();

    Selecciona(w, "Pere Vila");
    Click(w, "cmdEditar");
    EXPECT_TRUE(acces->isEnabled());
    QuanSObri<velmar::frmUsuariProjecte>([](velmar::frmUsuariProjecte& dialeg) {
        EXPECT_EQ(dialeg.findChild<QLabel*>("lblNomUsuari")->text(), "Pere Vila");
        EXPECT_TRUE(Items(dialeg).empty());
        dialeg.findChild<velmar::DataCombo*>("cmbProjectes")->setEditText("Enllumenat de la urbanització Els Pins");
        Click(dialeg, "cmdAfegir");
        EXPECT_EQ(Items(dialeg), std::vector<std::string>{"Enllumenat de la urbanització Els Pins"});
        Click(dialeg, "cmdSortir");
    });
    Click(w, "cmdAccesProjectes");
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    const com::ObjectRef service = com::CreateObject("Brintel.SvrUsuariProjectes");
    ado::Recordset projectes = ado::Recordset::FromXml(
        com::Call(service, "GetUsuariProjectes", {Desats().at("pvila")["NumUsuari"].toLong()}).toString());
    ASSERT_EQ(projectes.RecordCount(), 1);
    projectes.MoveFirst();
    EXPECT_EQ(projectes.Value("NumProjecte").toLong(), 307);
}

TEST_P(Usuaris, DeletesAUserAndWithNoneLeftRefusesEditAndDelete) {
    frmUsuaris w;
    Click(w, "cmdEliminar");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(asked, std::vector<std::string>{Message("valTextEliminar")});
    EXPECT_TRUE(Items(w).empty());
    EXPECT_TRUE(Desats().empty());
    EXPECT_EQ(Autoritzat(w)->currentIndex(), -1);
    EXPECT_FALSE(Llista(w)->isHeaderHidden());

    Click(w, "cmdEditar");
    Click(w, "cmdEliminar");
    EXPECT_EQ(sessio.shown,
              (std::vector<std::string>{Message("valNoRegistresEditar"), Message("valNoRegistresEliminar")}));
}

TEST_P(Usuaris, WithoutItsListTextsTheHeadersAreTheFieldsAndTheFlagYesOrNo) {
    sessio.execute("DELETE FROM T_Idioma WHERE NomFormulari = 'frmUsuaris' AND (CodTextIdioma LIKE 'fld%' OR "
                   "CodTextIdioma LIKE 'dta%')");
    frmUsuaris w;
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Llista(w)->model()->headerData(Llista(w)->model()->columnCount() - 1, Qt::Horizontal).toString(),
              "Autoritzat");
    EXPECT_EQ(Fila(w, 0)[2], "Sí");
    EXPECT_EQ(Autoritzat(w)->itemText(1), "No");
}

INSTANTIATE_EN_CADA_IDIOMA(Usuaris);

}  // namespace
