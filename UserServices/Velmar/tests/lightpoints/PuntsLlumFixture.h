// What the tests of the light-point window share: the window on the sample
// database (project 306), its controls by name, the file dialog answered as
// a test says, what the server holds read through the support objects, and
// the window's support object wrapped so that the change sets it is sent
// can be seen.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <map>
#include <optional>

#include "Ado/Recordset.h"
#include "Com/Registry.h"
#include "DataComboTyping.h"
#include "SaveChecks.h"
#include "core/controls/DataCombo.h"
#include "framework/WindowFixture.h"
#include "lightpoints/frmPuntsLlum.h"

class PuntsLlumFixture : public WindowFixture {
protected:
    using WindowFixture::WindowFixture;
    using frmPuntsLlum = velmar::frmPuntsLlum;

    void SetUp() override {
        WindowFixture::SetUp();
        previous_ = velmar::dialogs::SetFileChoiceHandler([this](const velmar::dialogs::FileRequest& p) {
            peticio = p;
            return arxiu;
        });
    }
    void TearDown() override {
        velmar::dialogs::SetFileChoiceHandler(previous_);
        WindowFixture::TearDown();
    }

    static velmar::DataCombo* DataCombo(QWidget& w, const char* name) {
        return w.findChild<velmar::DataCombo*>(name);
    }
    static QComboBox* Combo(QWidget& w, const char* name) { return w.findChild<QComboBox*>(name); }
    static QPushButton* CommandButton(QWidget& w, const char* name) { return w.findChild<QPushButton*>(name); }
    static QTreeWidget* LlistaVista(QWidget& w, const char* name) { return w.findChild<QTreeWidget*>(name); }
    static std::string Valor(QWidget& w, const char* name) {
        if (auto* edit = Text(w, name)) return edit->text().toStdString();
        return Combo(w, name)->currentText().toStdString();
    }
    // The connection picked in the chooser, as the user picks it.
    static void TriaEscomesa(QWidget& w, const char* codi) {
        QComboBox* chooser = Combo(w, "cmbEscullEscomesa");
        const int index = chooser->findText(codi);
        chooser->setCurrentIndex(index);
        emit chooser->activated(index);
    }
    static void Escriu(QWidget& w, const char* combo, const char* codi) {
        TypeAndLeave(DataCombo(w, combo), QString::fromUtf8(codi));
    }
    // The items of a list view, their columns joined by "|".
    static std::vector<std::string> Files(QWidget& w, const char* name) {
        std::vector<std::string> rows;
        QTreeWidget* list = LlistaVista(w, name);
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            std::string row;
            for (int c = 0; c < list->columnCount(); ++c)
                row += (c ? "|" : "") + list->topLevelItem(i)->text(c).toStdString();
            rows.push_back(row);
        }
        return rows;
    }
    static bool Editant(QWidget& w) {
        return CommandButton(w, "cmdSortirEdicio")->isVisibleTo(&w) && !CommandButton(w, "cmdEditar")->isVisibleTo(&w) &&
               !Text(w, "txtCodi")->isReadOnly();
    }
    // Each way to another luminaire (the next, the last, a new one) refused
    // with `missatge`: the luminaire shown, the edit and what was typed into
    // `control` stay. `cas` names the case in a failure.
    void ExpectNoMoveToAnotherLuminaire(QWidget& w, const std::string& missatge, const char* control,
                                        const std::string& typed, const std::string& cas) {
        const std::string comptador = Valor(w, "txtNumeroLluminaria");
        for (const char* moviment : {"cmdAvancaLluminaria", "cmdFiLluminaria", "cmdAfegirLluminaria"}) {
            Click(w, moviment);
            EXPECT_EQ(sessio.shown, std::vector<std::string>{missatge}) << cas << " " << moviment;
            sessio.shown.clear();
            EXPECT_EQ(Valor(w, "txtNumeroLluminaria"), comptador) << cas << " " << moviment;
            EXPECT_EQ(Valor(w, control), typed) << cas << " " << moviment << ": what was typed stays";
            EXPECT_TRUE(Editant(w)) << cas << " " << moviment;
        }
    }
    static velmar::RecordsetRef Table(velmar::DataWindow& w, const char* name) { return w.TableByName(name)->Ref(); }
    static bool AlgunaPendent(velmar::DataWindow& w) {
        for (const char* name : {"rstRecordsetActual", "rstRecordsetSuport", "rstRecordsetPresaTerra",
                                 "rstRecordsetSuportPropietat", "rstRecordsetPatronsLlum", "rstRecordsetLluminaries",
                                 "rstRecordsetLluminariaModel"})
            if (HasPendingChanges(Table(w, name))) return true;
        return false;
    }

    // What the server holds, read through the light points' support object.
    static ado::Recordset Llegeix(const char* member, std::vector<com::Variant> args = {}) {
        const com::ObjectRef service = com::CreateObject("Brintel.SvrPuntsLlum");
        return ado::Recordset::FromXml(com::Call(service, member, std::move(args)).toString());
    }
    static ado::Recordset Auxiliar(const char* table, const char* order) {
        return Llegeix("GetListAuxiliar", {table, order});
    }
    // The value of `field` in the row whose `key` is `value`; none when no
    // row has it.
    static std::optional<std::string> Camp(ado::Recordset rows, const char* key, const com::Variant& value,
                                           const char* field) {
        if (rows.RecordCount() == 0) return std::nullopt;
        for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext())
            if (velmar::DataCombo::SameKey(rows.Value(key), value))
                return rows.Value(field).isNull() ? std::string("(Null)") : rows.Value(field).toString();
        return std::nullopt;
    }
    // The values of `field` in the rows whose `key` is `value`, in order.
    static std::vector<std::string> ListColumn(ado::Recordset rows, const char* key, const com::Variant& value,
                                            const char* field) {
        std::vector<std::string> values;
        if (rows.RecordCount() == 0) return values;
        for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext())
            if (velmar::DataCombo::SameKey(rows.Value(key), value))
                values.push_back(rows.Value(field).isNull() ? "(Null)" : rows.Value(field).toString());
        return values;
    }
    // The window's message of `code` in the session's language, as the
    // sample database words it.
    static std::string Message(const char* code) {
        const com::ObjectRef service = com::CreateObject("Brintel.SvrIdiomes");
        ado::Recordset rows = ado::Recordset::FromXml(
            com::Call(service, "GetTextIdioma", {velmar::clsAndamiSistema::Instance().Idioma(), "frmPuntsLlum"})
                .toString());
        return *Camp(std::move(rows), "CodTextIdioma", code, "TextTraduit");
    }

    // The path the file dialog answers with; none: the user cancels it.
    std::optional<std::string> arxiu;
    velmar::dialogs::FileRequest peticio;  // what the file dialog was last asked

