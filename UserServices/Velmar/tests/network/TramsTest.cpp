// The cable-segment window on the sample database through its support
// object: project 306 with three connections (E-01 two segments, E-02
// three, E-03 none) and project 308 with none.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDate>
#include <QPushButton>
#include <QTest>

#include "DataComboTyping.h"
#include "TestLookupTableEditor.h"
#include "Ado/AdoError.h"
#include "Ado/Recordset.h"
#include "Com/Registry.h"
#include "core/controls/Locking.h"
#include "core/controls/DataCombo.h"
#include "core/services/LookupTableEditor.h"
#include "framework/WindowFixture.h"
#include "network/frmTrams.h"

namespace {

using velmar::frmTrams;

// A segment as the database holds it: each column as text, "" for Null.
using Fila = std::map<std::string, std::string>;

class Trams : public WindowFixture {
protected:
    // The segments of a connection, by code.
    static std::map<std::string, Fila> Desats(int32_t escomesa) {
        const com::ObjectRef service = com::CreateObject("Brintel.SvrTrams");
        ado::Recordset rows = ado::Recordset::FromXml(com::Call(service, "GetTrams", {escomesa}).toString());
        std::map<std::string, Fila> saved;
        if (rows.RecordCount() == 0) return saved;
        for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) {
            Fila fila;
            for (int32_t i = 0; i < rows.FieldCount(); ++i) {
                const com::Variant value = rows.Value(i);
                fila[rows.Field(i).name] = value.isNull() ? "" : value.toString();
            }
            saved[fila["CodTram"]] = fila;
        }
        return saved;
    }
    static std::string Counter(QWidget& w) { return Text(w, "txtNumeroRegistre")->text().toStdString(); }
    static std::string Codi(QWidget& w) { return Text(w, "txtCodi")->text().toStdString(); }
    static QComboBox* Combo(QWidget& w, const char* name) { return w.findChild<QComboBox*>(name); }
    static velmar::DataCombo* Data(QWidget& w, const char* name) { return w.findChild<velmar::DataCombo*>(name); }
    static QPushButton* CommandButton(QWidget& w, const char* name) { return w.findChild<QPushButton*>(name); }
    static void Escull(QWidget& w, const char* connection) {
        QComboBox* chooser = Combo(w, "cmbEscullEscomesa");
        chooser->setCurrentIndex(chooser->findText(connection));
    }
    static void Tria(QWidget& w, const char* name, const QString& text) { TypeAndLeave(Data(w, name), text); }
    static bool Editant(QWidget& w) {
        return CommandButton(w, "cmdSortirEdicio")->isVisibleTo(&w) && !CommandButton(w, "cmdNou")->isVisibleTo(&w) &&
               !Text(w, "txtCodi")->isReadOnly();
    }
    static std::string Avui(int dies) {
        return QDate::currentDate().addDays(dies).toString(Qt::ISODate).toStdString();
    }
};

TEST_F(Trams, OpensOnTheFirstConnectionOfItsOwnProjectAndShowsItsFirstSegment) {
    // The session's project moves on; the window keeps the one it was given.
    velmar::clsAndamiSistema::Instance().SetProjecte(307);
    frmTrams w(306);
    ASSERT_EQ(w.NumError, 0) << w.UbicacioError;
    EXPECT_EQ(w.windowTitle(), "Cable segments");
    QComboBox* chooser = Combo(w, "cmbEscullEscomesa");
    ASSERT_EQ(chooser->count(), 3);
    EXPECT_EQ(chooser->itemText(2), "E-03");
    EXPECT_EQ(Combo(w, "cmbEscomesa")->currentText(), "E-01");
    EXPECT_EQ(Counter(w), "Segment 1 of 2");
    EXPECT_EQ(Codi(w), "T-01.1");
    EXPECT_EQ(Data(w, "cmbLiniaSortida")->currentText(), "Sortida 1");
    EXPECT_EQ(Data(w, "cmbTipusCable")->currentText(), "RZ1-K (AS) 0,6/1 kV");
    EXPECT_EQ(Data(w, "cmbSeccioCable")->currentText(), "6 mm²");
    EXPECT_EQ(Data(w, "cmbSeccio")->currentText(), "2,5 mm²");
    // Dates as the user's language writes them.
    EXPECT_EQ(Text(w, "txtDataInstalacio")->text(), "20/05/2016");
    EXPECT_EQ(Text(w, "txtDataBaixaInventari")->text(), "");
    EXPECT_EQ(Vertexs(w).size(), 3u);

    // Browsing: everything locked, the chooser and the buttons free.
    EXPECT_TRUE(Text(w, "txtCodi")->isReadOnly());
    EXPECT_TRUE(velmar::IsLocked(Data(w, "cmbTipusCable")));
    EXPECT_FALSE(velmar::IsLocked(chooser));
    EXPECT_TRUE(Text(w, "txtNumeroRegistre")->isReadOnly());
    for (const char* name : {"cmdTipusCable", "cmdUbicacio", "cmdSeccioCable", "cmdSeccio", "cmdSituar"})
        EXPECT_FALSE(CommandButton(w, name)->isEnabled()) << name;
    for (const char* name : {"cmdPrincipi", "cmdEnrera", "cmdEndavant", "cmdFi", "cmdNou", "cmdEditar"})
        EXPECT_TRUE(CommandButton(w, name)->isEnabled()) << name;
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
}

