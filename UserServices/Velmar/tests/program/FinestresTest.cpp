// Windows opened by name: the registry, a window that works within a
// project, which it captures as it opens and without which it does not,
// and the start window, whose menu and buttons open one window of a kind
// and whose closing closes them all.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPushButton>

#include "ObreturaProva.h"

namespace {

using velmar::FinestraRegistrada;

// A window that works within a project.
class FinestraDeProjecte final : public QWidget {
public:
    explicit FinestraDeProjecte(int32_t projecte) : lngProjecte(projecte) {}
    const int32_t lngProjecte;
};

using Finestres = FinestresProva;

TEST_F(Finestres, EachRegisteredWindowOpensByItsOwnName) {
    ASSERT_FALSE(velmar::Finestres().empty());
    for (const FinestraRegistrada& finestra : velmar::Finestres()) {
        EXPECT_EQ(velmar::TrobaFinestra(finestra.nom), &finestra);
        const std::unique_ptr<QWidget> window = velmar::ObreFinestra(finestra, Obertura(finestra.nom));
        ASSERT_NE(window, nullptr) << finestra.nom;
        EXPECT_EQ(window->objectName().toStdString(), finestra.nom);
    }
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(velmar::TrobaFinestra("frmNoExisteix"), nullptr);
}

TEST_F(Finestres, AWindowOfAProjectKeepsTheOneChosenAndDoesNotOpenWithoutOne) {
    const FinestraRegistrada finestra{"frmDeProjecte", velmar::AmbProjecte<FinestraDeProjecte>, ""};
    std::unique_ptr<QWidget> window = velmar::ObreFinestra(finestra, {});
    ASSERT_NE(window, nullptr);
    velmar::clsAndamiSistema::Instance().SetProjecte(5);
    EXPECT_EQ(static_cast<FinestraDeProjecte&>(*window).lngProjecte, 306) << "captured as it opened";

    velmar::clsAndamiSistema::Instance().SetProjecte(0);
    EXPECT_EQ(velmar::ObreFinestra(finestra, {}), nullptr);
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_EQ(sessio.shown.front(),
              "Error: Primer cal triar un projecte a la finestra de projectes.\r\r"
              " (Velmar(exe) - frmDeProjecte - Form_Load)");
}

TEST_F(Finestres, AMissingOptionIsShownAndOpensNothing) {
    EXPECT_EQ(velmar::ObreFinestra(*velmar::TrobaFinestra("frmVisorImatge"), {}), nullptr);
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_EQ(sessio.shown.front(),
              "Error: Falta un argument que no és opcional.\r\r (Velmar(exe) - frmVisorImatge - Form_Load)");
}

// The top-level windows of that name that are shown.
std::vector<QWidget*> Mostrades(const char* nom) {
    std::vector<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == nom && w->isVisible()) shown.push_back(w);
    return shown;
}

TEST_F(Finestres, TheStartWindowOpensOneWindowOfAKindAndClosesThemWithIt) {
    for (const int32_t idioma : {1, 5}) {
        velmar::clsAndamiSistema::Instance().SetIdioma(idioma);
        const std::unique_ptr<QWidget> inicial = velmar::ObreFinestra(*velmar::TrobaFinestra("frmProjectes"), {});
        ASSERT_NE(inicial, nullptr);
        inicial->show();

        // The menu offers the registered windows, under their texts.
        auto* menu = inicial->findChild<QMenuBar*>();
        ASSERT_NE(menu, nullptr);
        std::vector<std::string> captions;
        for (QAction* grup : menu->actions())
            if (grup->isVisible())
                for (QAction* action : grup->menu()->actions()) captions.push_back(action->text().toStdString());
        const std::vector<std::string> expected =
            idioma == 1 ? std::vector<std::string>{"Clients", "Tipus de manteniment", "Usuaris", "Idioma", "Carrers",
                                                   "Zones", "Trams de cable", "Escomeses", "Punts de llum"}
                        : std::vector<std::string>{"Clients", "Maintenance types", "Users", "Language", "Streets",
                                                   "Zones", "Cable segments", "Service connections",
                                                   "Light points"};
        EXPECT_EQ(captions, expected);

        inicial->findChild<QPushButton*>("cmdClients")->click();
        inicial->findChild<QPushButton*>("cmdClients")->click();
        inicial->findChild<QAction*>("mnuClients")->trigger();
        EXPECT_EQ(Mostrades("frmClients").size(), 1u);
        inicial->findChild<QPushButton*>("cmdManteniment")->click();
        inicial->findChild<QAction*>("mnuUsuaris")->trigger();
        EXPECT_EQ(Mostrades("frmManteniments").size(), 1u);
        EXPECT_EQ(Mostrades("frmUsuaris").size(), 1u);
        EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();

        inicial->close();
        QApplication::processEvents();
        for (const char* nom : {"frmClients", "frmManteniments", "frmUsuaris"}) EXPECT_TRUE(Mostrades(nom).empty()) << nom;
    }
}

}  // namespace
