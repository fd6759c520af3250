// The language chooser on the sample languages: icons with their default,
// the current language, and what acceptance stores.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "Ado/Recordset.h"
#include "Com/Registry.h"
#include "SessionFixture.h"
#include "core/services/Session.h"
#include "core/services/clsAndamiSistema.h"
#include "dialogs/frmIdiomes.h"

namespace {

using velmar::clsAndamiSistema;
using velmar::frmIdiomes;

class Idiomes : public testing::Test {
protected:
    void SetUp() override {
        clsAndamiSistema::Instance().SetIdioma(1);
        clsAndamiSistema::Instance().SetUsuari(14);
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::white);
        ASSERT_TRUE(image.save(QString::fromStdString((icones_.path() / "Defecte.jpg").string()), "PNG"));
    }
    void TearDown() override {
        clsAndamiSistema::Instance().SetIdioma(0);
        clsAndamiSistema::Instance().SetUsuari(0);
    }

    static QListWidget* Llista(frmIdiomes& w) { return w.findChild<QListWidget*>("lstIdiomes"); }
    static std::vector<std::string> Codis(frmIdiomes& w) {
        std::vector<std::string> codes;
        for (int i = 0; i < Llista(w)->count(); ++i) codes.push_back(Llista(w)->item(i)->text().toStdString());
        return codes;
    }
    static void Tria(frmIdiomes& w, const QString& code) {
        Llista(w)->setCurrentItem(Llista(w)->findItems(code, Qt::MatchExactly).front());
        w.findChild<QPushButton*>("cmdAcceptar")->click();
    }
    static int32_t IdiomaDesat(int32_t usuari = 14) {
        const com::ObjectRef service = com::CreateObject("Brintel.SvrIdiomes");
        ado::Recordset row = ado::Recordset::FromXml(com::Call(service, "GetUsuariById", {usuari}).toString());
        row.MoveFirst();
        return row.Value("NumIdioma").toLong();
    }

    SessionFixture sessio_;
    testsupport::TempDir icones_;
    velmar::clsFuncionsCapaInterficie f_;
    testsupport::ScopedFile ini_{f_.RutaArxiuIni(), "[General]\nRutaDirectoriIcones=" + icones_.path().string() + "\n"};
};

TEST_F(Idiomes, ListsEveryLanguageAndStoresTheChosenOne) {
    frmIdiomes window;
    ASSERT_EQ(window.NumError, 0) << window.UbicacioError;
    EXPECT_EQ(Codis(window), (std::vector<std::string>{"Castellano", "Català", "English"}));
    ASSERT_NE(Llista(window)->currentItem(), nullptr);
    EXPECT_EQ(Llista(window)->currentItem()->text(), "Català");
    EXPECT_EQ(window.findChild<QLabel*>("lblNomIdiomaActual")->text(), "Català");
    EXPECT_FALSE(Llista(window)->item(0)->icon().isNull()) << "the default icon stands in";

    Tria(window, "English");
    EXPECT_EQ(window.NumError, 0) << window.UbicacioError;
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(clsAndamiSistema::Instance().Idioma(), 5);
    EXPECT_EQ(IdiomaDesat(), 5);
}

TEST_F(Idiomes, ALanguageTheSessionRefusesStoresItsFallback) {
    sessio_.execute("INSERT INTO TTI_Idioma (NumIdioma, CodIdioma, NomArxiuIconaIdioma) VALUES (7, 'Deutsch', 'x.jpg')");
    sessio_.execute("UPDATE T_Usuari SET NumIdioma = 2 WHERE NumUsuari = 14");
    clsAndamiSistema::Instance().SetIdioma(7);
    frmIdiomes window;
    ASSERT_NE(Llista(window)->currentItem(), nullptr);
    EXPECT_EQ(Llista(window)->currentItem()->text(), "Català") << "the session reports 7 as 1";
    Tria(window, "Deutsch");
    EXPECT_EQ(clsAndamiSistema::Instance().Idioma(), 1);
    EXPECT_EQ(IdiomaDesat(), 1);
}

