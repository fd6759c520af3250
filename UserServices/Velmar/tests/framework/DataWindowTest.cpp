// The window framework on the sample database, through a window of the
// tests' own: the supports of light points, with the support makes edited
// beside them. Both tables are saved in one transaction; the controls are
// locked outside edit mode; the data combo writes only when it is left in
// edit mode; a failed delete leaves list and recordset in step.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <QFormLayout>
#include <QVBoxLayout>
#include <map>

#include "Ado/Recordset.h"
#include "Com/Registry.h"
#include "admin/frmClients.h"
#include "admin/frmManteniments.h"
#include "admin/frmUsuaris.h"
#include "admin/frmProjectes.h"
#include "core/controls/Locking.h"
#include "core/controls/PasswordBox.h"
#include "core/controls/DataCombo.h"
#include "framework/MaintenanceWindow.h"
#include "SaveChecks.h"
#include "framework/WindowFixture.h"

namespace {

using velmar::Rule;

std::function<std::vector<com::Variant>()> Table(const char* name, const char* order) {
    return [name, order] { return std::vector<com::Variant>{name, order}; };
}

// The declaration both windows of the tests share, under their own names.
velmar::DataWindow::Declaration Suports(std::string_view nom) {
    return {.nom = nom,
            .classeSuport = "SvrPuntsLlum",
            .recupera = "RecuperaSuports",
            .actual = {.llista = "GetListAuxiliar",
                       .arguments = Table("TSP_Suport", "CodSPSuport"),
                       .desa = "SaveTaulaAuxiliar"},
            .taules = {{.recordset = "rstRecordsetSuportColor",
                        .llista = "GetListAuxiliar",
                        .arguments = Table("TTS_SuportColor", "CodSuportColor")},
                       {.recordset = "rstRecordsetSuportMarca",
                        .llista = "GetListAuxiliar",
                        .arguments = Table("TTS_SuportMarca", "CodSuportMarca"),
                        .desa = "SaveTaulaAuxiliar"}},
            .controls = {velmar::TextField("lblCodi", "txtCodi", "CodSPSuport"),
                         velmar::TextField("lblModel", "txtModel", "SuportModel"),
                         velmar::CheckBoxField("chkPortella", "SuportPortella"),
                         velmar::DataComboField("lblColor", "cmbColor", "NumSuportColor", "rstRecordsetSuportColor",
                                               "CodSuportColor", "NumSuportColor"),
                         velmar::TextField("lblMarca", "txtMarca", "CodSuportMarca", "rstRecordsetSuportMarca")},
            .reglesDesa = {Rule::EmptyFields({"txtCodi"}, "valAlgunCampBuit"),
                           Rule::Repeated("CodSPSuport", "valRepetitCodi"),
                           Rule::Repeated("SuportModel", "valRepetitModel")}};
}

// A maintenance window with a list beside the record.
class frmProvaSuports final : public velmar::MaintenanceWindow {
public:
    frmProvaSuports()
        : MaintenanceWindow(Suports("frmProvaSuports"),
                              {.nom = "lstSuports", .etiqueta = "lblLlistaSuports", .camp = "CodSPSuport"}) {
        IniciFormulari();
    }
};

// A window with commands of its own made of the framework's steps, as the
// element tree is: no list, one record at a time. Its undo drops every
// change of the window, whichever table holds it.
class frmProvaRegistre final : public velmar::DataWindow {
public:
    frmProvaRegistre() : DataWindow(Suports("frmProvaSuports")) {
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(FieldForm());
        layout->addLayout(CommandRow({{"cmdEditar", [this] { Editar(); }},
                                      {"cmdSortirEdicio", [this] { SortirEdicio(); }},
                                      {"cmdDesferCanvis", [this] { UndoChanges(); }}}));
        TopLevel("IniciFormulari", [this] {
            CreateSupport();
            Translate();
            LoadTables();
            Recupera();
            BindControls();
            SetComboSources();
            RefreshModeFormEdicio(false);
        });
    }

private:
    void Editar() {
        TopLevel("Editar", [this] {
            const std::string message = CadenaValidacioEditar();
            if (!message.empty()) return velmar::dialogs::ShowMessage(message);
            abans_ = CopyTables();
            EnterMode(Mode::Editing);
        });
    }
    void SortirEdicio() {
        TopLevel("SortirEdicio", [this] {
            const std::string message = CadenaValidacioRegistreActual();
            if (!message.empty()) return velmar::dialogs::ShowMessage(message);
            const com::Variant bookmark = rstRecordsetActual->Bookmark();
            PropagaCanvisABD();
            rstRecordsetActual->SetBookmark(bookmark);
            EnterMode(Mode::Browsing);
        });
    }
    void UndoChanges() {
        TopLevel("UndoChanges", [this] {
            RestoreTables(abans_);
            EnterMode(Mode::Browsing);
        });
    }

