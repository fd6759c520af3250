// What the tests of the maintenance windows share: a session on the sample
// database (SQLite unless a test asks for another engine) with its message
// boxes captured and its Yes/No questions answered (QuestionFixture), and the
// controls of a window reached by name.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "Ado/Recordset.h"
#include "Com/Registry.h"
#include "DataComboTyping.h"
#include "QuestionFixture.h"
#include "core/controls/DataCombo.h"
#include "core/services/Dialogs.h"
#include "core/controls/RecordList.h"
#include "core/services/clsAndamiSistema.h"
#include "framework/VertexList.h"
#include "dialogs/SessionFixture.h"

class WindowFixture : public testing::Test, protected QuestionFixture {
protected:
    explicit WindowFixture(testsupport::Engine engine = testsupport::Engine::SQLite) : sessio(engine) {}

    void SetUp() override { velmar::clsAndamiSistema::Instance().SetIdioma(5); }
    void TearDown() override { velmar::clsAndamiSistema::Instance().SetIdioma(0); }

    static velmar::RecordList* Llista(QWidget& w) { return w.findChild<velmar::RecordList*>(); }
    static std::vector<std::string> Items(QWidget& w) {
        std::vector<std::string> items;
        for (int i = 0; i < Llista(w)->count(); ++i) items.push_back(Llista(w)->text(i).toStdString());
        return items;
    }
    // The text of the list's selected item; "(none)" when none is.
    static std::string Seleccionat(QWidget& w) {
        const int row = Llista(w)->currentRow();
        return row < 0 ? "(none)" : Llista(w)->text(row).toStdString();
    }
    static void Selecciona(QWidget& w, const char* text) {
        const std::vector<std::string> items = Items(w);
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i] == text) return Llista(w)->setCurrentRow(static_cast<int>(i));
        ADD_FAILURE() << "no item " << text;
    }
    static QLineEdit* Text(QWidget& w, const char* name) { return w.findChild<QLineEdit*>(name); }
    static void Click(QWidget& w, const char* name) { w.findChild<QPushButton*>(name)->click(); }
    static velmar::DataCombo* Combo(QWidget& w, const char* name) { return w.findChild<velmar::DataCombo*>(name); }
    // A code typed into a data combo, which is then left.
    static void Tria(QWidget& w, const char* combo, const QString& code) { TypeAndLeave(Combo(w, combo), code); }
    // The map vertices a window shows, each as its item reads: its key,
    // then its columns.
    static std::vector<std::string> Vertexs(QWidget& w) {
        auto* punts = w.findChild<velmar::VertexList*>("lstPunts");
        std::vector<std::string> items;
        for (int i = 0; i < punts->topLevelItemCount(); ++i) {
            std::string item = punts->Clau(i).toStdString();
            for (int c = 0; c < punts->columnCount(); ++c) item += " " + punts->topLevelItem(i)->text(c).toStdString();
            items.push_back(item);
        }
        return items;
    }
    // The message the last command showed, and none other.
    std::string Mostrat() {
        EXPECT_EQ(sessio.shown.size(), 1u);
        const std::string text = sessio.shown.empty() ? "" : sessio.shown.back();
        sessio.shown.clear();
        return text;
    }
    // Edit mode as the user sees it: save and undo in place of the other
    // buttons, the list disabled and the fields open.
    static bool Editant(QWidget& w, const char* field) {
        return w.findChild<QPushButton*>("cmdSortirEdicio")->isVisibleTo(&w) &&
               !w.findChild<QPushButton*>("cmdNou")->isVisibleTo(&w) && !Llista(w)->isEnabled() &&
               !Text(w, field)->isReadOnly();
    }

    // What the user does in a window of type W once it is shown modally;
    // `passos` ends by closing it.
    template <class W>
    static void QuanSObri(std::function<void(W&)> passos) {
        QTimer::singleShot(0, [passos] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* window = dynamic_cast<W*>(w); window && window->isVisible()) return passos(*window);
            ADD_FAILURE() << "no window shown";
        });
    }
    // The text of `code` of the window `finestra` in the session's
    // language, as the sample database holds it.
    static std::string Text(const char* finestra, const char* code) {
        const com::ObjectRef service = com::CreateObject("Brintel.SvrIdiomes");
        ado::Recordset rows = ado::Recordset::FromXml(
            com::Call(service, "GetTextIdioma", {velmar::clsAndamiSistema::Instance().Idioma(), finestra}).toString());
        for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext())
            if (rows.Value("CodTextIdioma").toString() == code) return rows.Value("TextTraduit").toString();
        ADD_FAILURE() << "no text " << code << " for " << finestra;
        return {};
    }

    SessionFixture sessio;
};

// The same in each language a window is tested in: Català, the language
// the program starts in, and English.
class LanguageWindowFixture : public WindowFixture, public testing::WithParamInterface<int32_t> {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        velmar::clsAndamiSistema::Instance().SetIdioma(GetParam());
    }
};

#define INSTANTIATE_EN_CADA_IDIOMA(fixture) \
    INSTANTIATE_TEST_SUITE_P(Idioma, fixture, testing::Values(1, 5), \
                             [](const testing::TestParamInfo<int32_t>& info) { return info.param == 1 ? "Catala" : "English"; })
