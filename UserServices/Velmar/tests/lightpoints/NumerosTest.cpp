// Numbers in the light-point window as a person of each language writes
// them, typed key by key into the luminaire's boxes and saved: a number of
// the language is stored as written and shown in that language; a text
// that is no number of it, a fraction for a count, or a number the column
// cannot hold is refused at save, naming the field, with nothing stored
// and the typing kept. On each engine. Its lists show numbers the same way.
#include <gtest/gtest.h>

#include <QTest>
#include <optional>

#include "NumberBoxes.h"
#include "PuntsLlumFixture.h"
#include "support/TestDatabase.h"

namespace {

using testsupport::Engine;

struct Caixa {
    const char* nom;
    const char* camp;
    const char* marc;  // the caption codes that name it
    const char* etiqueta;
};
constexpr Caixa kPotencia = {"txtPotencia", "BombetaPotencia", "fraBombetes", "lblPotencia"};
constexpr Caixa kBombetes = {"txtBombetes", "BombetaNumero", "fraBombetes", "lblBombetes"};
constexpr Caixa kFusibles = {"txtFusibles", "FusiblesNumero", "fraFusibles", "lblFusibles"};

struct Cas {
    int32_t idioma;
    Caixa caixa;
    const char* escrit;
    // Stored: the value the database then holds, and what the box shows;
    // refused: the code of the message.
    const char* desat;
    const char* mostrat;
    const char* codi = nullptr;
};

const Cas kCasos[] = {
    {1, kPotencia, "150,5", "150.5", "150,5"},
    {1, kPotencia, "1.500,5", "1500.5", "1500,5"},
    {1, kPotencia, "150.5", nullptr, nullptr, "valNumeroNoValid"},
    {1, kBombetes, "dos", nullptr, nullptr, "valNumeroNoValid"},
    {1, kBombetes, "2,7", nullptr, nullptr, "valNumeroNoEnter"},
    {1, kFusibles, "99999999999", nullptr, nullptr, "valNumeroNoHiCap"},
    {2, kPotencia, "7,5", "7.5", "7,5"},
    {2, kPotencia, "1.500,5", "1500.5", "1500,5"},
    {2, kPotencia, "70.5", nullptr, nullptr, "valNumeroNoValid"},
    {2, kBombetes, "3", "3", "3"},
    {2, kBombetes, "2,5", nullptr, nullptr, "valNumeroNoEnter"},
    {2, kPotencia, "1e999", nullptr, nullptr, "valNumeroNoHiCap"},
    {5, kPotencia, "70.5", "70.5", "70.5"},
    {5, kPotencia, "1,500.5", "1500.5", "1500.5"},
    {5, kPotencia, "70,5", nullptr, nullptr, "valNumeroNoValid"},
    {5, kPotencia, "seventy", nullptr, nullptr, "valNumeroNoValid"},
    {5, kBombetes, "2.7", nullptr, nullptr, "valNumeroNoEnter"},
    {5, kFusibles, "3000000000", nullptr, nullptr, "valNumeroNoHiCap"},
    {5, kBombetes, "", "(Null)", ""},
};

class Numeros : public PuntsLlumFixture, public testing::WithParamInterface<Engine> {
protected:
    Numeros() : PuntsLlumFixture(GetParam()) {}

