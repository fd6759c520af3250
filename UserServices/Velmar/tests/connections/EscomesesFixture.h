// What the tests of the service-connection windows share: the window on
// project 306 of a sample database of the test's own, the element image
// folder in a temporary folder, message boxes captured, Yes/No questions
// answered, the file dialogs answered with the paths the test gives, and
// the modal windows (the element tree, the property dialog) worked in by
// steps the test queues, as a user would.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <deque>
#include <functional>
#include <map>
#include <optional>

#include "Ado/Recordset.h"
#include "DataComboTyping.h"
#include "SaveChecks.h"
#include "connections/frmElementsProp.h"
#include "connections/frmEscomesaElem.h"
#include "connections/frmEscomeses.h"
#include "core/controls/DataCombo.h"
#include "core/services/Dialogs.h"
#include "core/services/clsAndamiSistema.h"
#include "dialogs/SessionFixture.h"
#include "support/Files.h"

class EscomesesFixture : public testing::Test {
protected:
    explicit EscomesesFixture(testsupport::Engine engine = testsupport::Engine::SQLite) : sessio(engine) {
        velmar::clsAndamiSistema::Instance().SetIdioma(5);
        previousQuestion_ = velmar::dialogs::SetYesNoHandler([this](const std::string& text) {
            asked.push_back(text);
            return answer;
        });
        previousFile_ = velmar::dialogs::SetFileChoiceHandler([this](const velmar::dialogs::FileRequest& peticio) {
            files.push_back(peticio);
            return chosen;
        });
        previousModal_ = velmar::dialogs::SetModalHandler([this](QWidget* window) {
            ++modals;
            if (steps.empty()) return;
            const auto step = std::move(steps.front());
            steps.pop_front();
            step(window);
        });
    }
    ~EscomesesFixture() override {
        velmar::dialogs::SetModalHandler(previousModal_);
        velmar::dialogs::SetFileChoiceHandler(previousFile_);
        velmar::dialogs::SetYesNoHandler(previousQuestion_);
        velmar::clsAndamiSistema::Instance().SetIdioma(0);
    }

    // The settings file with the element image folder, or without the key.
    static std::string Settings(const std::optional<std::string>& imatges) {
        return "[General]\n" + (imatges ? "RutaDirectoriImatgesElements=" + *imatges + "\n" : std::string());
    }