    std::vector<TableCopy> abans_;
};

// A window whose procedures are the test's own: an event one of them sets
// off, and a helper failure inside a procedure another one calls.
class frmProvaProcediments final : public velmar::DataWindow {
public:
    frmProvaProcediments() : DataWindow(Suports("frmProvaSuports")) {}

    // Returns whether the command went on after the event.
    bool OrdreAmbEsdeveniment() {
        bool seguit = false;
        TopLevel("Ordre", [&] {
            TopLevel("Esdeveniment", [] { com::Raise(com::err::InvalidProcedureCall); });
            seguit = true;
        });
        return seguit;
    }
    void OrdreAmbAjudant() {
        TopLevel("Ordre", [this] {
            Inner("Interna", [this] { objFuncionsCapaInterficie.PassaRecordsetAXML(nullptr); });
        });
    }
    const base::ErrorFields& Ajudant() const { return objFuncionsCapaInterficie; }
};

class Framework : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        sessio.execute(
            "INSERT INTO T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) VALUES "
            "(5, 'frmProvaSuports', 'valAlgunCampBuit', 'A code is needed.', FALSE), "
            "(5, 'frmProvaSuports', 'valRepetitCodi', 'The code is repeated.', FALSE), "
            "(5, 'frmProvaSuports', 'valRepetitModel', 'The model is repeated.', FALSE), "
            "(5, 'frmProvaSuports', 'valTextEliminar', 'Delete this support?', FALSE)");
    }

    // The rows of a lookup table as the server holds them: code column to
    // `column`.
    static std::map<std::string, std::string> Desats(const char* table, const char* code, const char* column) {
        const com::ObjectRef service = com::CreateObject("Brintel.SvrPuntsLlum");
        ado::Recordset rows =
            ado::Recordset::FromXml(com::Call(service, "GetListAuxiliar", {table, code}).toString());
        std::map<std::string, std::string> saved;
        for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) {
            const com::Variant value = rows.Value(column);
            saved[rows.Value(code).isNull() ? "" : rows.Value(code).toString()] =
                value.isNull() ? "(Null)" : value.toString();
        }
        return saved;
    }
    static std::map<std::string, std::string> Suports() { return Desats("TSP_Suport", "CodSPSuport", "SuportModel"); }
    static std::map<std::string, std::string> Marques() {
        return Desats("TTS_SuportMarca", "CodSuportMarca", "NumSuportMarca");
    }
    static velmar::RecordsetRef Marca(velmar::DataWindow& w) { return w.TableByName("rstRecordsetSuportMarca")->Ref(); }
    static velmar::DataCombo* Color(QWidget& w) { return w.findChild<velmar::DataCombo*>("cmbColor"); }
    static void Surt(QWidget* control) {
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(control, &out);
    }
};

