// The element tree of a connection on the sample database: the tree
// window over the connection window's rows, the property dialog's rules,
// the save of new elements with temporary numbers (on each engine), a save
// that fails, the picture of the tree, and the lookup-table editor behind
// the dialog's buttons.
#include <QImage>
#include <QTest>
#include <filesystem>

#include "TestLookupTableEditor.h"
#include "Com/Registry.h"
#include "EscomesesFixture.h"
#include "connections/frmExportEsquema.h"
#include "core/services/LookupTableEditor.h"
#include "support/TestDatabase.h"

namespace {

using velmar::frmElementsProp;
using velmar::frmEscomesaElem;
using velmar::frmEscomeses;

// The required fields of a new connection, filled as E-01 has them.
const char* const kObligatoris[] = {"cmbCarrer",      "cmbInstallacio",   "cmbComptatge", "cmbTensio",
                                    "cmbSeccio",      "cmbFusibles",      "cmbICP",       "cmbSistemaEncesa",
                                    "cmbTipusArmari", "cmbUbicacioArmari"};

class Arbre : public EscomesesFixture {
protected:
    using EscomesesFixture::EscomesesFixture;

    // The element rows of the connection window, as numbers and parents.
    static std::vector<std::pair<int32_t, int32_t>> Files(frmEscomeses& w) {
        std::vector<std::pair<int32_t, int32_t>> files;
        const ado::Recordset& rows = *w.TableByName("rstRecordsetElements")->Ref();
        const auto nums = rows.ColumnValues(rows.FieldIndex("NumElement"));
        const auto origens = rows.ColumnValues(rows.FieldIndex("ElementOrigen"));
        for (size_t i = 0; i < nums.size(); ++i) files.emplace_back(nums[i].toLong(), origens[i].toLong());
        return files;
    }
    static QImage Imatge(const std::string& path) { return QImage(QString::fromStdString(path), "BMP"); }
    // A new connection `codi` with the required fields as the one shown
    // has them.
    static void Nova(frmEscomeses& w, const char* codi) {
        std::map<std::string, QString> shown;
        for (const char* combo : kObligatoris) shown[combo] = Combo(w, combo)->currentText();
        Click(w, "cmdNou");
        Text(w, "txtCodi")->setText(QString::fromUtf8(codi));
        for (const char* combo : kObligatoris) Tria(w, combo, shown[combo].toUtf8().constData());
    }
};

class ArbreMotors : public Arbre, public testing::WithParamInterface<testsupport::Engine> {
protected:
    ArbreMotors() : Arbre(GetParam()) {}
};

TEST_P(ArbreMotors, ANewConnectionIsSavedWithItsNewElementsUnderTheirRealParentsAndItsPicture) {
    frmEscomeses w(306);
    Nova(w, "E-04 d'Alt");

    ObreArbre(w, [&](frmEscomesaElem& element_tree) {
        EXPECT_EQ(element_tree.findChild<QLineEdit*>("txtEscomesa")->text(), "-C-001-");
        AfegeixElement(element_tree, nullptr, {.tipus = "Interruptor general", .codi = "IG", .valor = "4x63 A"});
        AfegeixElement(element_tree, "Interruptor general", {.tipus = "Diferencial", .codi = "DF1", .valor = "4x40 A 300 mA"});
        AfegeixElement(element_tree, "Diferencial", {.tipus = "Magnetotèrmic", .codi = "MT1", .valor = "4x16 A"});
        EXPECT_EQ(Nodes(element_tree),
                  (std::vector<std::string>{"Service connection ", "  Interruptor general IG 4x63 A",
                                            "    Diferencial DF1 4x40 A 300 mA", "      Magnetotèrmic MT1 4x16 A"}));
        Click(element_tree, "cmdSortir");
    });
    EXPECT_EQ(Files(w), (std::vector<std::pair<int32_t, int32_t>>{{-1, 0}, {-2, -1}, {-3, -2}}));
    EXPECT_EQ(Items(Control<QTreeWidget>(w, "lstElementsProteccio"), 1),
              (std::vector<std::string>{"IG", "DF1", "MT1"}));
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();

    const std::string numero = Valor("SELECT NumEscomesa FROM T_Escomesa WHERE CodEscomesa = 'E-04 d''Alt'");
    const std::string esquema = "Elements" + numero + ".bmp";
    EXPECT_EQ(ArbreDesat(std::stoi(numero)),
              (std::map<std::string, std::string>{{"IG", "-"}, {"DF1", "IG"}, {"MT1", "DF1"}}));
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T_EscomesaElements WHERE ElementOrigen < 0 OR NumElement < 0 OR "
                    "NumEscomesa < 0"),
              "0");
    // Shown, found by its key, with the picture's name in its own row.
    EXPECT_EQ(Text(w, "txtCodi")->text(), "E-04 d'Alt");
    EXPECT_EQ(Valor("SELECT FotoEsquema FROM T_Escomesa WHERE NumEscomesa = " + numero), esquema);
    EXPECT_EQ(Text(w, "txtEsquemaProteccion")->text().toStdString(), esquema);
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T_Escomesa WHERE FotoEsquema = '" + esquema + "'"), "1");
    const QImage picture = Imatge(imatges.file(esquema));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.width(), velmar::frmExportEsquema::kAmplada);
    // The tree window is gone, the record browsed, nothing left pending.
    EXPECT_EQ(w.FormulariElements(), nullptr);
    EXPECT_TRUE(Control(w, "cmdNou")->isVisibleTo(&w));
    EXPECT_TRUE(NoOpenTransaction());
    EXPECT_EQ(Control<QTreeWidget>(w, "lstElementsProteccio")->topLevelItemCount(), 3);
}