    // The field of the window's current luminaire as the database holds it.
    static std::string Saved(frmPuntsLlum& w, const char* camp) {
        const com::Variant clau = Table(w, "rstRecordsetLluminaries")->Value("NumLluminaria");
        return Camp(Llegeix("GetLluminaries"), "NumLluminaria", clau, camp).value_or("(none)");
    }
    // Typed key by key into an emptied box.
    static void Escriu(QWidget& w, const char* caixa, const char* text) {
        QLineEdit* edit = Text(w, caixa);
        edit->clear();
        QTest::keyClicks(edit, QString::fromUtf8(text));
    }
};

TEST_P(Numeros, AreReadAndShownAsTheUsersLanguageWritesThem) {
    std::unique_ptr<frmPuntsLlum> w;
    for (const Cas& c : kCasos) {
        const std::string cas = std::to_string(c.idioma) + " " + c.caixa.nom + " '" + c.escrit + "'";
        if (!w || c.idioma != velmar::clsAndamiSistema::Instance().Idioma()) {
            velmar::clsAndamiSistema::Instance().SetIdioma(c.idioma);
            w = std::make_unique<frmPuntsLlum>(306);
            ASSERT_EQ(w->NumError, 0) << w->UbicacioError;
        }
        const std::string abans = Saved(*w, c.caixa.camp);
        Click(*w, "cmdEditar");
        Escriu(*w, c.caixa.nom, c.escrit);
        Click(*w, "cmdSortirEdicio");
        if (c.codi) {
            const QString nom = QString::fromStdString(Message(c.caixa.marc) + ": " + Message(c.caixa.etiqueta));
            EXPECT_EQ(sessio.shown, std::vector<std::string>{QString::fromStdString(Message(c.codi)).arg(nom).toStdString()})
                << cas;
            EXPECT_TRUE(Editant(*w)) << cas;
            EXPECT_EQ(Valor(*w, c.caixa.nom), c.escrit) << cas << ": what was typed stays";
            EXPECT_EQ(Saved(*w, c.caixa.camp), abans) << cas;
            Click(*w, "cmdDesferCanvis");
        } else {
            EXPECT_TRUE(sessio.shown.empty()) << cas << ": " << sessio.shown.front();
            EXPECT_FALSE(Editant(*w)) << cas;
            EXPECT_EQ(Saved(*w, c.caixa.camp), c.desat) << cas;
            EXPECT_EQ(Valor(*w, c.caixa.nom), c.mostrat) << cas;
        }
        sessio.shown.clear();
    }
}

// Another luminaire shown (or a new one begun) while a box holds a text
// that is no number would show that luminaire's value in the box and lose
// the typing: the move is refused as a save is, naming the field, and the
// luminaire and the typing stay. A number of the language moves, and is
// saved with the point.
TEST_P(Numeros, NoOtherLuminaireIsShownWhileABoxHoldsAnUnreadableNumber) {
    for (const auto& [idioma, illegible, escrit, desat] :
         {std::tuple{1, "7,,5", "150,5", "150.5"}, {5, "abc", "70.5", "70.5"}}) {
        velmar::clsAndamiSistema::Instance().SetIdioma(idioma);
        frmPuntsLlum w(306);
        TriaEscomesa(w, "E-02");
        Click(w, "cmdEndavant");  // PL-102, with two luminaires
        ASSERT_EQ(Valor(w, "txtCodi"), "PL-102");
        const std::string comptador = Valor(w, "txtNumeroLluminaria");
        Click(w, "cmdEditar");
        Escriu(w, kPotencia.nom, illegible);
        const QString nom = QString::fromStdString(Message(kPotencia.marc) + ": " + Message(kPotencia.etiqueta));
        const std::string missatge = QString::fromStdString(Message("valNumeroNoValid")).arg(nom).toStdString();
        ExpectNoMoveToAnotherLuminaire(w, missatge, kPotencia.nom, illegible, std::to_string(idioma));
        // Another model chosen for the same luminaire shows the luminaire again.
        const std::string model = Valor(w, "cmbModelLluminaria");
        PuntsLlumFixture::Escriu(w, "cmbModelLluminaria", "vialum v-40 led");
        EXPECT_EQ(Valor(w, kPotencia.nom), illegible) << idioma << ": what was typed stays";
        PuntsLlumFixture::Escriu(w, "cmbModelLluminaria", model.c_str());
        ASSERT_EQ(Valor(w, "cmbModelLluminaria"), model);

        Escriu(w, kPotencia.nom, escrit);
        Click(w, "cmdAvancaLluminaria");
        EXPECT_TRUE(sessio.shown.empty()) << idioma << ": " << sessio.shown.front();
        EXPECT_NE(Valor(w, "txtNumeroLluminaria"), comptador) << idioma;
        Click(w, "cmdPrincipiLluminaria");
        EXPECT_EQ(Valor(w, kPotencia.nom), escrit) << idioma;
        Click(w, "cmdSortirEdicio");
        ASSERT_TRUE(sessio.shown.empty()) << idioma << ": " << sessio.shown.front();
        EXPECT_EQ(Saved(w, kPotencia.camp), desat) << idioma;
        EXPECT_EQ(Valor(w, kPotencia.nom), escrit) << idioma;
    }
}

// A person's typing in every box over a number of the window, and in the
// support's property value, saved and read back by the window opened
// again: a box of whole numbers refuses the fraction, naming its field, and
// takes the whole number; the database holds, and the reopened window
// shows, what was typed.
TEST_P(Numeros, WhatIsTypedInEveryNumberBoxIsStoredAndShownWhenTheWindowOpensAgain) {
    const std::string propietat = "Volada del braç (m)";
    for (const auto& [idioma, fraccio, enter, desat] :
         {std::tuple{1, "150,5", "150", "150.5"}, {5, "70.5", "70", "70.5"}}) {
        velmar::clsAndamiSistema::Instance().SetIdioma(idioma);
        std::vector<std::pair<std::string, std::string>> escrit;  // box and text, in the window's order
        {
            frmPuntsLlum w(306);
            TriaEscomesa(w, "E-02");
            Click(w, "cmdEditar");
            const std::vector<NumberBox> caixes = NumberBoxes(w);
            ASSERT_EQ(caixes.size(), 4u) << "power, bulbs, fuses and the pattern's number";
            // The pattern's number names a row of the patterns: typed back
            // whole as it stands, so that the point keeps its pattern.
            const std::string patro = Valor(w, "txtCodiPatro");
            // Clang 14 lets no lambda capture a structured binding: plain copies.
            const std::string fraccioText = fraccio, enterText = enter;
            const auto text = [&](const NumberBox& c) -> std::string {
                if (c.camp->type == ado::DataType::Double) return fraccioText;
                return c.caixa->objectName() == "txtCodiPatro" ? patro : enterText;
            };
            // The property first: while the pattern's box names no pattern,
            // no support shows to give it to.
            Combo(w, "cmbPropietat")->setCurrentIndex(Combo(w, "cmbPropietat")->findText(QString::fromStdString(propietat)));
            Text(w, "txtValor")->setText(QString::fromUtf8(fraccio));
            Click(w, "cmdAfegirPropietat");
            ASSERT_TRUE(sessio.shown.empty()) << idioma << ": " << sessio.shown.front();
            for (const NumberBox& c : caixes) Escriu(w, c.caixa->objectName().toUtf8().constData(), fraccio);

            Click(w, "cmdSortirEdicio");
            const auto enters = std::ranges::find_if(caixes, [](const NumberBox& c) {
                return c.camp->type != ado::DataType::Double;
            });
            ASSERT_NE(enters, caixes.end());
            const QString nom = velmar::binding::FieldName(enters->caixa);
            EXPECT_EQ(sessio.shown,
                      std::vector<std::string>{QString::fromStdString(Message("valNumeroNoEnter")).arg(nom).toStdString()})
                << idioma;
            sessio.shown.clear();
            for (const NumberBox& c : caixes) {
                const std::string typed = text(c);
                escrit.emplace_back(c.caixa->objectName().toStdString(), typed);
                Escriu(w, c.caixa->objectName().toUtf8().constData(), typed.c_str());
            }
            Click(w, "cmdSortirEdicio");
            ASSERT_TRUE(sessio.shown.empty()) << idioma << ": " << sessio.shown.front();
        }

        frmPuntsLlum w(306);
        TriaEscomesa(w, "E-02");
        for (const auto& [caixa, text] : escrit) {
            EXPECT_EQ(Valor(w, caixa.c_str()), text) << idioma << " " << caixa;
            if (caixa == "txtCodiPatro") continue;  // the point's, not the luminaire's
            const std::string camp = velmar::binding::DataField(Text(w, caixa.c_str()));
            EXPECT_EQ(Saved(w, camp.c_str()), text == fraccio ? desat : enter) << idioma << " " << camp;
        }
        EXPECT_EQ(std::ranges::count(Files(w, "lstPropietats"), propietat + "|" + fraccio + "|"), 1) << idioma;
        EXPECT_EQ(std::ranges::count(ListColumn(Auxiliar("TSP_SuportPropietat", "PropValor"), "NumSPSuport", 3, "PropValor"),
                                     desat),
                  1)
            << idioma;
    }
}

TEST_P(Numeros, ListsShowThemAsTheBoxesDo) {
    for (const auto& [idioma, punt, valor] :
         {std::tuple{1, "390128,6|4581452,9", "1,5"}, {5, "390128.6|4581452.9", "1.5"}}) {
        velmar::clsAndamiSistema::Instance().SetIdioma(idioma);
        frmPuntsLlum w(306);
        EXPECT_EQ(Files(w, "lstPunts"), std::vector<std::string>{punt}) << idioma;
        TriaEscomesa(w, "E-02");
        const std::string propietat = std::string("Volada del braç (m)|") + valor + "|";
        EXPECT_EQ(std::ranges::count(Files(w, "lstPropietats"), propietat), 1) << idioma;
        // A value typed back as the list shows it is read as the same.
        Click(w, "cmdEditar");
        Combo(w, "cmbPropietat")->setCurrentIndex(Combo(w, "cmbPropietat")->findText("Volada del braç (m)"));
        Text(w, "txtValor")->setText(valor);
        Click(w, "cmdAfegirPropietat");
        EXPECT_TRUE(sessio.shown.empty()) << idioma;
        EXPECT_EQ(std::ranges::count(Files(w, "lstPropietats"), propietat), 2) << idioma;
        Click(w, "cmdDesferCanvis");
    }
}

INSTANTIATE_TEST_SUITE_P(Engines, Numeros, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

}  // namespace