TEST_F(Framework, SavesEveryEditedTableInOneTransaction) {
    frmProvaSuports w;
    ASSERT_EQ(w.NumError, 0) << w.UbicacioError;
    EXPECT_EQ(Items(w), (std::vector<std::string>{"S-BAC9", "S-BRA", "S-COL3", "S-COL4"}));
    Click(w, "cmdEditar");
    Text(w, "txtModel")->setText("BO-9500");
    Text(w, "txtMarca")->setText("Columnes del Montsant");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();

    EXPECT_FALSE(Editant(w, "txtModel"));
    EXPECT_EQ(Suports().at("S-BAC9"), "BO-9500");
    EXPECT_EQ(Marques().count("Columnes del Montsant"), 1u);
    EXPECT_TRUE(NoOpenTransaction());
    // Both were reloaded: nothing of them is pending, to be sent twice.
    EXPECT_FALSE(HasPendingChanges(w.rstRecordsetActual.Ref()));
    EXPECT_FALSE(HasPendingChanges(Marca(w)));
}

TEST_F(Framework, ASendThatFailsRollsBackTheOthersAndPutsTheWindowBack) {
    frmProvaSuports w;
    Click(w, "cmdEditar");
    Text(w, "txtModel")->setText("BO-9500");
    Text(w, "txtMarca")->setText("Columnes del Montsant");
    // The makes are sent second, once the supports are.
    sessio.execute("ALTER TABLE TTS_SuportMarca RENAME TO TTS_SuportMarcaApart");
    Click(w, "cmdSortirEdicio");
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_TRUE(sessio.shown.front().ends_with("\rVelmar(exe) - frmProvaSuports - PropagaCanvisABD"
                                               "\rVelmar(exe) - frmProvaSuports - SortirEdicio)"))
        << sessio.shown.front();
    EXPECT_EQ(Suports().at("S-BAC9"), "BO-9000") << "the supports sent first were rolled back";
    EXPECT_TRUE(NoOpenTransaction());
    // The window is as it was before the save: editing, its edits pending.
    EXPECT_TRUE(Editant(w, "txtModel"));
    EXPECT_EQ(Text(w, "txtModel")->text(), "BO-9500");
    EXPECT_EQ(Text(w, "txtMarca")->text(), "Columnes del Montsant");
    EXPECT_TRUE(HasPendingChanges(w.rstRecordsetActual.Ref()));
    EXPECT_TRUE(HasPendingChanges(Marca(w)));

    // Saved again once the table is back, in a transaction of its own.
    sessio.execute("ALTER TABLE TTS_SuportMarcaApart RENAME TO TTS_SuportMarca");
    sessio.shown.clear();
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Suports().at("S-BAC9"), "BO-9500");
    EXPECT_EQ(Marques().count("Columnes del Montsant"), 1u);
    EXPECT_TRUE(NoOpenTransaction());
}

TEST_F(Framework, AWindowOfOneRecordAtATimeStandsOnTheSameSteps) {
    frmProvaRegistre w;
    ASSERT_EQ(w.NumError, 0) << w.UbicacioError;
    w.rstRecordsetActual->MoveNext();
    EXPECT_EQ(Text(w, "txtCodi")->text(), "S-BRA");
    EXPECT_TRUE(Text(w, "txtCodi")->isReadOnly());

    // Undo drops the changes of both tables, kept or still open.
    Click(w, "cmdEditar");
    EXPECT_FALSE(Text(w, "txtCodi")->isReadOnly());
    Text(w, "txtModel")->setText("BM-900");
    w.rstRecordsetActual->Update();
    Text(w, "txtMarca")->setText("Columnes del Montsant");
    Click(w, "cmdDesferCanvis");
    EXPECT_EQ(Text(w, "txtModel")->text(), "BM-800");
    EXPECT_EQ(Text(w, "txtMarca")->text(), "Columnes Montsant");
    EXPECT_FALSE(HasPendingChanges(w.rstRecordsetActual.Ref()));
    EXPECT_FALSE(HasPendingChanges(Marca(w)));
    EXPECT_TRUE(Text(w, "txtCodi")->isReadOnly());

    // A save shows the same record, read again.
    Click(w, "cmdEditar");
    Text(w, "txtModel")->setText("BM-900");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Text(w, "txtCodi")->text(), "S-BRA");
    EXPECT_EQ(Text(w, "txtModel")->text(), "BM-900");
    EXPECT_EQ(Suports().at("S-BRA"), "BM-900");
    EXPECT_TRUE(NoOpenTransaction());
}