INSTANTIATE_TEST_SUITE_P(Engines, ArbreMotors, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

TEST_F(Arbre, TheTreeShowsEachElementUnderItsParentKeyedByItsNumber) {
    // A row whose parent is no element of the connection is not shown.
    sessio.execute(
        "INSERT INTO T_EscomesaElements (NumEscomesa, ElementOrigen, NumElementTipus, NumElementCodi, "
        "NumElementValor) VALUES (1, 999, 4, 7, 7)");
    frmEscomeses w(306);
    Click(w, "cmdEditarProteccio");
    EXPECT_EQ(modals, 0) << "not while browsing";
    Click(w, "cmdEditar");
    ObreArbre(w, [&](frmEscomesaElem& element_tree) {
        EXPECT_EQ(element_tree.findChild<QLineEdit*>("txtEscomesa")->text(), " 1-C-001-12");
        EXPECT_EQ(Nodes(element_tree), (std::vector<std::string>{
                                    "Service connection  1", "  Interruptor general IG 4x63 A",
                                    "    Diferencial DF1 4x40 A 300 mA", "      Magnetotèrmic MT1 4x16 A",
                                    "        Sortida L1 Sortida 1", "      Magnetotèrmic MT2 4x16 A",
                                    "        Sortida L2 Sortida 2", "    Rellotge astronòmic RA Programació anual"}));
        QTreeWidgetItem* arrel = element_tree.trvElements->topLevelItem(0);
        EXPECT_EQ(arrel->data(0, Qt::UserRole).toString(), "Clau0");
        EXPECT_EQ(arrel->child(0)->data(0, Qt::UserRole).toString(), "Clau1");
        EXPECT_EQ(arrel->child(0)->child(1)->data(0, Qt::UserRole).toString(), "Clau7");
        EXPECT_EQ(element_tree.trvElements->currentItem(), arrel);
        EXPECT_TRUE(element_tree.objMarcadorRegistreActual.isNull());

        // Editing or deleting needs an element selected.
        Click(element_tree, "cmdEditar");
        Click(element_tree, "cmdEliminar");
        EXPECT_EQ(sessio.shown, std::vector<std::string>(2, Message("frmEscomesaElem", "valNoRegistreSeleccionat")));
        sessio.shown.clear();

        // An element that cable segments leave, or one above it, stays.
        Selecciona(element_tree, "Diferencial");
        Click(element_tree, "cmdEliminar");
        EXPECT_EQ(sessio.shown, std::vector<std::string>{Message("frmEscomesaElem", "valReferenciatT_Tram")});
        sessio.shown.clear();

        // Once they leave another connection's line, it goes with
        // everything below it.
        sessio.execute("UPDATE T_Tram SET NumElement = 11 WHERE NumElement IN (5, 6)");
        Selecciona(element_tree, "Diferencial");
        Click(element_tree, "cmdEliminar");
        EXPECT_EQ(Nodes(element_tree), (std::vector<std::string>{"Service connection  1", "  Interruptor general IG 4x63 A",
                                                          "    Rellotge astronòmic RA Programació anual"}));
        EXPECT_EQ(element_tree.trvElements->currentItem(), element_tree.trvElements->topLevelItem(0));
        Click(element_tree, "cmdSortir");
    });
    // Shown again, the same window with its edits; always modal.
    ObreArbre(w, [&](frmEscomesaElem& element_tree) {
        EXPECT_EQ(Nodes(element_tree).size(), 3u);
        Click(element_tree, "cmdSortir");
    });
    EXPECT_EQ(modals, 2);
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(ArbreDesat(1), (std::map<std::string, std::string>{{"IG", "-"}, {"RA", "IG"}, {"KM1", "?999"}}));
    EXPECT_EQ(Valor("SELECT FotoEsquema FROM T_Escomesa WHERE NumEscomesa = 1"), "Elements1.bmp");
}

// A connection saved into a zone other than the one chosen, new with its
// tree or moved by an edit, is stored there whole; the window goes back to
// the zone still chosen.
TEST_F(Arbre, AConnectionPutInAnotherZoneIsSavedThereWithItsTree) {
    frmEscomeses w(306);
    Nova(w, "E-05");
    Tria(w, "cmbZona", "Z-03");
    ObreArbre(w, [&](frmEscomesaElem& element_tree) {
        AfegeixElement(element_tree, nullptr, {.tipus = "Interruptor general", .codi = "IG", .valor = "4x63 A"});
        Click(element_tree, "cmdSortir");
    });
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();

    const std::string numero = Valor("SELECT NumEscomesa FROM T_Escomesa WHERE CodEscomesa = 'E-05'");
    EXPECT_EQ(Valor("SELECT NumZona FROM T_Escomesa WHERE NumEscomesa = " + numero), "3");
    EXPECT_EQ(ArbreDesat(std::stoi(numero)), (std::map<std::string, std::string>{{"IG", "-"}}));
    EXPECT_EQ(Valor("SELECT FotoEsquema FROM T_Escomesa WHERE NumEscomesa = " + numero), "Elements" + numero + ".bmp");
    EXPECT_EQ(Text(w, "txtCodi")->text(), "E-01");
    EXPECT_EQ(Text(w, "txtNumeroRegistre")->text(), "Service connection 1 of 2");

    Click(w, "cmdEditar");
    Tria(w, "cmbZona", "Z-02");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Valor("SELECT NumZona FROM T_Escomesa WHERE CodEscomesa = 'E-01'"), "2");
    EXPECT_EQ(Text(w, "txtCodi")->text(), "E-03");
    EXPECT_EQ(Text(w, "txtNumeroRegistre")->text(), "Service connection 1 of 1");
    EXPECT_TRUE(NoOpenTransaction());

    TriaZona(w, "Z-03");
    EXPECT_EQ(Text(w, "txtCodi")->text(), "E-05");
    EXPECT_EQ(Control<QTreeWidget>(w, "lstElementsProteccio")->topLevelItemCount(), 1);
}

