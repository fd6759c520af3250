// The lookup-table editor as a combo's button opens it, the file dialogs
// answered through the seam, and the two debugging text routines.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>

#include "Ado/Recordset.h"
#include "core/binding/BindingControl.h"
#include "core/binding/BindingSource.h"
#include "core/binding/BindingWindow.h"
#include "core/services/Dialogs.h"
#include "core/binding/KnownWindows.h"
#include "core/controls/LookupCombo.h"
#include "core/services/LookupTableEditor.h"

namespace {

using velmar::clsFuncionsCapaInterficie;
using velmar::clsINtegritatReferencial;
using velmar::RecordsetRef;

const std::string kEntry = "\rVelmar(exe) - FuncionsCapaInterficie - ";

TEST(IntegritatReferencial, ItemsArePairedAndTrimmed) {
    using Pairs = std::vector<clsINtegritatReferencial>;
    const std::vector<std::pair<std::string, Pairs>> cases = {
        {"   ", {}},
        {"", {}},
        {"TSP_Suport, NumSuportTipus", {{"TSP_Suport", "NumSuportTipus"}}},
        {" T_Escomesa ,NumSeccioE,T_Tram,  NumSeccioTram , T_Tram, NumSeccio2N ",
         {{"T_Escomesa", "NumSeccioE"}, {"T_Tram", "NumSeccioTram"}, {"T_Tram", "NumSeccio2N"}}},
        {"T_A, NumA, T_B", {{"T_A", "NumA"}}},
        {"T_A,,T_B, NumB", {{"T_A", ""}, {"T_B", "NumB"}}},
        {"T_A", {}},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(velmar::ParseReferentialIntegrity(text), expected) << '"' << text << '"';
}

// An editor in place of the real one: it records what the opener set and
// adds a row, as a user would, before it closes.
struct EditorProva final : velmar::LookupTableEditor {
    static inline EditorProva* last = nullptr;
    static inline bool alive = false;
    EditorProva() { alive = true; }
    ~EditorProva() override { alive = false; }
    void ShowModal() override {
        last = this;
        rows = std::make_shared<ado::Recordset>(ado::Recordset::FromXml(kRows));
        shownTable = strNomTaula;
        shownPairs = colIntegritatReferencial.size();
    }
    RecordsetRef FilesTaula() const override { return rows; }
    RecordsetRef rows;
    static inline std::string shownTable;
    static inline size_t shownPairs = 0;
    static constexpr const char* kRows =
        "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882' xmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882' "
        "xmlns:rs='urn:schemas-microsoft-com:rowset' xmlns:z='#RowsetSchema'>"
        "<s:Schema id='RowsetSchema'><s:ElementType name='row' content='eltOnly'>"
        "<s:AttributeType name='Codi' rs:number='1'><s:datatype dt:type='string' dt:maxLength='20'/></s:AttributeType>"
        "</s:ElementType></s:Schema><rs:data><z:row Codi='NOU'/></rs:data></xml>";
};

struct ComboProva final : velmar::LookupCombo {
    RecordsetRef rows;
    std::vector<std::string> calls;
    void SetRowSource(const RecordsetRef& rowSource) override {
        rows = rowSource;
        calls.push_back(EditorProva::alive ? "RowSource, editor open" : "RowSource");
    }
    void Refresh() override { calls.push_back(EditorProva::alive ? "Refresh, editor open" : "Refresh"); }
};

TEST(ObrirFormulariAuxiliar, GivesTheComboTheRowsTheEditorHeldAndEndsTheEditor) {
    const auto previous = velmar::RegisterLookupTableEditor([] { return std::make_unique<EditorProva>(); });
    clsFuncionsCapaInterficie f;
    ComboProva combo;
    f.ObrirFormulariAuxiliar(combo, "TTE_ElementCodi", "NumElementCodi", "CodElementCodi",
                             "T_EscomesaElements, NumElementCodi", "NumElementTipus", 3);
    velmar::RegisterLookupTableEditor(previous);

    EXPECT_EQ(f.NumError, 0);
    EXPECT_EQ(EditorProva::shownTable, "TTE_ElementCodi");
    EXPECT_EQ(EditorProva::shownPairs, 1u);
    EXPECT_EQ(combo.calls, (std::vector<std::string>{"RowSource, editor open", "Refresh"}));
    ASSERT_TRUE(combo.rows);
    combo.rows->MoveFirst();
    EXPECT_EQ(combo.rows->Value("Codi").toString(), "NOU");
}

// The window the button stands in: its text box is bound to its record.
class DataWindow final : public com::Dispatch<DataWindow>, public velmar::BindingWindow {
public:
    static constexpr const char* kClassName = "frmProva";
    static const com::Members<DataWindow>& Interface() {
        static const com::Members<DataWindow> members = com::Members<DataWindow>().property(
            "rstRecordsetActual", [](DataWindow& f) { return com::Variant(std::make_shared<velmar::BindingSource>(f.actual)); });
        return members;
    }
    QWidget* widget() const override { return const_cast<QWidget*>(&form); }

    QWidget form;
    QLineEdit* codi = new QLineEdit(&form);
    RecordsetRef actual = std::make_shared<ado::Recordset>(ado::Recordset::FromXml(EditorProva::kRows));
};

TEST(ObrirFormulariAuxiliar, TheActiveWindowIsUnboundWhileTheComboTakesTheRows) {
    const auto previous = velmar::RegisterLookupTableEditor([] { return std::make_unique<EditorProva>(); });
    auto finestra = std::make_shared<DataWindow>();
    finestra->codi->setProperty("DataField", "Codi");
    velmar::MakeWindowKnown(&finestra->form, finestra);
    finestra->form.show();
    QApplication::setActiveWindow(&finestra->form);
    ASSERT_EQ(QApplication::activeWindow(), &finestra->form);
    clsFuncionsCapaInterficie f;
    f.LinkControls(finestra);
    ASSERT_TRUE(velmar::binding::DataSource(finestra->codi));

    struct Combo final : velmar::LookupCombo {
        QLineEdit* codi;
        bool boundMeanwhile = true;
        void SetRowSource(const RecordsetRef&) override { boundMeanwhile = velmar::binding::DataSource(codi) != nullptr; }
        void Refresh() override {}
    } combo;
    combo.codi = finestra->codi;
    f.ObrirFormulariAuxiliar(combo, "TTS_SuportTipus", "NumSuportTipus", "CodSuportTipus", "", "", 0);
    velmar::RegisterLookupTableEditor(previous);

    EXPECT_EQ(f.NumError, 0) << f.UbicacioError;
    EXPECT_FALSE(combo.boundMeanwhile);
    EXPECT_TRUE(velmar::binding::DataSource(finestra->codi)) << "bound again after the refresh";
}

TEST(ObrirFormulariAuxiliar, WithoutAnEditorFailsAndLeavesTheCombo) {
    const auto previous = velmar::RegisterLookupTableEditor({});
    clsFuncionsCapaInterficie f;
    ComboProva combo;
    f.ObrirFormulariAuxiliar(combo, "TTS_SuportTipus", "NumSuportTipus", "CodSuportTipus", "", "", 0);
    velmar::RegisterLookupTableEditor(previous);

    EXPECT_EQ(f.NumError, 429);
    EXPECT_EQ(f.UbicacioError, kEntry + "ObrirFormulariAuxiliar");
    EXPECT_TRUE(combo.calls.empty());
}

class FileDialog : public testing::Test {
protected:
    void answer(std::optional<std::string> path) {
        previous_ = velmar::dialogs::SetFileChoiceHandler([this, path](const velmar::dialogs::FileRequest& p) {
            asked = p;
            return path;
        });
    }
    void TearDown() override { velmar::dialogs::SetFileChoiceHandler(previous_); }
    velmar::dialogs::FileRequest asked;

private:
    velmar::dialogs::FileChoiceHandler previous_;
};

TEST_F(FileDialog, OpenReturnsTheChosenPath) {
    answer("/fotos/suport.jpg");
    clsFuncionsCapaInterficie f;
    EXPECT_EQ(f.EscullArxiu(), "/fotos/suport.jpg");
    EXPECT_EQ(f.NumError, 0);
    EXPECT_FALSE(asked.gravar);
    EXPECT_EQ(asked.filtre, "");
}

TEST_F(FileDialog, SaveOffersTheOneFilterOfItsExtension) {
    answer("/arbres/escomesa.bmp");
    clsFuncionsCapaInterficie f;
    EXPECT_EQ(f.EscullArxiuGravar("bmp"), "/arbres/escomesa.bmp");
    EXPECT_TRUE(asked.gravar);
    EXPECT_EQ(asked.extensio, "bmp");
    EXPECT_EQ(asked.filtre, "*.bmp");
}

TEST_F(FileDialog, CancelReturnsEmptyWithTheCancelError) {
    answer(std::nullopt);
    clsFuncionsCapaInterficie f;
    EXPECT_EQ(f.EscullArxiu(), "");
    EXPECT_EQ(f.NumError, 32755);
    EXPECT_EQ(f.UbicacioError, kEntry + "EscullArxiu");
    EXPECT_EQ(f.EscullArxiuGravar("bmp"), "");
    EXPECT_EQ(f.UbicacioError, kEntry + "EscullArxiuGravar");
}

TEST(TextRoutines, LlistaCodisAscii) {
    EXPECT_EQ(clsFuncionsCapaInterficie::LlistaCodisAscii("Hi"), " 72, 105");
    EXPECT_EQ(clsFuncionsCapaInterficie::LlistaCodisAscii("ç"), " 231");
    EXPECT_THROW(clsFuncionsCapaInterficie::LlistaCodisAscii(""), com::ComError);
}

TEST(TextRoutines, SimpliXMLCutsEveryRowAfterTheData) {
    const std::string longRow = "<z:row " + std::string(80, 'a') + "='1'/>";
    const std::string text = "<s:Schema><z:row keep='whole schema part'/></s:Schema><rs:data>\n" + longRow +
                             "\n<z:row b='2'/>\n</rs:data></xml>";
    EXPECT_EQ(clsFuncionsCapaInterficie::SimpliXML(text),
              "<s:Schema><z:row keep='whole schema part'/></s:Schema><rs:data>\n" + longRow.substr(0, 61) +
                  "\n<z:row b='2'/>\n</rs:data></xml>");
    EXPECT_THROW(clsFuncionsCapaInterficie::SimpliXML("<xml/>"), com::ComError);
}

}  // namespace