TEST_F(Framework, LockedControlsShowTheirValueButTakeNoChange) {
    frmProvaSuports w;
    w.show();
    auto* check = w.findChild<QCheckBox*>("chkPortella");
    velmar::DataCombo* color = Color(w);
    const QString colorShown = color->currentText();
    ASSERT_TRUE(check->isChecked());
    for (QWidget* control : std::initializer_list<QWidget*>{Text(w, "txtCodi"), color, check}) {
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
        EXPECT_NE(control->focusPolicy(), Qt::NoFocus) << control->objectName().toStdString();
        EXPECT_TRUE(velmar::IsLocked(control)) << control->objectName().toStdString();
    }
    EXPECT_TRUE(Text(w, "txtCodi")->isReadOnly());

    // On the box itself, not in the empty width of its row.
    const QPoint box(8, check->height() / 2);
    QTest::mouseClick(check, Qt::LeftButton, {}, box);
    QTest::keyClick(check, Qt::Key_Space);
    QTest::keyClick(color, Qt::Key_Down);
    QTest::keyClick(color->lineEdit(), Qt::Key_Down);
    QTest::keyClick(color->lineEdit(), Qt::Key_X);
    EXPECT_TRUE(check->isChecked());
    EXPECT_EQ(color->currentText(), colorShown);
    EXPECT_EQ(w.rstRecordsetActual->EditMode(), ado::EditState::None);

    Click(w, "cmdEditar");
    EXPECT_FALSE(velmar::IsLocked(check));
    QTest::mouseClick(check, Qt::LeftButton, {}, box);
    EXPECT_FALSE(check->isChecked());
    EXPECT_FALSE(w.rstRecordsetActual->Value("SuportPortella").toBool());
    QTest::keyClick(color, Qt::Key_Down);
    EXPECT_NE(color->currentText(), colorShown);
}

TEST_F(Framework, ADataComboWritesOnlyWhenLeftInEditModeAndOnlyAChange) {
    frmProvaSuports w;
    velmar::DataCombo* color = Color(w);
    // S-BAC9: Gris RAL 7035, number 1.
    ASSERT_EQ(color->currentText(), "Gris RAL 7035");

    // Browsing, leaving the combo writes nothing.
    color->setEditText("Verd RAL 6009");
    Surt(color);
    EXPECT_EQ(w.rstRecordsetActual->Value("NumSuportColor").toLong(), 1);
    EXPECT_EQ(w.rstRecordsetActual->EditMode(), ado::EditState::None);

    Click(w, "cmdEditar");
    // Leaving it with the value it shows opens no edit.
    color->setEditText("Gris RAL 7035");
    Surt(color);
    EXPECT_EQ(w.rstRecordsetActual->EditMode(), ado::EditState::None);
    // A text none of the list's stays while another control writes its
    // field, and leaving it writes nothing.
    color->setEditText("Rosa");
    Text(w, "txtModel")->setText("BO-9100");
    EXPECT_EQ(color->currentText(), "Rosa");
    Surt(color);
    EXPECT_EQ(w.rstRecordsetActual->Value("NumSuportColor").toLong(), 1);
    color->setEditText("verd ral 6009");
    Surt(color);
    EXPECT_EQ(w.rstRecordsetActual->Value("NumSuportColor").toLong(), 2);
    color->setEditText("");
    Surt(color);
    EXPECT_TRUE(w.rstRecordsetActual->Value("NumSuportColor").isNull());

    // The combo lists every row of its source, whatever filter the window
    // sets there.
    w.TableByName("rstRecordsetSuportColor")->operator->()->SetFilter("NumSuportColor = 3");
    EXPECT_EQ(color->count(), 5);
}