TEST_F(Arbre, AnExistingElementMovedUnderANewOneIsSavedUnderItsKey) {
    frmEscomeses w(306);
    Click(w, "cmdEditar");
    ObreArbre(w, [&](frmEscomesaElem& element_tree) {
        AfegeixElement(element_tree, "Interruptor general", {.tipus = "Contactor", .codi = "KM1", .valor = "4x25 A"});
        Selecciona(element_tree, "Magnetotèrmic MT2");
        steps.push_back([](QWidget* window) {
            auto& dialeg = dynamic_cast<frmElementsProp&>(*window);
            Fill(dialeg, {.origen = "KM1"});
            Click(dialeg, "cmdAcceptar");
        });
        Click(element_tree, "cmdEditar");
        EXPECT_EQ(asked, std::vector<std::string>{Message("frmElementsProp", "valGuardarCanvis")});
        Click(element_tree, "cmdSortir");
    });
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(ArbreDesat(1), (std::map<std::string, std::string>{{"IG", "-"},
                                                                 {"DF1", "IG"},
                                                                 {"MT1", "DF1"},
                                                                 {"MT2", "KM1"},
                                                                 {"KM1", "IG"},
                                                                 {"L1", "MT1"},
                                                                 {"L2", "MT2"},
                                                                 {"RA", "IG"}}));
}

