#include "framework/Rule.h"

#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <algorithm>
#include <memory>

#include "core/binding/BindingControl.h"
#include "core/controls/MultilineTextBox.h"
#include "core/controls/DataCombo.h"
#include "core/services/Dates.h"
#include "framework/DataWindow.h"
#include "framework/References.h"

namespace velmar {
namespace {

template <class Control>
Control* Troba(DataWindow& finestra, const std::string& name) {
    auto* control = finestra.findChild<Control*>(QString::fromStdString(name));
    if (!control) com::Raise(base::err::ControlNotFound);
    return control;
}

// Compared as it is: a text of blanks is not empty.
bool IsEmpty(DataWindow& finestra, const std::string& name) {
    QWidget* control = Troba<QWidget>(finestra, name);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text().isEmpty();
    if (auto* box = dynamic_cast<MultilineTextBox*>(control)) return box->text().isEmpty();
    if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->currentText().isEmpty();
    com::Raise(base::err::ControlNotFound);
}

}  // namespace

Rule Rule::OfField(std::string codi, std::function<QWidget*(DataWindow&)> refusat) {
    return {std::move(codi), [refusat](DataWindow& f) { return refusat(f) != nullptr; },
            [refusat](DataWindow& f, const std::string& text) { return binding::NamingField(text, refusat(f)); }};
}

Rule Rule::EmptyFields(std::vector<std::string> controls, std::string codi) {
    return {std::move(codi), [controls = std::move(controls)](DataWindow& f) {
                if (f.rstRecordsetActual.RowCount() < 1) return false;
                for (const std::string& name : controls)
                    if (IsEmpty(f, name)) return true;
                return false;
            }};
}

Rule Rule::NotInList(std::string combo, std::string codi) {
    return {std::move(codi), [combo = std::move(combo)](DataWindow& f) {
                return !Troba<DataCombo>(f, combo)->MatchedWithList();
            }};
}

Rule Rule::ValuesNotInList(std::vector<std::string> combos, std::string codi) {
    return OfField(std::move(codi), [combos = std::move(combos)](DataWindow& f) -> QWidget* {
        for (const std::string& name : combos) {
            DataCombo* combo = Troba<DataCombo>(f, name);
            if (combo->HoldsUnmatchedCode()) return combo;
        }
        return nullptr;
    });
}

Rule Rule::InvalidDates(std::vector<std::string> controls, std::string codi) {
    return OfField(std::move(codi), [controls = std::move(controls)](DataWindow& f) -> QWidget* {
        for (const std::string& name : controls) {
            QLineEdit* edit = Troba<QLineEdit>(f, name);
            if (!edit->text().trimmed().isEmpty() && !ParseDate(edit->text())) return edit;
        }
        return nullptr;
    });
}

Rule Rule::KeyNotFound(std::string control, std::string taula, std::string camp, std::string codi) {
    return OfField(std::move(codi), [control = std::move(control), taula = std::move(taula),
                                     camp = std::move(camp)](DataWindow& f) -> QWidget* {
        QLineEdit* edit = Troba<QLineEdit>(f, control);
        const RecordsetRef fila = binding::DataSource(edit);
        if (!fila || fila->IsBOF() || fila->IsEOF()) return nullptr;
        const com::Variant clau = fila->Value(binding::DataField(edit));
        if (clau.isNull()) return nullptr;
        const Table* files = f.TableByName(taula);
        if (!files || !files->Ref()) return edit;
        const ado::Recordset& rows = *files->Ref();
        const std::vector<com::Variant> claus = rows.ColumnValues(rows.FieldIndex(camp));
        const bool troba = std::ranges::any_of(claus, [&clau](const com::Variant& c) { return DataCombo::SameKey(c, clau); });
        return troba ? nullptr : edit;
    });
}

Rule Rule::PastDate(std::string camp, std::string codi) {
    return {std::move(codi), [camp = std::move(camp)](DataWindow& f) {
                const com::Variant value = f.rstRecordsetActual->Value(camp);
                if (value.type() != com::Variant::Type::Date) return false;
                const QDate avui = QDate::currentDate();
                return value.asDate().serial < com::Date::FromParts(avui.year(), avui.month(), avui.day()).serial;
            }};
}

Rule Rule::Repeated(std::string camp, std::string codi) {
    return {std::move(codi), [camp = std::move(camp)](DataWindow& f) {
                return f.objFuncionsCapaInterficie.ValorCampRepetit(f.rstRecordsetActual.Ref(), camp);
            }};
}

Rule Rule::UsedIn(std::string taula, std::string camp, std::string codi) {
    return {std::move(codi), [taula = std::move(taula), camp = std::move(camp)](DataWindow& f) {
                const Table* llista = f.TableByName(taula);
                return f.objFuncionsCapaInterficie.ComptaAparicionsValorEnRecordset(
                           llista ? llista->Ref() : nullptr, camp, f.rstRecordsetActual->Value(camp)) > 0;
            }};
}

Rule Rule::Referenced(std::string codiAmbTaula) {
    // The table found is kept for the message of the same check.
    auto taula = std::make_shared<std::string>();
    return {{},
            [taula](DataWindow& f) {
                *taula = references::ReferringTableOfCurrent(*f.rstRecordsetActual);
                return !taula->empty();
            },
            [taula, codi = std::move(codiAmbTaula)](DataWindow& f, const std::string&) {
                if (codi.empty()) return f.Message("valReferenciat" + *taula);
                return f.objFuncionsCapaInterficie.StrTran(f.Message(codi), "#1", *taula);
            }};
}

}  // namespace velmar