TEST_F(Trams, InCatalaTheCounterAndTheDatesReadAsCatalanWritesThem) {
    velmar::clsAndamiSistema::Instance().SetIdioma(1);
    frmTrams w(306);
    EXPECT_EQ(Counter(w), "Tram 1 de 2");
    EXPECT_EQ(Text(w, "txtDataInstalacio")->text(), "20/5/2016");
    Click(w, "cmdEditar");
    Text(w, "txtDataBaixaInventari")->setText("3/4/2025");
    Click(w, "cmdSortirEdicio");
    EXPECT_EQ(Desats(1)["T-01.1"]["DataBaixa"], "2025-04-03T00:00:00");
}

TEST_F(Trams, SwitchingConnectionsShowsTheFirstSegmentOfEach) {
    frmTrams w(306);
    Escull(w, "E-02");
    EXPECT_EQ(w.Escomesa(), 2);
    EXPECT_EQ(Combo(w, "cmbEscomesa")->currentText(), "E-02");
    EXPECT_EQ(Counter(w), "Segment 1 of 3");
    EXPECT_EQ(Codi(w), "T-02.1");
    Click(w, "cmdFi");
    EXPECT_EQ(Codi(w), "T-02.3");
    EXPECT_EQ(Data(w, "cmbLiniaSortida")->currentText(), "Sortida 2");

    Escull(w, "E-03");
    EXPECT_EQ(Counter(w), "Segment 0 of 0");
    EXPECT_EQ(Codi(w), "");
    EXPECT_TRUE(Vertexs(w).empty());
    Click(w, "cmdEditar");
    EXPECT_EQ(Mostrat(), "There is no segment to edit.");
    Click(w, "cmdEliminar");
    EXPECT_EQ(Mostrat(), "There is no segment to delete.");

    Escull(w, "E-01");
    EXPECT_EQ(Counter(w), "Segment 1 of 2");
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
}

TEST_F(Trams, AProjectWithoutConnectionsOpensOnNoSegmentsWithNothingToAddEditOrDelete) {
    frmTrams w(308);
    ASSERT_EQ(w.NumError, 0) << w.UbicacioError;
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Combo(w, "cmbEscullEscomesa")->count(), 0);
    EXPECT_EQ(Counter(w), "Segment 0 of 0");
    EXPECT_EQ(w.Escomesa(), 0);
    for (const char* name : {"cmdNou", "cmdEditar", "cmdEliminar", "cmdTipusCable", "cmdUbicacio", "cmdSeccioCable",
                             "cmdSeccio"})
        EXPECT_FALSE(CommandButton(w, name)->isEnabled()) << name;
    Click(w, "cmdFi");
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
}

TEST_F(Trams, EditingLocksTheChooserAndTheNavigationAndASaveShowsTheSavedSegment) {
    frmTrams w(306);
    Click(w, "cmdFi");
    Click(w, "cmdEditar");
    ASSERT_TRUE(Editant(w));
    EXPECT_TRUE(velmar::IsLocked(Combo(w, "cmbEscullEscomesa")));
    // Nor does the first letter of another connection pick it, which would
    // show that connection's segments and drop the edit.
    Text(w, "txtCodi")->setText("T-01.0");
    QTest::keyClicks(Combo(w, "cmbEscullEscomesa"), "E");
    EXPECT_EQ(Combo(w, "cmbEscullEscomesa")->currentText(), "E-01");
    EXPECT_EQ(Codi(w), "T-01.0");
    // The segment's connection is the chooser's: its echo takes no change.
    EXPECT_TRUE(velmar::IsLocked(Combo(w, "cmbEscomesa")));
    EXPECT_TRUE(Text(w, "txtNumeroRegistre")->isReadOnly());
    for (const char* name : {"cmdPrincipi", "cmdEnrera", "cmdEndavant", "cmdFi"})
        EXPECT_FALSE(CommandButton(w, name)->isEnabled()) << name;
    for (const char* name : {"cmdTipusCable", "cmdUbicacio", "cmdSeccioCable", "cmdSeccio", "cmdSituar"})
        EXPECT_TRUE(CommandButton(w, name)->isEnabled()) << name;

    // Its code now sorts first; the window, read again, stays on it.
    Text(w, "txtCodi")->setText("T-01.0");
    Tria(w, "cmbUbicacio", "Aeri");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_FALSE(Editant(w));
    EXPECT_EQ(Codi(w), "T-01.0");
    EXPECT_EQ(Counter(w), "Segment 1 of 2");
    EXPECT_EQ(Vertexs(w).size(), 2u);
    EXPECT_EQ(Desats(1)["T-01.0"]["NumTramUbicacio"], "3");
    EXPECT_TRUE(CommandButton(w, "cmdPrincipi")->isEnabled());
    EXPECT_FALSE(velmar::IsLocked(Combo(w, "cmbEscullEscomesa")));
}