TEST_F(Framework, AFailedDeleteLeavesListAndRecordsetInStepAndIsNeverSent) {
    frmProvaSuports w;
    sessio.execute("ALTER TABLE TSP_Suport RENAME TO TSP_SuportApart");
    Click(w, "cmdEliminar");
    EXPECT_EQ(asked, std::vector<std::string>{"Delete this support?"});
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_TRUE(sessio.shown.front().ends_with("\rVelmar(exe) - frmProvaSuports - PropagaCanvisABD"
                                               "\rVelmar(exe) - frmProvaSuports - Eliminar)"))
        << sessio.shown.front();
    EXPECT_EQ(Items(w), (std::vector<std::string>{"S-BAC9", "S-BRA", "S-COL3", "S-COL4"}));
    EXPECT_EQ(w.rstRecordsetActual->RecordCount(), 4);
    EXPECT_FALSE(HasPendingChanges(w.rstRecordsetActual.Ref()));
    EXPECT_EQ(w.intModeFormulari(), 0);
    EXPECT_EQ(Llista(w)->currentRow(), 0);
    EXPECT_EQ(Text(w, "txtCodi")->text(), "S-BAC9");

    sessio.execute("ALTER TABLE TSP_SuportApart RENAME TO TSP_Suport");
    sessio.shown.clear();
    Click(w, "cmdEditar");
    Text(w, "txtModel")->setText("BO-9100");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Suports(), (std::map<std::string, std::string>{
                             {"S-BAC9", "BO-9100"}, {"S-BRA", "BM-800"}, {"S-COL3", "CF-3000"}, {"S-COL4", "CT-4000"}}));
}

TEST_F(Framework, ListsSortAsTheUsersLanguageDoesAndShowANullAsEmpty) {
    sessio.execute("INSERT INTO TSP_Suport (CodSPSuport, SuportModel) VALUES "
                   "('Àlber', 'A1'), ('alzina', 'A2'), ('Bedoll', 'B1'), (NULL, 'N1'), ('Éssera', 'E1')");
    for (const int32_t idioma : {1, 2, 5}) {
        velmar::clsAndamiSistema::Instance().SetIdioma(idioma);
        frmProvaSuports w;
        EXPECT_EQ(Items(w), (std::vector<std::string>{"", "Àlber", "alzina", "Bedoll", "Éssera", "S-BAC9", "S-BRA", "S-COL3",
                                                      "S-COL4"}))
            << idioma;
    }
}

// Rows come in the binary order of their query; capitals before small
// letters make many short stretches in the language's order to merge.
TEST_F(Framework, ListsSortRowsThatComeInManyStretchesOutOfTheLanguagesOrder) {
    sessio.execute("INSERT INTO TSP_Suport (CodSPSuport, SuportModel) VALUES "
                   "('ca', 'X'), ('Cb', 'X'), ('cc', 'X'), ('Cd', 'X'), ('ce', 'X'), ('Çf', 'X'), ('cg', 'X')");
    frmProvaSuports w;
    EXPECT_EQ(Items(w), (std::vector<std::string>{"ca", "Cb", "cc", "Cd", "ce", "Çf", "cg", "S-BAC9", "S-BRA", "S-COL3",
                                                  "S-COL4"}));
}

