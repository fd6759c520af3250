// Every window that edits rows, opened by its name on the sample database,
// as a person uses it while a row is edited: closing it or Escape asks
// before the edit is dropped, the keyboard stays on the commands (after an
// undo a second Space edits again rather than closing the window), Enter
// saves, and every field that takes typing is stored or feeds a command.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <set>

#include "RegisteredWindowsFixture.h"
#include "QuestionFixture.h"
#include "core/binding/BindingControl.h"
#include "core/controls/Locking.h"
#include "core/controls/MultilineTextBox.h"

namespace {

class Edicio : public RegisteredWindowsFixture, protected QuestionFixture {
protected:
    void SetUp() override {
        RegisteredWindowsFixture::SetUp();
        velmar::clsAndamiSistema::Instance().SetIdioma(5);
    }

    static QPushButton* CommandButton(QWidget& w, const char* name) { return w.findChild<QPushButton*>(name); }
    static bool Editant(QWidget& w) { return CommandButton(w, "cmdSortirEdicio")->isVisibleTo(&w); }
    // The controls that take typing in edit mode and are bound to no field.
    static std::set<std::string> SenseCamp(QWidget& w) {
        std::set<std::string> names;
        for (QWidget* control : w.findChildren<QWidget*>()) {
            const bool escrit = qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control) ||
                                dynamic_cast<velmar::MultilineTextBox*>(control);
            // A combo's own text box is the combo's.
            if (!escrit || qobject_cast<QComboBox*>(control->parentWidget())) continue;
            if (!velmar::IsLocked(control) && velmar::binding::DataField(control).empty())
                names.insert(control->objectName().toStdString());
        }
        return names;
    }

};

TEST_F(Edicio, EveryEditingWindowAsksBeforeDroppingAnEditAndKeepsTheKeyboardOnItsCommands) {
    // What a window's edit mode leaves open without storing it: the
    // inputs of the light point's property command.
    const std::map<std::string, std::set<std::string>> entrades = {
        {"frmPuntsLlum", {"cmbPropietat", "txtValor", "txtObservacionsPropietats"}}};
    int finestres = 0;
    for (const velmar::RegisteredWindow& finestra : velmar::RegisteredWindows()) {
        const std::unique_ptr<QWidget> window = velmar::OpenWindow(finestra, OpeningOptions(finestra.nom));
        ASSERT_NE(window, nullptr) << finestra.nom;
        QWidget& w = *window;
        if (!CommandButton(w, "cmdEditar") || !CommandButton(w, "cmdSortirEdicio")) continue;
        ++finestres;
        SCOPED_TRACE(finestra.nom);
        w.show();
        QApplication::setActiveWindow(&w);
        CommandButton(w, "cmdEditar")->click();
        ASSERT_TRUE(Editant(w));
        const auto entrada = entrades.find(finestra.nom);
        EXPECT_EQ(SenseCamp(w), entrada == entrades.end() ? std::set<std::string>() : entrada->second);

        // Closing and Escape ask; No keeps the edit.
        asked.clear();
        answer = false;
        w.close();
        QTest::keyClick(&w, Qt::Key_Escape);
        ASSERT_EQ(asked.size(), 2u);
        EXPECT_EQ(asked[0], asked[1]);
        EXPECT_NE(asked[0], "valDescartarCanvis") << "the question is translated";
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(Editant(w));

        // Undo from the keyboard leaves the focus on Edit: a second Space
        // edits again.
        CommandButton(w, "cmdDesferCanvis")->setFocus();
        QTest::keyClick(CommandButton(w, "cmdDesferCanvis"), Qt::Key_Space);
        EXPECT_FALSE(Editant(w));
        ASSERT_EQ(w.focusWidget(), CommandButton(w, "cmdEditar"));
        QTest::keyClick(w.focusWidget(), Qt::Key_Space);
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(Editant(w));

        // Enter in a field saves; Escape answered Yes drops an edit.
        QTest::keyClick(w.focusWidget(), Qt::Key_Return);
        EXPECT_FALSE(Editant(w));
        EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
        EXPECT_EQ(w.focusWidget(), CommandButton(w, "cmdEditar"));
        CommandButton(w, "cmdEditar")->click();
        answer = true;
        QTest::keyClick(w.focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(Editant(w));
        EXPECT_TRUE(w.isVisible());
        sessio.shown.clear();
    }
    EXPECT_EQ(finestres, 10);
}

}  // namespace
