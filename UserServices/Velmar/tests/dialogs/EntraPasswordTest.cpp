// The password dialog: its rule, what reaches the calling window, and what
// the window's save stores.
#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QPushButton>

#include "Ado/Recordset.h"
#include "Com/Registry.h"
#include "SessionFixture.h"
#include "core/binding/BindingControl.h"
#include "core/controls/PasswordBox.h"
#include "core/services/PasswordHash.h"
#include "core/binding/WindowObject.h"
#include "dialogs/frmEntraPassword.h"

namespace {

using velmar::frmEntraPassword;

TEST(EntraPasswordRule, TheFirstBrokenRuleDecides) {
    struct Case {
        const char *password, *confirmacio, *code;
    };
    const Case cases[] = {
        {"abc", "   ", "valAlgunaContrasenyaBuida"},
        {"", "abcd1234", "valAlgunaContrasenyaBuida"},
        {"  abc1234  ", "abc1234", "valContrasenyaCurta"},
        {"abcdefgh", "abcdefgh", "valContrasenyaSenseNombresOCaracters"},
        {"12345678", "12345678", "valContrasenyaSenseNombresOCaracters"},
        {"1234àéíó", "1234àéíó", "valContrasenyaSenseNombresOCaracters"},
        {"abcd1234", "ABCD1234", "valContrasenyesDiferents"},
        {"abc 1234", "abc 1234", ""},
        {" abcd1234", "abcd1234  ", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(frmEntraPassword::CodiValidacio(c.password, c.confirmacio), c.code)
            << '"' << c.password << "\" / \"" << c.confirmacio << '"';
}

// The user window as the dialog reaches it: its password box by name.
struct Caixa final : com::Dispatch<Caixa> {
    static constexpr const char* kClassName = "TextBox";
    static const com::Members<Caixa>& Interface() {
        static const com::Members<Caixa> members = com::Members<Caixa>().property(
            "Text", [](Caixa& c) { return com::Variant(c.text); },
            [](Caixa& c, const com::Variant& v) { c.text = v.toString(); });
        return members;
    }
    std::string text = "anterior";
};

struct Usuaris final : com::Dispatch<Usuaris> {
    static constexpr const char* kClassName = "frmUsuaris";
    static const com::Members<Usuaris>& Interface() {
        static const com::Members<Usuaris> members = com::Members<Usuaris>().property(
            "txtPassword", [](Usuaris& u) { return com::Variant(u.txtPassword); });
        return members;
    }
    std::shared_ptr<Caixa> txtPassword = std::make_shared<Caixa>();
};

class EntraPassword : public testing::Test {
protected:
    void accept(frmEntraPassword& dialog, const QString& password, const QString& confirmacio) {
        dialog.findChild<QLineEdit*>("txtPassword")->setText(password);
        dialog.findChild<QLineEdit*>("txtConfirmaPassword")->setText(confirmacio);
        dialog.findChild<QPushButton*>("cmdAcceptar")->click();
    }
    SessionFixture sessio_;
    std::shared_ptr<Usuaris> usuaris_ = std::make_shared<Usuaris>();
};

TEST_F(EntraPassword, TheCallerReceivesAHashOfThePasswordAsTyped) {
    frmEntraPassword dialog;
    ASSERT_EQ(dialog.NumError, 0) << dialog.UbicacioError;
    dialog.frmFormulariQueCrida = usuaris_;
    accept(dialog, " abcd1234 ", "abcd1234");
    const std::string resum = usuaris_->txtPassword->text;
    EXPECT_TRUE(resum.starts_with("$argon2id$")) << resum;
    EXPECT_TRUE(velmar::VerifyPassword(resum, " abcd1234 ")) << "blanks included";
    EXPECT_FALSE(velmar::VerifyPassword(resum, "abcd1234"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(sessio_.shown.empty());

    // A salt of its own: the same password twice gives two hashes.
    frmEntraPassword again;
    again.frmFormulariQueCrida = usuaris_;
    accept(again, " abcd1234 ", "abcd1234");
    EXPECT_NE(usuaris_->txtPassword->text, resum);
}

TEST_F(EntraPassword, ARefusalShowsItsTextAndCancelChangesNothing) {
    frmEntraPassword dialog;
    dialog.frmFormulariQueCrida = usuaris_;
    accept(dialog, "ab12", "ab12");
    EXPECT_EQ(sessio_.shown, std::vector<std::string>{"La contrasenya ha de tenir 8 caràcters com a mínim."});
    EXPECT_EQ(dialog.NumError, 0);

    // A code without a text is error 517, shown with the whole trail.
    sessio_.execute("DELETE FROM T_Idioma WHERE CodTextIdioma = 'valContrasenyaSenseNombresOCaracters'");
    frmEntraPassword sensePart;
    sensePart.frmFormulariQueCrida = usuaris_;
    accept(sensePart, "abcdefgh", "abcdefgh");
    EXPECT_EQ(sensePart.NumError, 517);
    EXPECT_EQ(sensePart.UbicacioError,
              "\rVelmar(exe) - FuncionsCapaInterficie - TradueixMissatgeFormulariIdioma"
              "\rVelmar(exe) - frmEntraPassword - CadenaValidacioAcceptar"
              "\rVelmar(exe) - frmEntraPassword - SurtGuardantContrasenya");
    ASSERT_EQ(sessio_.shown.size(), 2u);
    EXPECT_EQ(sessio_.shown.back().substr(0, 6), "Error:");

    dialog.findChild<QPushButton*>("cmdCancellar")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(usuaris_->txtPassword->text, "anterior");
}

// A user window as the dialog reaches it: a password box bound to the
// user's row, which its save sends to the database.
class PasswordSaved : public testing::Test {
protected:
    void SetUp() override {
        window_.setObjectName("frmUsuaris");
        box_->setObjectName("txtPassword");
        usuaris_ = f_.PassaXMLARecordset(Call("GetUsuaris"));
        ASSERT_EQ(f_.NumError, 0) << f_.UbicacioError;
        usuaris_->MoveFirst();
        velmar::binding::Bind(box_, usuaris_, "Password");
    }
    com::Variant Call(const char* member, std::vector<com::Variant> args = {}) {
        com::Variant result = com::CallRef(service_, member, args);
        EXPECT_EQ(com::Get(service_, "NumError").toLong(), 0) << com::Get(service_, "UbicacioError").toString();
        return result;
    }
    std::string Saved() {
        ado::Recordset row = ado::Recordset::FromXml(Call("GetUsuariById", {int32_t{14}}).toString());
        row.MoveFirst();
        return row.Value("Password").toString();
    }
    // The box as the user sees it.
    static QImage Vista(const QString& value) {
        velmar::PasswordBox box;
        box.resize(200, 30);
        box.setText(value);
        return box.grab().toImage();
    }

    SessionFixture sessio_;
    velmar::clsFuncionsCapaInterficie f_;
    com::ObjectRef service_ = com::CreateObject("Brintel.SvrUsuaris");
    QWidget window_;
    velmar::PasswordBox* box_ = new velmar::PasswordBox(&window_);
    velmar::RecordsetRef usuaris_;
};

TEST_F(PasswordSaved, TheSavedPasswordIsAHashThatVerifiesAgainstWhatWasTyped) {
    EXPECT_TRUE(velmar::VerifyPassword(Saved(), "Admin2024")) << "the sample's administrator";

    frmEntraPassword dialog;
    dialog.frmFormulariQueCrida = std::make_shared<velmar::WindowObject>(&window_);
    dialog.findChild<QLineEdit*>("txtPassword")->setText("Fanal2025");
    dialog.findChild<QLineEdit*>("txtConfirmaPassword")->setText("Fanal2025");
    dialog.findChild<QPushButton*>("cmdAcceptar")->click();
    ASSERT_EQ(dialog.result(), QDialog::Accepted) << (sessio_.shown.empty() ? "" : sessio_.shown.front());

    usuaris_->Update();
    const std::string canvis = f_.ObteActualitzacionsDeXML(f_.PassaRecordsetAXML(usuaris_));
    Call("SaveUsuari", {canvis});
    const std::string desat = Saved();
    EXPECT_TRUE(desat.starts_with("$argon2id$")) << desat;
    EXPECT_TRUE(velmar::VerifyPassword(desat, "Fanal2025"));
    EXPECT_FALSE(velmar::VerifyPassword(desat, "Admin2024"));
    EXPECT_EQ(canvis.find("Fanal2025"), std::string::npos) << "nothing sent holds it in clear";
}

TEST_F(PasswordSaved, TheSampleDatabaseHoldsNoPasswordInClear) {
    ado::Recordset rows = ado::Recordset::FromXml(Call("GetUsuaris").toString());
    ASSERT_GT(rows.RecordCount(), 0);
    for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) {
        const std::string stored = rows.Value("Password").toString();
        EXPECT_TRUE(stored.starts_with("$argon2id$") && !velmar::VerifyPassword(stored, stored)) << stored;
    }
}

TEST_F(PasswordSaved, TheBoxShowsTheSameMaskForEveryPassword) {
    const QImage shown = Vista(QString::fromStdString(velmar::HashPassword("Admin2024")));
    EXPECT_EQ(shown, Vista(QString::fromStdString(velmar::HashPassword("una altra de molt més llarga 1"))));
    EXPECT_NE(shown, Vista(""));
    EXPECT_EQ(box_->text().toStdString(), Saved()) << "the binding carries the hash";
}

}  // namespace