TEST_F(Framework, RepeatedValuesAreTypedValuesAndNullRepeatsNothing) {
    frmProvaSuports w;
    // A code with an apostrophe, and a model left Null as another row's
    // will be.
    Click(w, "cmdNou");
    Text(w, "txtCodi")->setText("Carrer d'Avall");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    Click(w, "cmdNou");
    Text(w, "txtCodi")->setText("Carrer d'Amunt");
    Click(w, "cmdSortirEdicio");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Suports().at("Carrer d'Avall"), "(Null)");
    EXPECT_EQ(Suports().at("Carrer d'Amunt"), "(Null)");

    Click(w, "cmdNou");
    Text(w, "txtCodi")->setText("carrer d'avall");
    Click(w, "cmdSortirEdicio");
    EXPECT_EQ(sessio.shown, std::vector<std::string>{"The code is repeated."});
    EXPECT_TRUE(Editant(w, "txtCodi"));
}

TEST_F(Framework, AWindowWhoseTranslationFailedAnswersAMessageWith517) {
    // A text for a control the window does not have stops its translation.
    sessio.execute("INSERT INTO T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) VALUES "
                   "(5, 'frmProvaSuports', 'lblNoHiEs', 'Nothing', TRUE)");
    frmProvaSuports w;
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_TRUE(sessio.shown.front().ends_with("\rVelmar(exe) - frmProvaSuports - IniciFormulari)"))
        << sessio.shown.front();
    Click(w, "cmdEditar");
    ASSERT_EQ(sessio.shown.size(), 2u);
    EXPECT_EQ(w.NumError, 517);
    EXPECT_TRUE(sessio.shown.back().ends_with("\rVelmar(exe) - frmProvaSuports - CadenaValidacioEditar"
                                              "\rVelmar(exe) - frmProvaSuports - Editar)"))
        << sessio.shown.back();
}

TEST_F(Framework, AProcedureShowsItsFailureOnceWithTheTrailOfEveryCallerInside) {
    const std::string entry = "\rVelmar(exe) - frmProvaSuports - ";
    frmProvaProcediments w;
    // An event is a procedure of its own: shown at once, and what set it
    // off goes on.
    EXPECT_TRUE(w.OrdreAmbEsdeveniment());
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_TRUE(sessio.shown.front().ends_with("(Velmar(exe) - frmProvaSuports - Esdeveniment)"))
        << sessio.shown.front();
    EXPECT_EQ(w.NumError, com::err::InvalidProcedureCall);

    // The helper's failure is the procedure's; the helper keeps none.
    sessio.shown.clear();
    w.OrdreAmbAjudant();
    EXPECT_EQ(sessio.shown.size(), 1u);
    EXPECT_EQ(w.NumError, com::err::ObjectRequired);
    EXPECT_EQ(w.UbicacioError,
              "\rVelmar(exe) - FuncionsCapaInterficie - PassaRecordsetAXML" + entry + "Interna" + entry + "Ordre");
    EXPECT_EQ(w.Ajudant().NumError, 0);
}

TEST_F(Framework, MaintenanceWindowsOpenWideEnoughToReadTheirValues) {
    velmar::frmClients clients;
    velmar::frmProjectes projectes;
    velmar::frmManteniments manteniments;
    velmar::frmUsuaris usuaris;
    for (QWidget* w : std::initializer_list<QWidget*>{&clients, &projectes, &manteniments, &usuaris}) {
        w->show();
        QApplication::processEvents();
        for (const QLineEdit* edit : w->findChildren<QLineEdit*>()) {
            // A password box shows a mask of its own, not its text.
            if (dynamic_cast<const velmar::PasswordBox*>(edit)) continue;
            const int needed = edit->fontMetrics().horizontalAdvance(edit->text());
            EXPECT_LE(needed, edit->contentsRect().width() - 8) << edit->objectName().toStdString();
        }
        const velmar::RecordList* llista = Llista(*w);
        for (int i = 0; i < llista->count(); ++i)
            EXPECT_LE(llista->fontMetrics().horizontalAdvance(llista->text(i)), llista->viewport()->width() - 8)
                << llista->text(i).toStdString();
    }
}

}  // namespace