private:
    velmar::dialogs::FileChoiceHandler previous_;
};

// The window's support object with every change set it is sent noted: the
// member, the table the change set names, and whether a transaction held
// it. Everything goes on to the real object.
class SuportEnregistrat final : public com::Object {
public:
    explicit SuportEnregistrat(com::ObjectRef real) : real_(std::move(real)) {}
    std::string className() const override { return real_->className(); }
    com::Variant invoke(std::string_view member, com::CallKind kind, com::Args args) override {
        if (kind == com::CallKind::Method && (member.starts_with("Save") || member.starts_with("Delete"))) {
            const bool dins = com::TypeName(com::Get(real_, "IdTransaccio")) != "Nothing";
            enviats.push_back(std::string(member) + " " + Table(args[0]) + (dins ? "" : " (outside)"));
        }
        return real_->invoke(member, kind, args);
    }
    std::vector<std::string> enviats;

private:
    // The table a change set names; a key for a delete.
    static std::string Table(const com::Variant& argument) {
        if (argument.type() != com::Variant::Type::String) return argument.toString();
        const std::string& text = argument.asString();
        const size_t at = text.find("rs:basetable='");
        if (at == std::string::npos) return "?";
        const size_t begin = at + 14;
        return text.substr(begin, text.find('\'', begin) - begin);
    }
    com::ObjectRef real_;
};