TEST_F(Arbre, ThePropertyDialogRefusesAParentThatWouldBreakTheTree) {
    frmEscomeses w(306);
    Click(w, "cmdEditar");
    struct Cas {
        const char* element;
        Propietats canvi;
        const char* code;
    };
    const std::vector<Cas> cases = {
        {"Interruptor general", {.origen = "MT1"}, "valOrigenDescendent"},
        {"Diferencial", {.origen = "L2"}, "valOrigenDescendent"},
        {"Diferencial", {.origen = "DF1"}, "valNoOrigenEllMateix"},
        {"Magnetotèrmic MT2", {.codi = "MT1"}, "valCodiElementRepetits"},
        {"Magnetotèrmic MT2", {.origen = "KM1"}, "valNoExisteixOrigen"},
    };
    ObreArbre(w, [&](frmEscomesaElem& element_tree) {
        for (const Cas& c : cases) {
            Selecciona(element_tree, c.element);
            sessio.shown.clear();
            steps.push_back([&](QWidget* window) {
                auto& dialeg = dynamic_cast<frmElementsProp&>(*window);
                Fill(dialeg, c.canvi);
                Click(dialeg, "cmdAcceptar");
                EXPECT_EQ(sessio.shown, std::vector<std::string>{Message("frmElementsProp", c.code)}) << c.code;
                Click(dialeg, "cmdCancellar");
            });
            Click(element_tree, "cmdEditar");
        }
        Click(element_tree, "cmdSortir");
    });
    // Nothing changed.
    Click(w, "cmdSortirEdicio");
    EXPECT_EQ(
        ArbreDesat(1),
        (std::map<std::string, std::string>{
            {"IG", "-"}, {"DF1", "IG"}, {"MT1", "DF1"}, {"MT2", "DF1"}, {"L1", "MT1"}, {"L2", "MT2"}, {"RA", "IG"}}));
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T_EscomesaElements WHERE NumEscomesa = 1 AND Observacions IS NOT NULL"), "3");
}