TEST_F(Trams, ANewSegmentIsShownOnceSavedWhereverItsCodeSorts) {
    frmTrams w(306);
    Click(w, "cmdFi");
    Click(w, "cmdNou");
    ASSERT_TRUE(Editant(w));
    EXPECT_EQ(Codi(w), "");
    EXPECT_TRUE(Vertexs(w).empty());
    EXPECT_EQ(Counter(w), "Segment 2 of 2") << "the counter keeps its text";
    Text(w, "txtCodi")->setText("T-01.0");
    Tria(w, "cmbLiniaSortida", "Sortida 2");
    Tria(w, "cmbTipusCable", "RV-K 0,6/1 kV");
    Text(w, "txtDataInstalacio")->setText("1/2/2024");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Codi(w), "T-01.0");
    EXPECT_EQ(Counter(w), "Segment 1 of 3");
    Fila desat = Desats(1)["T-01.0"];
    EXPECT_EQ(desat["NumElement"], "6");
    EXPECT_EQ(desat["NumTipusCable"], "1");
    EXPECT_EQ(desat["DataInstalacio"], "2024-02-01T00:00:00");
    EXPECT_NE(desat["NumTram"], "");

    // Undo after a new row shows the first segment.
    Click(w, "cmdFi");
    Click(w, "cmdNou");
    Click(w, "cmdDesferCanvis");
    EXPECT_FALSE(Editant(w));
    EXPECT_EQ(Codi(w), "T-01.0");
    EXPECT_EQ(Counter(w), "Segment 1 of 3");
}

TEST_F(Trams, EachRuleOfASaveStopsItAndTheWindowStaysEditing) {
    frmTrams w(306);
    Click(w, "cmdFi");
    const struct {
        const char* control;
        const char* text;
        const char* message;
    } cases[] = {
        {"txtCodi", "", "The code and the output line must be filled in."},
        {"cmbLiniaSortida", "", "The code and the output line must be filled in."},
        // A refused value is named by its field.
        {"cmbLiniaSortida", "Sortida 9", "The value of \"Segment: Output line\" is not in its list."},
        {"cmbTipusCable", "Coaxial", "The value of \"Cable: Cable type\" is not in its list."},
        {"cmbUbicacio", "Submarí", "The value of \"Cable: Location\" is not in its list."},
        {"cmbSeccioCable", "7 mm²", "The value of \"Cable: Section\" is not in its list."},
        {"cmbSeccio", "7 mm²", "The value of \"Cable: Dual-level section\" is not in its list."},
        {"txtDataAltaInventari", "31/02/2023", "The date in \"Dates: Inventory entry\" is not valid."},
        {"txtDataBaixaInventari", "tomorrow", "The date in \"Dates: Inventory removal\" is not valid."},
        {"txtCodi", "T-01.1", "This service connection already has a segment with this code."},
    };
    for (const auto& c : cases) {
        Click(w, "cmdEditar");
        if (c.control[1] == 'x') Text(w, c.control)->setText(QString::fromUtf8(c.text));
        else Tria(w, c.control, QString::fromUtf8(c.text));
        Click(w, "cmdSortirEdicio");
        EXPECT_EQ(Mostrat(), c.message) << c.control << " " << c.text;
        EXPECT_TRUE(Editant(w)) << c.control;
        Click(w, "cmdDesferCanvis");
        EXPECT_EQ(Codi(w), "T-01.2") << "undone";
    }
    EXPECT_EQ(Desats(1)["T-01.2"]["DataAltaInventari"], "2023-02-14T00:00:00");

    // A code of another connection's segment is this connection's to use.
    Click(w, "cmdEditar");
    Text(w, "txtCodi")->setText("T-02.1");
    Click(w, "cmdSortirEdicio");
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Desats(1).count("T-02.1"), 1u);
}