    // --- the controls, by name ---------------------------------------------
    template <class Widget = QWidget>
    static Widget* Control(QWidget& w, const char* name) {
        auto* control = w.findChild<Widget*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    static QLineEdit* Text(QWidget& w, const char* name) { return Control<QLineEdit>(w, name); }
    static velmar::DataCombo* Combo(QWidget& w, const char* name) { return Control<velmar::DataCombo>(w, name); }
    static void Click(QWidget& w, const char* name) { Control<QPushButton>(w, name)->click(); }
    static void Tria(QWidget& w, const char* name, const char* text) {
        TypeAndLeave(Combo(w, name), QString::fromUtf8(text));
    }
    // Chooses a zone in the chooser, as the user does.
    static void TriaZona(QWidget& w, const char* codi) {
        auto* chooser = Control<QComboBox>(w, "cmbEscullZona");
        const int index = chooser->findText(codi);
        chooser->setCurrentIndex(index);
    }
    static std::vector<std::string> Items(const QTreeWidget* list, int column = 0) {
        std::vector<std::string> items;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            items.push_back(list->topLevelItem(i)->text(column).toStdString());
        return items;
    }

    // --- the database ---------------------------------------------------------
    ado::Recordset Query(const std::string& sql) {
        ado::Recordset rows;
        rows.Open(sql, connection());
        return rows;
    }
    // The first column of the first row, as text ("(Null)" for Null).
    std::string Valor(const std::string& sql) {
        ado::Recordset rows = Query(sql);
        if (rows.RecordCount() == 0) return "(none)";
        const com::Variant value = rows.Value(0);
        return value.isNull() ? "(Null)" : value.toString();
    }
    // A message of a window in English.
    std::string Message(const char* window, const char* code) {
        return Valor(std::string("SELECT TextTraduit FROM T_Idioma WHERE NumIdioma = 5 AND NomFormulari = '") + window +
                     "' AND CodTextIdioma = '" + code + "'");
    }
    // The elements of a connection: code text to the code text of its
    // parent ("-" for the connection), and whether any parent is not a
    // key.
    std::map<std::string, std::string> ArbreDesat(int32_t escomesa) {
        const std::string id = std::to_string(escomesa);
        ado::Recordset rows = Query(
            "SELECT c.CodElementCodi, pc.CodElementCodi, e.ElementOrigen FROM T_EscomesaElements e "
            "JOIN TTE_ElementCodi c ON c.NumElementCodi = e.NumElementCodi "
            "LEFT JOIN T_EscomesaElements p ON p.NumElement = e.ElementOrigen "
            "LEFT JOIN TTE_ElementCodi pc ON pc.NumElementCodi = p.NumElementCodi WHERE e.NumEscomesa = " +
            id);
        std::map<std::string, std::string> tree;
        for (rows.MoveFirst(); rows.RecordCount() > 0 && !rows.IsEOF(); rows.MoveNext()) {
            const com::Variant parent = rows.Value(1);
            tree[rows.Value(0).toString()] = parent.isNull()
                                                 ? (rows.Value(2).toLong() == 0 ? "-" : "?" + rows.Value(2).toString())
                                                 : parent.toString();
        }
        return tree;
    }

    // --- the element windows ----------------------------------------------------
    // Queues the steps of an element's property dialog: the origin, type,
    // code and value chosen by their texts (none: left as they are), then
    // Accept.
    struct Propietats {
        const char* origen = nullptr;
        const char* tipus = nullptr;
        const char* codi = nullptr;
        const char* valor = nullptr;
        const char* observacions = nullptr;
    };
    static void Fill(velmar::frmElementsProp& dialeg, const Propietats& p) {
        if (p.origen) {
            auto* origen = Control<QComboBox>(dialeg, "cmbOrigen");
            origen->setCurrentIndex(origen->findText(p.origen));
        }
        if (p.tipus) Tria(dialeg, "cmbTipus", p.tipus);
        if (p.codi) Tria(dialeg, "cmbCodi", p.codi);
        if (p.valor) Tria(dialeg, "cmbValor", p.valor);
        if (p.observacions) Text(dialeg, "txtObservacions")->setText(p.observacions);
    }
    // In the element tree window: selects the node of that text prefix.
    static void Selecciona(velmar::frmEscomesaElem& element_tree, const std::string& text) {
        QTreeWidgetItemIterator it(element_tree.trvElements);
        for (; *it; ++it)
            if ((*it)->text(0).toStdString().starts_with(text)) break;
        ASSERT_TRUE(*it) << text;
        element_tree.trvElements->setCurrentItem(*it);
    }
    // A new element under the node of `pare` (none: the connection), its
    // dialog filled and accepted.
    void AfegeixElement(velmar::frmEscomesaElem& element_tree, const char* pare, Propietats p) {
        if (pare)
            Selecciona(element_tree, pare);
        else
            element_tree.trvElements->setCurrentItem(element_tree.trvElements->topLevelItem(0));
        steps.push_back([p](QWidget* window) {
            auto& dialeg = dynamic_cast<velmar::frmElementsProp&>(*window);
            Fill(dialeg, p);
            Click(dialeg, "cmdAcceptar");
        });
        Click(element_tree, "cmdNou");
    }
    // Opens the element tree window of the record being edited and runs
    // `treball` in it.
    void ObreArbre(velmar::frmEscomeses& w, std::function<void(velmar::frmEscomesaElem&)> treball) {
        steps.push_back([treball](QWidget* window) { treball(dynamic_cast<velmar::frmEscomesaElem&>(*window)); });
        Click(w, "cmdEditarProteccio");
    }
    static std::vector<std::string> Nodes(const velmar::frmEscomesaElem& element_tree) {
        std::vector<std::string> nodes;
        for (QTreeWidgetItemIterator it(element_tree.trvElements); *it; ++it) {
            int depth = 0;
            for (const QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent()) ++depth;
            nodes.push_back(std::string(2 * depth, ' ') + (*it)->text(0).toStdString());
        }
        return nodes;
    }

    SessionFixture sessio;
    testsupport::TempDir imatges;
    std::vector<std::string> asked;
    bool answer = true;
    std::vector<velmar::dialogs::FileRequest> files;
    std::optional<std::string> chosen;
    std::deque<std::function<void(QWidget*)>> steps;
    int modals = 0;

private:
    const ado::ConnectionRef& connection() {
        if (!connection_) {
            connection_ = std::make_shared<ado::Connection>();
            connection_->Open(sessio.connectionString());
        }
        return connection_;
    }

    velmar::clsFuncionsCapaInterficie f_;
    testsupport::ScopedFile ini_{f_.RutaArxiuIni(), Settings(imatges.path().string())};
    velmar::dialogs::YesNoHandler previousQuestion_;
    velmar::dialogs::FileChoiceHandler previousFile_;
    velmar::dialogs::ModalHandler previousModal_;
    ado::ConnectionRef connection_;
};
