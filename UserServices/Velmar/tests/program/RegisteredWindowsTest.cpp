// Windows opened by name: the registry, a window that works within a
// project, which it captures as it opens and without which it does not,
// and the start window, whose menu and buttons open one window of a kind,
// each window of a project on the project selected, and whose closing
// closes them all unless one keeps what it has unsaved.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>

#include "RegisteredWindowsFixture.h"
#include "core/controls/RecordList.h"
#include "support/TestDatabase.h"

namespace {

using velmar::RegisteredWindow;

// A window that works within a project.
class FinestraDeProjecte final : public QWidget {
public:
    explicit FinestraDeProjecte(int32_t projecte) : lngProjecte(projecte) {}
    const int32_t lngProjecte;
};

using RegisteredWindows = RegisteredWindowsFixture;

TEST_F(RegisteredWindows, EachRegisteredWindowOpensByItsOwnName) {
    ASSERT_FALSE(velmar::RegisteredWindows().empty());
    for (const RegisteredWindow& finestra : velmar::RegisteredWindows()) {
        EXPECT_EQ(velmar::FindRegisteredWindow(finestra.nom), &finestra);
        const std::unique_ptr<QWidget> window = velmar::OpenWindow(finestra, OpeningOptions(finestra.nom));
        ASSERT_NE(window, nullptr) << finestra.nom;
        EXPECT_EQ(window->objectName().toStdString(), finestra.nom);
    }
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(velmar::FindRegisteredWindow("frmNoExisteix"), nullptr);
}

TEST_F(RegisteredWindows, AWindowOfAProjectKeepsTheOneChosenAndDoesNotOpenWithoutOne) {
    const RegisteredWindow finestra{"frmDeProjecte", velmar::WithProject<FinestraDeProjecte>, ""};
    std::unique_ptr<QWidget> window = velmar::OpenWindow(finestra, {});
    ASSERT_NE(window, nullptr);
    velmar::clsAndamiSistema::Instance().SetProjecte(5);
    EXPECT_EQ(static_cast<FinestraDeProjecte&>(*window).lngProjecte, 306) << "captured as it opened";
    EXPECT_EQ(window->windowTitle(), "Vilanova del Riu") << "its title names it";

    velmar::clsAndamiSistema::Instance().SetProjecte(0);
    EXPECT_EQ(velmar::OpenWindow(finestra, {}), nullptr);
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_EQ(sessio.shown.front(),
              "Error: Primer cal triar un projecte a la finestra de projectes.\r\r"
              " (Velmar(exe) - frmDeProjecte - Form_Load)");
}

TEST_F(RegisteredWindows, AMissingOptionIsShownAndOpensNothing) {
    EXPECT_EQ(velmar::OpenWindow(*velmar::FindRegisteredWindow("frmVisorImatge"), {}), nullptr);
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

TEST_F(RegisteredWindows, TheStartWindowOpensOneWindowOfAKindAndClosesThemWithIt) {
    for (const int32_t idioma : {1, 5}) {
        velmar::clsAndamiSistema::Instance().SetIdioma(idioma);
        const std::unique_ptr<QWidget> inicial = velmar::OpenWindow(*velmar::FindRegisteredWindow("frmProjectes"), {});
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

// The start window shown, in the session's language, with its menu's
// Yes/No questions answered by `resposta` and kept in `preguntes`.
class Inicial : public RegisteredWindowsFixture, public testing::WithParamInterface<testsupport::Engine> {
protected:
    Inicial() : RegisteredWindowsFixture(GetParam()) {}

    void SetUp() override {
        RegisteredWindowsFixture::SetUp();
        previous_ = velmar::dialogs::SetYesNoHandler([this](const std::string& text) {
            preguntes.push_back(text);
            return resposta;
        });
    }
    void TearDown() override {
        velmar::dialogs::SetYesNoHandler(previous_);
        RegisteredWindowsFixture::TearDown();
    }
    std::unique_ptr<QWidget> Obre() {
        std::unique_ptr<QWidget> inicial = velmar::OpenWindow(*velmar::FindRegisteredWindow("frmProjectes"), {});
        if (inicial) inicial->show();
        return inicial;
    }
    // Selects the project of that short name in the start window's list.
    static void Selecciona(QWidget& inicial, const char* projecte) {
        auto* llista = inicial.findChild<velmar::RecordList*>();
        for (int i = 0; i < llista->count(); ++i)
            if (llista->text(i) == QString::fromUtf8(projecte)) return llista->setCurrentRow(i);
        ADD_FAILURE() << "no project " << projecte;
    }
    static void Menu(QWidget& inicial, const char* entrada) { inicial.findChild<QAction*>(entrada)->trigger(); }
    // The one window of that name shown; none when none or more are.
    static QWidget* Mostrada(const char* nom) {
        const std::vector<QWidget*> shown = Mostrades(nom);
        EXPECT_EQ(shown.size(), 1u) << nom;
        return shown.size() == 1 ? shown.front() : nullptr;
    }
    static bool Editant(QWidget* window) {
        return window && window->findChild<QPushButton*>("cmdSortirEdicio")->isVisibleTo(window);
    }

    std::vector<std::string> preguntes;
    bool resposta = true;

private:
    velmar::dialogs::YesNoHandler previous_;
};

TEST_P(Inicial, TheMenuShowsAProjectWindowOnTheProjectSelectedAndSaysWhichInItsTitle) {
    struct Cas {
        int32_t idioma;
        const char* carrers;
        const char* punts;
    };
    for (const Cas& cas : {Cas{1, "Carrers", "Punts de llum"}, Cas{5, "Streets", "Light points"}}) {
        velmar::clsAndamiSistema::Instance().SetIdioma(cas.idioma);
        preguntes.clear();
        const std::unique_ptr<QWidget> inicial = Obre();
        ASSERT_NE(inicial, nullptr);
        const auto titol = [](const char* finestra, const char* projecte) {
            return QString::fromUtf8(finestra) + QString::fromUtf8(" – ") + QString::fromUtf8(projecte);
        };

        Selecciona(*inicial, "Els Pins");
        Menu(*inicial, "mnuCarrers");
        QPointer<QWidget> pins = Mostrada("frmCarrers");
        ASSERT_NE(pins, nullptr);
        EXPECT_EQ(pins->windowTitle(), titol(cas.carrers, "Els Pins"));
        Menu(*inicial, "mnuCarrers");
        EXPECT_EQ(Mostrada("frmCarrers"), pins) << "the same project: the same window";

        Selecciona(*inicial, "Vilanova del Riu");
        Menu(*inicial, "mnuCarrers");
        QApplication::processEvents();
        EXPECT_TRUE(pins.isNull()) << "the window on the other project is gone";
        QWidget* vilanova = Mostrada("frmCarrers");
        ASSERT_NE(vilanova, nullptr);
        EXPECT_EQ(vilanova->windowTitle(), titol(cas.carrers, "Vilanova del Riu"));
        EXPECT_EQ(vilanova->findChild<velmar::RecordList*>()->text(0), "C-001");

        // A window with unsaved changes asks first; No keeps it as it is.
        Menu(*inicial, "mnuPuntsLlum");
        QPointer<QWidget> punts = Mostrada("frmPuntsLlum");
        ASSERT_NE(punts, nullptr);
        punts->findChild<QPushButton*>("cmdEditar")->click();
        ASSERT_TRUE(Editant(punts));
        Selecciona(*inicial, "Els Pins");
        resposta = false;
        Menu(*inicial, "mnuPuntsLlum");
        QApplication::processEvents();
        EXPECT_EQ(preguntes.size(), 1u);
        EXPECT_EQ(Mostrada("frmPuntsLlum"), punts);
        EXPECT_TRUE(Editant(punts));
        EXPECT_EQ(punts->windowTitle(), titol(cas.punts, "Vilanova del Riu"));
        resposta = true;
        Menu(*inicial, "mnuPuntsLlum");
        QApplication::processEvents();
        EXPECT_EQ(preguntes.size(), 2u);
        EXPECT_TRUE(punts.isNull());
        QWidget* reoberta = Mostrada("frmPuntsLlum");
        ASSERT_NE(reoberta, nullptr);
        EXPECT_EQ(reoberta->windowTitle(), titol(cas.punts, "Els Pins"));
        EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();

        inicial->close();
        QApplication::processEvents();
    }
}

TEST_P(Inicial, NoToAWindowsUnsavedChangesKeepsTheStartWindowOpenAndItsButtonAsksTheSame) {
    for (const bool boto : {false, true}) {
        preguntes.clear();
        const std::unique_ptr<QWidget> inicial = Obre();
        ASSERT_NE(inicial, nullptr);
        const auto tanca = [&] {
            if (boto)
                inicial->findChild<QPushButton*>("cmdSortir")->click();
            else
                inicial->close();
            QApplication::processEvents();
        };
        Menu(*inicial, "mnuClients");
        Menu(*inicial, "mnuPuntsLlum");
        QWidget* punts = Mostrada("frmPuntsLlum");
        ASSERT_NE(punts, nullptr);
        punts->findChild<QPushButton*>("cmdEditar")->click();

        resposta = false;
        tanca();
        EXPECT_EQ(preguntes.size(), 1u) << boto;
        EXPECT_TRUE(inicial->isVisible()) << "the menu stays within reach";
        EXPECT_EQ(Mostrada("frmPuntsLlum"), punts);
        EXPECT_TRUE(Editant(punts));

        resposta = true;
        tanca();
        EXPECT_EQ(preguntes.size(), 2u);
        EXPECT_FALSE(inicial->isVisible());
        for (const char* nom : {"frmClients", "frmPuntsLlum"}) EXPECT_TRUE(Mostrades(nom).empty()) << nom;
    }
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
}

INSTANTIATE_TEST_SUITE_P(Engines, Inicial, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

}  // namespace
