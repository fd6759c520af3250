// Qt's own dialogs speak the session's language: the buttons of a message
// box follow the language as it changes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>

#include "core/services/clsAndamiSistema.h"

namespace {

using velmar::clsAndamiSistema;

QString Button(QMessageBox::StandardButton which) {
    QMessageBox box(QMessageBox::NoIcon, "", "", QMessageBox::Ok | QMessageBox::Yes | QMessageBox::No);
    return box.button(which)->text().remove('&');
}

TEST(QtTranslation, MessageBoxButtonsFollowTheSessionLanguage) {
    struct Case {
        int32_t idioma;
        const char *ok, *yes, *no;
    };
    for (const Case& c : {Case{2, "Aceptar", "Sí", "No"}, Case{1, "D'acord", "Sí", "No"}, Case{5, "OK", "Yes", "No"},
                          Case{7, "D'acord", "Sí", "No"}}) {
        clsAndamiSistema::Instance().SetIdioma(c.idioma);
        EXPECT_EQ(Button(QMessageBox::Ok), QString::fromUtf8(c.ok)) << c.idioma;
        EXPECT_EQ(Button(QMessageBox::Yes), QString::fromUtf8(c.yes)) << c.idioma;
        EXPECT_EQ(Button(QMessageBox::No), QString::fromUtf8(c.no)) << c.idioma;
    }
    clsAndamiSistema::Instance().SetIdioma(0);
}

}  // namespace