TEST_F(Arbre, TheDialogKeepsOnlyWhatIsAcceptedAndClosingItIsCancel) {
    frmEscomeses w(306);
    Click(w, "cmdEditar");
    const auto valors = [&w] {
        const ado::Recordset& rows = *w.TableByName("rstRecordsetElements")->Ref();
        std::string text;
        for (const char* field :
             {"NumElementTipus", "NumElementCodi", "ElementOrigen", "NumElementValor", "Observacions"}) {
            const com::Variant v = rows.Value(field);
            text += (v.isNull() ? "-" : v.toString()) + " ";
        }
        return text;
    };
    ObreArbre(w, [&](frmEscomesaElem& element_tree) {
        Selecciona(element_tree, "Magnetotèrmic MT1");
        const std::string abans = valors();
        const auto edita = [&](Propietats canvi, const char* boto, bool resposta) {
            asked.clear();
            answer = resposta;
            steps.push_back([canvi, boto](QWidget* window) {
                auto& dialeg = dynamic_cast<frmElementsProp&>(*window);
                Fill(dialeg, canvi);
                if (boto)
                    Click(dialeg, boto);
                else
                    dialeg.close();
            });
            Click(element_tree, "cmdEditar");
            Selecciona(element_tree, "Magnetotèrmic MT1");
        };
        // Accept without a change asks nothing.
        edita({}, "cmdAcceptar", true);
        EXPECT_TRUE(asked.empty());
        EXPECT_EQ(valors(), abans);
        // No, Cancel and closing put back what the element had.
        edita({.tipus = "Contactor", .valor = "4x25 A", .observacions = "Canviat"}, "cmdAcceptar", false);
        EXPECT_EQ(asked.size(), 1u);
        EXPECT_EQ(valors(), abans);
        edita({.tipus = "Contactor", .observacions = "Canviat"}, "cmdCancellar", true);
        EXPECT_EQ(valors(), abans);
        edita({.tipus = "Contactor", .observacions = "Canviat"}, nullptr, true);
        EXPECT_EQ(valors(), abans);
        EXPECT_TRUE(asked.empty());
        // Yes keeps the change.
        edita({.observacions = "Canviat"}, "cmdAcceptar", true);
        EXPECT_EQ(asked.size(), 1u);
        EXPECT_NE(valors(), abans);

        // A new element closed, as cancelled, leaves no row, and its number
        // is not given again.
        const size_t files = Files(w).size();
        steps.push_back([](QWidget* window) { window->close(); });
        Click(element_tree, "cmdNou");
        EXPECT_EQ(Files(w).size(), files);
        AfegeixElement(element_tree, nullptr, {.tipus = "Contactor", .codi = "KM1", .valor = "4x25 A"});
        EXPECT_EQ(Files(w).back().first, -2);
        Click(element_tree, "cmdSortir");
    });
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
}

TEST_F(Arbre, ANewElementIsAskedForItsCodeAndClosingItWhileTypingIsAQuietCancel) {
    frmEscomeses w(306);
    Click(w, "cmdEditar");
    const auto files = [&w] { return w.TableByName("rstRecordsetElements")->Ref()->RecordCount(); };
    ObreArbre(w, [&](frmEscomesaElem& element_tree) {
        const int32_t abans = files();
        const std::vector<std::string> nodes = Nodes(element_tree);
        steps.push_back([&](QWidget* window) {
            auto& dialeg = dynamic_cast<frmElementsProp&>(*window);
            Fill(dialeg, {.tipus = "Contactor", .valor = "4x25 A"});
            Click(dialeg, "cmdAcceptar");
            EXPECT_EQ(sessio.shown, std::vector<std::string>{Message("frmElementsProp", "valCodiBuit")});
            EXPECT_EQ(files(), abans + 1) << "still open on its row";

            // The user types in a combo and closes the dialog from its
            // title bar: the combo loses the focus as the row goes.
            sessio.shown.clear();
            dialeg.show();
            dialeg.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&dialeg));
            Combo(dialeg, "cmbCodi")->setFocus();
            QTest::keyClicks(Combo(dialeg, "cmbCodi"), "KM");
            ASSERT_TRUE(Combo(dialeg, "cmbCodi")->hasFocus());
            dialeg.close();
        });
        Click(element_tree, "cmdNou");
        EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
        EXPECT_EQ(files(), abans);
        EXPECT_EQ(Nodes(element_tree), nodes);
        Click(element_tree, "cmdSortir");
    });
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
}