TEST_F(Idiomes, WithoutAUserTheChoiceHoldsForTheSessionOnlyAsTheChosenLanguageSays) {
    struct Cas {
        const char* idioma;
        int32_t numero;
        const char* avis;
    };
    for (const Cas& cas :
         {Cas{"Castellano", 2,
              "El idioma elegido se aplica hasta que cierre el programa, pero no se puede guardar: su usuario del "
              "sistema no está en la lista de usuarios."},
          Cas{"English", 5,
              "The chosen language applies until you close the program, but it cannot be kept: your system login "
              "is not in the list of users."}}) {
        clsAndamiSistema::Instance().SetIdioma(1);
        clsAndamiSistema::Instance().SetUsuari(0);
        sessio_.shown.clear();
        frmIdiomes window;
        ASSERT_EQ(window.NumError, 0) << window.UbicacioError;
        Tria(window, cas.idioma);
        EXPECT_EQ(window.NumError, 0) << window.UbicacioError;
        EXPECT_EQ(window.result(), QDialog::Accepted);
        EXPECT_EQ(clsAndamiSistema::Instance().Idioma(), cas.numero);
        // In the language of the box's own buttons.
        EXPECT_EQ(sessio_.shown, std::vector<std::string>{cas.avis});
        EXPECT_EQ(IdiomaDesat(), 1) << "the administrator's row is untouched";
    }
}

TEST_F(Idiomes, AUserOfTheLoginAddedSinceTheSessionBeganKeepsTheChoice) {
    clsAndamiSistema::Instance().SetUsuari(0);
    frmIdiomes window;
    sessio_.execute(
        "INSERT INTO T_Usuari (NumUsuari, NomUsuari, Login, Password, NumNivellSeguretat, NumIdioma, Autoritzat) "
        "VALUES (15, 'Pere Vila', '" + velmar::SystemUserName() + "', 'x', 3, 1, TRUE)");
    Tria(window, "English");
    EXPECT_EQ(window.NumError, 0) << window.UbicacioError;
    EXPECT_TRUE(sessio_.shown.empty()) << sessio_.shown.front();
    EXPECT_EQ(clsAndamiSistema::Instance().Usuari(), 15);
    EXPECT_EQ(clsAndamiSistema::Instance().Idioma(), 5);
    EXPECT_EQ(IdiomaDesat(15), 5);
    EXPECT_EQ(IdiomaDesat(), 1);
}

TEST_F(Idiomes, EachLanguageShipsAnIconOfItsOwn) {
    const std::string shipped = testsupport::BuildPath("UserServices/Velmar/Icones");
    ini_.replace("[General]\nRutaDirectoriIcones=" + shipped + "\n");
    frmIdiomes window;
    ASSERT_EQ(window.NumError, 0) << window.UbicacioError;
    const auto picture = [](const QIcon& icon) { return icon.pixmap(32, 32).toImage(); };
    std::vector<QImage> pictures{picture(QIcon(QString::fromStdString(shipped + "/Defecte.jpg")))};
    for (int i = 0; i < Llista(window)->count(); ++i) {
        const QImage shown = picture(Llista(window)->item(i)->icon());
        ASSERT_FALSE(shown.isNull());
        for (const QImage& other : pictures) EXPECT_NE(shown, other) << Llista(window)->item(i)->text().toStdString();
        pictures.push_back(shown);
    }
    EXPECT_EQ(pictures.size(), 4u);
}

TEST_F(Idiomes, WithoutTheDefaultIconTheListStaysEmpty) {
    std::filesystem::remove(icones_.path() / "Defecte.jpg");
    frmIdiomes window;
    EXPECT_EQ(window.NumError, 516);
    EXPECT_EQ(window.UbicacioError, "\rVelmar(exe) - frmIdiomes - IniciFormulari");
    EXPECT_EQ(sessio_.shown.size(), 1u);
    EXPECT_EQ(Llista(window)->count(), 0);
}

TEST_F(Idiomes, NoSelectionOrCancelChangesNothing) {
    frmIdiomes window;
    Llista(window)->clearSelection();
    window.findChild<QPushButton*>("cmdAcceptar")->click();
    EXPECT_NE(window.NumError, 0);
    EXPECT_EQ(window.UbicacioError, "\rVelmar(exe) - frmIdiomes - SurtGravantIdioma");
    EXPECT_EQ(sessio_.shown.size(), 1u);

    Llista(window)->setCurrentRow(2);
    window.findChild<QPushButton*>("cmdCancellar")->click();
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_EQ(clsAndamiSistema::Instance().Idioma(), 1);
    EXPECT_EQ(IdiomaDesat(), 1);
}

}  // namespace