TEST_F(Trams, AnEmptiedDataComboWritesNullAndOnlyWhileEditing) {
    frmTrams w(306);
    // Browsing, leaving a combo writes nothing.
    Tria(w, "cmbSeccio", "");
    EXPECT_EQ(w.rstRecordsetActual->Value("NumSeccio2N").toLong(), 2);
    Click(w, "cmdEditar");
    Tria(w, "cmbSeccio", "");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Desats(1)["T-01.1"]["NumSeccio2N"], "");
}

TEST_F(Trams, UndoPutsTheEditedSegmentBack) {
    frmTrams w(306);
    Click(w, "cmdEditar");
    Text(w, "txtObservacions")->setText("Revisat");
    Tria(w, "cmbTipusCable", "RV-K 0,6/1 kV");
    Click(w, "cmdDesferCanvis");
    EXPECT_FALSE(Editant(w));
    EXPECT_EQ(Text(w, "txtObservacions")->text(), "");
    EXPECT_EQ(Data(w, "cmbTipusCable")->currentText(), "RZ1-K (AS) 0,6/1 kV");
    EXPECT_EQ(Counter(w), "Segment 1 of 2");
}

TEST_F(Trams, ADeleteShowsTheSegmentBeforeAndOnlySegmentsNotYetInTheInventoryBeforeToday) {
    sessio.execute("UPDATE T_Tram SET DataAltaInventari = NULL WHERE NumElement IN (11, 13)");
    sessio.execute("UPDATE T_Tram SET DataAltaInventari = '" + Avui(1) + "T00:00:00' WHERE CodTram = 'T-01.2'");
    sessio.execute("UPDATE T_Tram SET DataAltaInventari = '" + Avui(0) + "T00:00:00' WHERE CodTram = 'T-01.1'");
    frmTrams w(306);
    Click(w, "cmdEliminar");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked.front(), "Delete this segment?");
    EXPECT_EQ(Codi(w), "T-01.2") << "the first gone, the new first";
    EXPECT_EQ(Counter(w), "Segment 1 of 1");
    Click(w, "cmdEliminar");
    EXPECT_EQ(Counter(w), "Segment 0 of 0");
    EXPECT_TRUE(Desats(1).empty());

    // Answering No leaves everything as it was.
    Escull(w, "E-02");
    answer = false;
    Click(w, "cmdFi");
    Click(w, "cmdEliminar");
    EXPECT_EQ(Counter(w), "Segment 3 of 3");
    answer = true;
    Click(w, "cmdEliminar");
    EXPECT_EQ(Codi(w), "T-02.2") << "the one before it";
    EXPECT_EQ(Counter(w), "Segment 2 of 2");
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Desats(2).size(), 2u);

    // Entered in the inventory yesterday: kept.
    sessio.execute("UPDATE T_Tram SET DataAltaInventari = '" + Avui(-1) + "T00:00:00' WHERE CodTram = 'T-02.2'");
    Escull(w, "E-01");
    Escull(w, "E-02");
    Click(w, "cmdFi");
    Click(w, "cmdEliminar");
    EXPECT_EQ(Mostrat(), "A segment entered in the inventory before today cannot be deleted.");
    EXPECT_EQ(Desats(2).size(), 2u);
}

TEST_F(Trams, AFailedDeleteLeavesTheSegmentShownAndNothingPending) {
    frmTrams w(306);
    Escull(w, "E-02");
    Click(w, "cmdFi");
    sessio.execute("ALTER TABLE T_Tram RENAME TO T_TramApart");
    Click(w, "cmdEliminar");
    EXPECT_NE(Mostrat().find("Velmar(exe) - frmTrams - Eliminar)"), std::string::npos);
    sessio.execute("ALTER TABLE T_TramApart RENAME TO T_Tram");
    EXPECT_EQ(Codi(w), "T-02.3");
    EXPECT_EQ(Counter(w), "Segment 3 of 3");
    // The next save sends no delete.
    Click(w, "cmdPrincipi");
    Click(w, "cmdEditar");
    Text(w, "txtObservacions")->setText("Revisat");
    Click(w, "cmdSortirEdicio");
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Desats(2).size(), 3u);
    EXPECT_EQ(Desats(2)["T-02.1"]["Observacions"], "Revisat");
}