TEST_F(Arbre, AFailedSaveLeavesDatabaseAndWindowAsTheyWereForAnotherTry) {
    frmEscomeses w(306);
    Click(w, "cmdEditar");
    Text(w, "txtObservacions")->setText("Revisat");
    ObreArbre(w, [&](frmEscomesaElem& element_tree) {
        AfegeixElement(element_tree, "Interruptor general", {.tipus = "Contactor", .codi = "KM1", .valor = "4x25 A"});
        Click(element_tree, "cmdSortir");
    });
    // The connection is sent first; its elements cannot be.
    sessio.execute("ALTER TABLE T_EscomesaElements RENAME TO T_EscomesaElementsApart");
    Click(w, "cmdSortirEdicio");
    sessio.execute("ALTER TABLE T_EscomesaElementsApart RENAME TO T_EscomesaElements");
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_TRUE(
        sessio.shown.front().ends_with("\rVelmar(exe) - frmEscomeses - GravaElementsBD"
                                       "\rVelmar(exe) - frmEscomeses - SortirEdicio)"))
        << sessio.shown.front();
    EXPECT_EQ(Valor("SELECT Observacions FROM T_Escomesa WHERE NumEscomesa = 1"), "Quadre renovat el 2016");
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T_EscomesaElements WHERE NumEscomesa = 1"), "7");
    EXPECT_TRUE(NoOpenTransaction());
    // Still editing, with every edit and the temporary number kept.
    EXPECT_TRUE(Control(w, "cmdSortirEdicio")->isVisibleTo(&w));
    EXPECT_EQ(Text(w, "txtObservacions")->text(), "Revisat");
    EXPECT_EQ(Files(w).back(), (std::pair<int32_t, int32_t>{-1, 1}));
    ASSERT_NE(w.FormulariElements(), nullptr);
    EXPECT_EQ(w.FormulariElements()->trvElements->topLevelItem(0)->text(0), "Service connection  1");

    sessio.shown.clear();
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Valor("SELECT Observacions FROM T_Escomesa WHERE NumEscomesa = 1"), "Revisat");
    EXPECT_EQ(ArbreDesat(1).at("KM1"), "IG");
}

TEST_F(Arbre, AnExportThatFailsInTheSaveRollsItBack) {
    velmar::clsFuncionsCapaInterficie f;
    testsupport::ScopedFile ini(f.RutaArxiuIni(), Settings(imatges.file("no-hi-es")));
    const std::string esquema = Valor("SELECT FotoEsquema FROM T_Escomesa WHERE NumEscomesa = 1");
    frmEscomeses w(306);
    Click(w, "cmdEditar");
    ObreArbre(w, [&](frmEscomesaElem& element_tree) {
        AfegeixElement(element_tree, nullptr, {.tipus = "Contactor", .codi = "KM1", .valor = "4x25 A"});
        Click(element_tree, "cmdSortir");
    });
    Click(w, "cmdSortirEdicio");
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_TRUE(
        sessio.shown.front().ends_with(" (Velmar(exe) - frmExportEsquema - GravarEsquema"
                                       "\rVelmar(exe) - frmEscomeses - ExportaEsquema"
                                       "\rVelmar(exe) - frmEscomeses - DesaEsquema"
                                       "\rVelmar(exe) - frmEscomeses - SortirEdicio)"))
        << sessio.shown.front();
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T_EscomesaElements WHERE NumEscomesa = 1"), "7");
    EXPECT_EQ(Valor("SELECT FotoEsquema FROM T_Escomesa WHERE NumEscomesa = 1"), esquema);
    EXPECT_TRUE(NoOpenTransaction());
    EXPECT_EQ(Files(w).back().first, -1);
}

TEST_F(Arbre, UndoDropsTheElementEditsAndClosesTheTree) {
    frmEscomeses w(306);
    Click(w, "cmdEditar");
    ObreArbre(w, [&](frmEscomesaElem& element_tree) {
        AfegeixElement(element_tree, nullptr, {.tipus = "Contactor", .codi = "KM1", .valor = "4x25 A"});
        Click(element_tree, "cmdSortir");
    });
    EXPECT_EQ(Control<QTreeWidget>(w, "lstElementsProteccio")->topLevelItemCount(), 8);
    Click(w, "cmdDesferCanvis");
    EXPECT_EQ(w.FormulariElements(), nullptr);
    EXPECT_EQ(Control<QTreeWidget>(w, "lstElementsProteccio")->topLevelItemCount(), 7);
    EXPECT_EQ(Files(w).size(), 7u);
    EXPECT_TRUE(Control(w, "cmdNou")->isVisibleTo(&w));
}

