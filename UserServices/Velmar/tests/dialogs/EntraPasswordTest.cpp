// The password dialog: its rule, and what reaches the calling window.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "SessioProva.h"
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
    SessioProva sessio_;
    std::shared_ptr<Usuaris> usuaris_ = std::make_shared<Usuaris>();
};

TEST_F(EntraPassword, AnAcceptedPasswordReachesTheCallerAsTyped) {
    frmEntraPassword dialog;
    ASSERT_EQ(dialog.NumError, 0) << dialog.UbicacioError;
    dialog.frmFormulariQueCrida = usuaris_;
    accept(dialog, " abcd1234 ", "abcd1234");
    EXPECT_EQ(usuaris_->txtPassword->text, " abcd1234 ");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(sessio_.shown.empty());
}

TEST_F(EntraPassword, ARefusalShowsItsTextAndCancelChangesNothing) {
    sessio_.execute("INSERT INTO T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) VALUES "
                    "(1, 'frmEntraPassword', 'valContrasenyaCurta', 'Massa curta', FALSE)");
    frmEntraPassword dialog;
    dialog.frmFormulariQueCrida = usuaris_;
    accept(dialog, "ab12", "ab12");
    EXPECT_EQ(sessio_.shown, std::vector<std::string>{"Massa curta"});
    EXPECT_EQ(dialog.NumError, 0);

    // A code without a text is error 517, shown with the whole trail.
    accept(dialog, "abcdefgh", "abcdefgh");
    EXPECT_EQ(dialog.NumError, 517);
    EXPECT_EQ(dialog.UbicacioError,
              "\rVelmar(exe) - FuncionsCapaInterficie - TradueixMissatgeFormulariIdioma"
              "\rVelmar(exe) - frmEntraPassword - CadenaValidacioAcceptar"
              "\rVelmar(exe) - frmEntraPassword - SurtGuardantContrasenya");
    ASSERT_EQ(sessio_.shown.size(), 2u);
    EXPECT_EQ(sessio_.shown.back().substr(0, 6), "Error:");

    dialog.findChild<QPushButton*>("cmdCancellar")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(usuaris_->txtPassword->text, "anterior");
}

}  // namespace