// A delete of a segment another user deleted meanwhile is refused as a
// conflict; the window reads its segments again and no longer shows it.
TEST_F(Trams, ADeleteThatMeetsAnotherUsersDeleteShowsWhatIsStored) {
    sessio.execute("UPDATE T_Tram SET DataAltaInventari = NULL WHERE NumTram = 2");
    frmTrams w(306);
    Click(w, "cmdFi");
    ASSERT_EQ(Codi(w), "T-01.2");
    sessio.execute("DELETE FROM CapaTram WHERE NumTram = 2");
    sessio.execute("DELETE FROM T_Tram WHERE NumTram = 2");
    Click(w, "cmdEliminar");
    EXPECT_EQ(w.NumError, ado::err::UpdateConflict);
    EXPECT_NE(Mostrat().find("frmTrams - Eliminar)"), std::string::npos);
    EXPECT_EQ(Codi(w), "T-01.1");
    EXPECT_EQ(Counter(w), "Segment 1 of 1");
    EXPECT_FALSE(Editant(w));
    EXPECT_TRUE(CommandButton(w, "cmdEditar")->isEnabled());
}

TEST_F(Trams, AFailedChangeOfConnectionLeavesTheWindowOnTheOneItHoldsAndSavesThere) {
    frmTrams w(306);
    sessio.execute("ALTER TABLE T_EscomesaElements RENAME TO T_EscomesaElementsApart");
    Escull(w, "E-02");
    EXPECT_NE(Mostrat().find("frmTrams - FixaEscomesaAmbComboEscullEscomesa"
                             "\rVelmar(exe) - frmTrams - cmbEscullEscomesa_Click)"),
              std::string::npos);
    sessio.execute("ALTER TABLE T_EscomesaElementsApart RENAME TO T_EscomesaElements");
    EXPECT_EQ(Combo(w, "cmbEscullEscomesa")->currentText(), "E-01");
    EXPECT_EQ(Combo(w, "cmbEscomesa")->currentText(), "E-01");
    EXPECT_EQ(w.Escomesa(), 1);
    EXPECT_EQ(Codi(w), "T-01.1");
    EXPECT_EQ(Data(w, "cmbLiniaSortida")->currentText(), "Sortida 1");

    Click(w, "cmdEditar");
    Text(w, "txtObservacions")->setText("Revisat");
    Click(w, "cmdSortirEdicio");
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Desats(1)["T-01.1"]["Observacions"], "Revisat");
    EXPECT_EQ(Counter(w), "Segment 1 of 2");
}

// The lookup-table editor as the user leaves it: a section added, and the
// one the segment being edited had just chosen deleted.
struct EditorSeccions final : TestLookupTableEditor {
    static inline std::string table;
    static inline size_t pairs = 0;
    std::function<void(const std::string&)> execute;
    void ShowModal() override {
        table = strNomTaula;
        pairs = colIntegritatReferencial.size();
        execute("DELETE FROM TT_SeccioCable WHERE NumSeccioCable = 8");
        execute("INSERT INTO TT_SeccioCable (NumSeccioCable, CodSeccioCable) VALUES (9, '50 mm²')");
        LlegeixFiles("Brintel.SvrTrams");
    }
};

TEST_F(Trams, TheSectionsTheEditorLeavesReachEveryComboOverThemAndNoDeletedOneIsSaved) {
    const auto previous = velmar::RegisterLookupTableEditor([this] {
        auto editor = std::make_unique<EditorSeccions>();
        editor->execute = [this](const std::string& sql) { sessio.execute(sql); };
        return editor;
    });
    frmTrams w(306);
    Click(w, "cmdEditar");
    Tria(w, "cmbSeccio", "35 mm²");
    ASSERT_EQ(w.rstRecordsetActual->Value("NumSeccio2N").toLong(), 8);
    Click(w, "cmdSeccioCable");
    velmar::RegisterLookupTableEditor(previous);
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(EditorSeccions::table, "TT_SeccioCable");
    EXPECT_EQ(EditorSeccions::pairs, 3u);

    for (const char* name : {"cmbSeccioCable", "cmbSeccio"}) {
        velmar::DataCombo* combo = Data(w, name);
        EXPECT_NE(combo->findText("50 mm²"), -1) << name;
        EXPECT_EQ(combo->findText("35 mm²"), -1) << name;
    }
    // The section added is chosen in the combo whose button opened the
    // editor; the one deleted is gone from the other.
    EXPECT_EQ(Data(w, "cmbSeccioCable")->currentText(), "50 mm²");
    EXPECT_EQ(Data(w, "cmbSeccio")->currentText(), "");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Desats(1)["T-01.1"]["NumSeccioTram"], "9");
    EXPECT_EQ(Desats(1)["T-01.1"]["NumSeccio2N"], "");
}

}  // namespace