TEST_F(Arbre, TheUsersExportIsABitmapOfFixedWidthAsTallAsItsNodes) {
    frmEscomeses w(306);
    Click(w, "cmdNou");
    const std::string path = imatges.file("arbre.bmp");
    ObreArbre(w, [&](frmEscomesaElem& element_tree) {
        // Cancelled, nothing.
        Click(element_tree, "cmdExportar");
        EXPECT_TRUE(sessio.shown.empty());
        ASSERT_EQ(files.size(), 1u);
        EXPECT_TRUE(files.front().gravar);
        EXPECT_EQ(files.front().filtre, "*.bmp");

        chosen = path;
        Click(element_tree, "cmdExportar");
        EXPECT_EQ(sessio.shown, std::vector<std::string>{Message("frmEscomesaElem", "valExportacioAcabada")});
        const QImage una = Imatge(path);
        ASSERT_FALSE(una.isNull());
        EXPECT_EQ(una.width(), velmar::frmExportEsquema::kAmplada);

        AfegeixElement(element_tree, nullptr, {.tipus = "Interruptor general", .codi = "IG", .valor = "4x63 A"});
        AfegeixElement(element_tree, "Interruptor general", {.tipus = "Diferencial", .codi = "DF1", .valor = "4x40 A 300 mA"});
        // A file that is there is overwritten only when the user says so.
        answer = false;
        Click(element_tree, "cmdExportar");
        EXPECT_EQ(asked, std::vector<std::string>{Message("frmEscomesaElem", "valSobreescriureArxiu")});
        EXPECT_EQ(Imatge(path).height(), una.height());
        answer = true;
        Click(element_tree, "cmdExportar");
        const QImage tres = Imatge(path);
        EXPECT_EQ(tres.width(), una.width());
        EXPECT_GT(tres.height(), una.height());

        // A folder that is not there: the error, and no file.
        sessio.shown.clear();
        chosen = imatges.file("no-hi-es/arbre.bmp");
        Click(element_tree, "cmdExportar");
        ASSERT_EQ(sessio.shown.size(), 1u);
        EXPECT_TRUE(
            sessio.shown.front().ends_with("\rVelmar(exe) - frmEscomeses - ExportaEsquema"
                                           "\rVelmar(exe) - frmEscomesaElem - ExportaEsquemaUsuari)"))
            << sessio.shown.front();
        EXPECT_FALSE(std::filesystem::exists(*chosen));
        Click(element_tree, "cmdSortir");
    });
}

// The lookup-table editor as the administration windows register it: it
// adds an element code, as a user would, and closes.
struct EditorCodis final : TestLookupTableEditor {
    explicit EditorCodis(SessionFixture& sessio) : sessio(sessio) {}
    void ShowModal() override {
        sessio.execute("INSERT INTO TTE_ElementCodi (CodElementCodi, NumElementTipus) VALUES ('KM9', 4)");
        filtre = strNomCampFiltre + "=" + std::to_string(lngValorCampFiltre);
        LlegeixFiles("Brintel.SvrEscomeses");
    }
    SessionFixture& sessio;
    static inline std::string filtre;
};

TEST_F(Arbre, ACodeAddedInTheLookupEditorShowsInTheWindowsLists) {
    const auto previous =
        velmar::RegisterLookupTableEditor([this] { return std::make_unique<EditorCodis>(sessio); });
    frmEscomeses w(306);
    Click(w, "cmdEditar");
    ObreArbre(w, [&](frmEscomesaElem& element_tree) {
        steps.push_back([&](QWidget* window) {
            auto& dialeg = dynamic_cast<frmElementsProp&>(*window);
            Tria(dialeg, "cmbTipus", "Contactor");
            Click(dialeg, "cmdCodi");
            EXPECT_EQ(EditorCodis::filtre, "NumElementTipus=4");
            auto* origen = Control<QComboBox>(dialeg, "cmbOrigen");
            EXPECT_GE(origen->findText("KM9"), 0);
            Fill(dialeg, {.codi = "KM9", .valor = "4x25 A"});
            Click(dialeg, "cmdAcceptar");
        });
        Click(element_tree, "cmdNou");
        EXPECT_EQ(Nodes(element_tree).back(), "  Contactor KM9 4x25 A");
        Click(element_tree, "cmdSortir");
    });
    velmar::RegisterLookupTableEditor(previous);
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Items(Control<QTreeWidget>(w, "lstElementsProteccio"), 1).back(), "KM9");
}

}  // namespace
