// What the tests of the maintenance windows share: a session on the sample
// database (SQLite unless a test asks for another engine) with its message
// boxes captured and its Yes/No questions answered, and the controls of a
// window reached by name.
#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <vector>

#include "core/Dialegs.h"
#include "core/LlistaRegistres.h"
#include "core/clsAndamiSistema.h"
#include "dialogs/SessioProva.h"

class FinestraProva : public testing::Test {
protected:
    explicit FinestraProva(testsupport::Engine engine = testsupport::Engine::SQLite) : sessio(engine) {}

    void SetUp() override {
        velmar::clsAndamiSistema::Instance().SetIdioma(5);
        previous_ = velmar::dialegs::SetPreguntaHandler([this](const std::string& text) {
            asked.push_back(text);
            return answer;
        });
    }
    void TearDown() override {
        velmar::dialegs::SetPreguntaHandler(previous_);
        velmar::clsAndamiSistema::Instance().SetIdioma(0);
    }

    static velmar::LlistaRegistres* Llista(QWidget& w) { return w.findChild<velmar::LlistaRegistres*>(); }
    static std::vector<std::string> Items(QWidget& w) {
        std::vector<std::string> items;
        for (int i = 0; i < Llista(w)->count(); ++i) items.push_back(Llista(w)->text(i).toStdString());
        return items;
    }
    static QLineEdit* Text(QWidget& w, const char* name) { return w.findChild<QLineEdit*>(name); }
    static void Click(QWidget& w, const char* name) { w.findChild<QPushButton*>(name)->click(); }
    // Edit mode as the user sees it: save and undo in place of the other
    // buttons, the list disabled and the fields open.
    static bool Editant(QWidget& w, const char* field) {
        return w.findChild<QPushButton*>("cmdSortirEdicio")->isVisibleTo(&w) &&
               !w.findChild<QPushButton*>("cmdNou")->isVisibleTo(&w) && !Llista(w)->isEnabled() &&
               !Text(w, field)->isReadOnly();
    }

    SessioProva sessio;
    std::vector<std::string> asked;
    bool answer = true;

private:
    velmar::dialegs::PreguntaHandler previous_;
};
