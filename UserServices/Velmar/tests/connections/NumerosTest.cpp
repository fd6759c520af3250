// The contracted power of a service connection as a person of each
// language writes it, typed key by key and saved: stored as written and
// shown in that language, or refused at save naming the field, with
// nothing stored and the typing kept. On each engine.
#include <QTest>

#include "NumberBoxes.h"
#include "EscomesesFixture.h"
#include "support/TestDatabase.h"

namespace {

using testsupport::Engine;
using velmar::frmEscomeses;

class Numeros : public EscomesesFixture, public testing::WithParamInterface<Engine> {
protected:
    Numeros() : EscomesesFixture(GetParam()) {}

    std::string Desada() { return Valor("SELECT PotenciaContractada FROM T_Escomesa WHERE CodEscomesa = 'E-01'"); }
    // A text of the window in the session's language.
    std::string TextFinestra(const char* code) {
        return Valor("SELECT TextTraduit FROM T_Idioma WHERE NomFormulari = 'frmEscomeses' AND NumIdioma = " +
                     std::to_string(velmar::clsAndamiSistema::Instance().Idioma()) + " AND CodTextIdioma = '" + code +
                     "'");
    }
};

TEST_P(Numeros, TheContractedPowerIsReadAndShownAsTheUsersLanguageWritesIt) {
    struct Cas {
        int32_t idioma;
        const char* escrit;
        const char* desat;    // stored: the database's value
        const char* mostrat;  // and the box's text after the save
        const char* codi = nullptr;  // refused: the message
    };
    const Cas casos[] = {
        {1, "7,5", "7.5", "7,5"},
        {1, "1.500,25", "1500.25", "1500,25"},
        {1, "7.5", nullptr, nullptr, "valNumeroNoValid"},
        {2, "7,5", "7.5", "7,5"},
        {2, "set", nullptr, nullptr, "valNumeroNoValid"},
        {5, "7.5", "7.5", "7.5"},
        {5, "7,5", nullptr, nullptr, "valNumeroNoValid"},
        {5, "1e400", nullptr, nullptr, "valNumeroNoHiCap"},
    };
    for (const Cas& c : casos) {
        const std::string cas = std::to_string(c.idioma) + " '" + c.escrit + "'";
        velmar::clsAndamiSistema::Instance().SetIdioma(c.idioma);
        frmEscomeses w(306);
        ASSERT_EQ(Text(w, "txtCodi")->text(), "E-01");
        const std::string abans = Desada();
        Click(w, "cmdEditar");
        QLineEdit* potencia = Text(w, "txtPotenciaContractada");
        potencia->clear();
        QTest::keyClicks(potencia, QString::fromUtf8(c.escrit));
        sessio.shown.clear();
        Click(w, "cmdSortirEdicio");
        if (c.codi) {
            const QString nom = QString::fromStdString(TextFinestra("frmContractació") + ": " +
                                                       TextFinestra("lblPotenciaContractada"));
            EXPECT_EQ(sessio.shown,
                      std::vector<std::string>{QString::fromStdString(TextFinestra(c.codi)).arg(nom).toStdString()})
                << cas;
            EXPECT_EQ(potencia->text().toStdString(), c.escrit) << cas << ": what was typed stays";
            EXPECT_EQ(Desada(), abans) << cas;
        } else {
            EXPECT_TRUE(sessio.shown.empty()) << cas << ": " << sessio.shown.front();
            EXPECT_EQ(Desada(), c.desat) << cas;
            EXPECT_EQ(potencia->text().toStdString(), c.mostrat) << cas;
        }
    }
}

// A lookup table edited through a ">" button reads the window's rows again
// and shows the connection anew: a text in the box that is no number stays
// as typed for the save to refuse, and is not replaced by the number the
// field held before the typing went wrong ("7" of "7,,5").
TEST_P(Numeros, AnUnreadableNumberOutlivesTheLookupEditors) {
    frmEscomeses w(306);
    const std::string abans = Desada();
    Click(w, "cmdEditar");
    QLineEdit* potencia = Text(w, "txtPotenciaContractada");
    potencia->clear();
    QTest::keyClicks(potencia, "7,,5");
    for (const char* boto : {"cmdCompanyia", "cmdFusibles"}) {
        steps.push_back([](QWidget* editor) { editor->close(); });
        Click(w, boto);
        ASSERT_TRUE(steps.empty()) << boto << " opened no editor";
        EXPECT_EQ(potencia->text(), "7,,5") << boto;
    }
    Click(w, "cmdSortirEdicio");
    EXPECT_EQ(sessio.shown.size(), 1u);
    EXPECT_EQ(Desada(), abans);
    EXPECT_EQ(potencia->text(), "7,,5");
}

// A person's typing in every box over a number of the window, saved and
// read back by the window opened again: the database holds, and the
// reopened window shows, what was typed.
TEST_P(Numeros, WhatIsTypedInEveryNumberBoxIsStoredAndShownWhenTheWindowOpensAgain) {
    for (const auto& [idioma, escrit, desat] : {std::tuple{1, "150,5", "150.5"}, {5, "70.5", "70.5"}}) {
        velmar::clsAndamiSistema::Instance().SetIdioma(idioma);
        std::vector<std::string> caixes;
        {
            frmEscomeses w(306);
            Click(w, "cmdEditar");
            for (const NumberBox& c : NumberBoxes(w)) {
                caixes.push_back(c.caixa->objectName().toStdString());
                c.caixa->clear();
                QTest::keyClicks(c.caixa, QString::fromUtf8(escrit));
            }
            ASSERT_EQ(caixes, std::vector<std::string>{"txtPotenciaContractada"});
            Click(w, "cmdSortirEdicio");
            ASSERT_TRUE(sessio.shown.empty()) << idioma << ": " << sessio.shown.front();
        }
        frmEscomeses w(306);
        ASSERT_EQ(Text(w, "txtCodi")->text(), "E-01");
        for (const std::string& caixa : caixes) EXPECT_EQ(Text(w, caixa.c_str())->text().toStdString(), escrit) << idioma;
        EXPECT_EQ(Desada(), desat) << idioma;
    }
}

INSTANTIATE_TEST_SUITE_P(Engines, Numeros, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

}  // namespace
