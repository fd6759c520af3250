// Windows opened by name: the registry, and a window that works within a
// project, which it captures as it opens and without which it does not.
#include <gtest/gtest.h>

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

}  // namespace
