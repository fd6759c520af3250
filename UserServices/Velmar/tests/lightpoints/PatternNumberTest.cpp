// The pattern's number typed into the light-point window: a number that
// names no pattern is refused before anything is sent, naming the field,
// with the typing kept and the window still editing (the database would
// refuse it, and the window would take that for another user's change); a
// text that is no whole number is refused by the number rules; a pattern
// that exists, or none, is saved, and the pattern frame then shows the
// pattern the point names, as it does while the number is typed. In two
// languages, on each engine.
#include <gtest/gtest.h>

#include <QTest>

#include "PuntsLlumFixture.h"
#include "core/binding/BindingControl.h"
#include "support/TestDatabase.h"

namespace {

using testsupport::Engine;

struct Case {
    int32_t language;
    const char* typed;
    // Refused: the code of the message; saved: none.
    const char* code = nullptr;
};

// In order: each starts from what the one before left stored.
const Case kCases[] = {
    {1, "150", "valNoSuchPattern"}, {1, "tres", "valNumeroNoValid"}, {1, "3"}, {1, ""},
    {1, "0", "valNoSuchPattern"},   {5, "150", "valNoSuchPattern"},  {5, "4"}, {5, "2.5", "valNumeroNoEnter"},
    {5, ""},
};

class PatternNumber : public PuntsLlumFixture, public testing::WithParamInterface<Engine> {
protected:
    PatternNumber() : PuntsLlumFixture(GetParam()) {}

    // The pattern of the first point of the first connection, as stored.
    static std::string StoredPattern() {
        return Camp(Llegeix("GetPuntsLlum", {1}), "NumPuntLlum", 1, "NumPatroPLL").value_or("(none)");
    }
    // A field of a pattern as stored; empty for no pattern.
    static std::string PatternField(const std::string& pattern, const char* field) {
        if (pattern == "(Null)") return "";
        const std::string value = Camp(Llegeix("GetPatronsPuntsLlum"), "NumPatroPLL", std::stoi(pattern), field).value();
        return value == "(Null)" ? "" : value;
    }
    // The model of the support a pattern names; empty for no pattern.
    static std::string SupportModel(const std::string& pattern) {
        const std::string support = PatternField(pattern, "NumSPSuport");
        if (support.empty()) return "";
        const std::string value =
            Camp(Auxiliar("TSP_Suport", "CodSPSuport"), "NumSPSuport", std::stoi(support), "SuportModel").value();
        return value == "(Null)" ? "" : value;
    }
};

TEST_P(PatternNumber, ANumberNamingNoPatternIsRefusedAndTheFrameShowsThePatternSaved) {
    for (const Case& c : kCases) {
        const std::string label = std::to_string(c.language) + " '" + c.typed + "'";
        velmar::clsAndamiSistema::Instance().SetIdioma(c.language);
        frmPuntsLlum w(306);
        ASSERT_EQ(w.NumError, 0) << w.UbicacioError;
        ASSERT_EQ(Valor(w, "txtCodi"), "PL-001");
        const std::string before = StoredPattern();
        Click(w, "cmdEditar");
        QLineEdit* box = Text(w, "txtCodiPatro");
        box->clear();
        QTest::keyClicks(box, QString::fromUtf8(c.typed));
        // While typed, the frame follows the number read: a pattern that
        // exists with its support, none for a number that names none.
        const bool whole = !c.code || std::string_view(c.code) == "valNoSuchPattern";
        const std::string named = c.code || !*c.typed ? "(Null)" : c.typed;
        if (whole) {
            EXPECT_EQ(Valor(w, "txtObservacionsPatro"), PatternField(named, "Observacions")) << label;
            EXPECT_EQ(Valor(w, "txtModel"), SupportModel(named)) << label;
        }
        Click(w, "cmdSortirEdicio");

        if (c.code) {
            const std::string message =
                QString::fromStdString(Message(c.code)).arg(velmar::binding::FieldName(box)).toStdString();
            EXPECT_EQ(sessio.shown, std::vector<std::string>{message}) << label;
            EXPECT_NE(message.find(c.language == 1 ? "Patró núm." : "Pattern no."), std::string::npos) << label;
            EXPECT_TRUE(Editant(w)) << label;
            EXPECT_EQ(Valor(w, "txtCodiPatro"), c.typed) << label << ": what was typed stays";
            EXPECT_EQ(StoredPattern(), before) << label;
            EXPECT_TRUE(NoOpenTransaction()) << label;
        } else {
            EXPECT_TRUE(sessio.shown.empty()) << label << ": " << sessio.shown.front();
            EXPECT_FALSE(Editant(w)) << label;
            const std::string stored = *c.typed ? c.typed : "(Null)";
            EXPECT_EQ(StoredPattern(), stored) << label;
            EXPECT_EQ(Valor(w, "txtCodiPatro"), c.typed) << label;
            EXPECT_EQ(Valor(w, "txtObservacionsPatro"), PatternField(stored, "Observacions")) << label;
            EXPECT_EQ(Valor(w, "txtFotoPatro"), PatternField(stored, "FotoPatro")) << label;
            EXPECT_EQ(Valor(w, "txtModel"), SupportModel(stored)) << label;
        }
        sessio.shown.clear();
    }
}

INSTANTIATE_TEST_SUITE_P(Engines, PatternNumber, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

}  // namespace
