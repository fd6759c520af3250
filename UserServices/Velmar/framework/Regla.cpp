#include "framework/Regla.h"

#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <algorithm>
#include <memory>

#include "core/BindingControl.h"
#include "core/CaixaTextMultilinia.h"
#include "core/DataCombo.h"
#include "core/Dates.h"
#include "framework/Finestra.h"
#include "framework/Referencies.h"

namespace velmar {
namespace {

template <class Control>
Control* Troba(Finestra& finestra, const std::string& name) {
    auto* control = finestra.findChild<Control*>(QString::fromStdString(name));
    if (!control) com::Raise(base::err::ControlNotFound);
    return control;
}

// Compared as it is: a text of blanks is not empty.
bool Buit(Finestra& finestra, const std::string& name) {
    QWidget* control = Troba<QWidget>(finestra, name);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text().isEmpty();
    if (auto* box = dynamic_cast<CaixaTextMultilinia*>(control)) return box->text().isEmpty();
    if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->currentText().isEmpty();
    com::Raise(base::err::ControlNotFound);
}

}  // namespace

Regla Regla::DelCamp(std::string codi, std::function<QWidget*(Finestra&)> refusat) {
    return {std::move(codi), [refusat](Finestra& f) { return refusat(f) != nullptr; },
            [refusat](Finestra& f, const std::string& text) {
                const QString camp = binding::NomCamp(refusat(f));
                const QString missatge = QString::fromStdString(text);
                return (missatge.contains(QStringLiteral("%1")) ? missatge.arg(camp)
                                                               : missatge + QStringLiteral(" (") + camp + ')')
                    .toStdString();
            }};
}

Regla Regla::CampsBuits(std::vector<std::string> controls, std::string codi) {
    return {std::move(codi), [controls = std::move(controls)](Finestra& f) {
                if (f.rstRecordsetActual.Files() < 1) return false;
                for (const std::string& name : controls)
                    if (Buit(f, name)) return true;
                return false;
            }};
}

Regla Regla::ForaDeLlista(std::string combo, std::string codi) {
    return {std::move(codi), [combo = std::move(combo)](Finestra& f) {
                return !Troba<DataCombo>(f, combo)->MatchedWithList();
            }};
}

Regla Regla::ValorsForaDeLlista(std::vector<std::string> combos, std::string codi) {
    return DelCamp(std::move(codi), [combos = std::move(combos)](Finestra& f) -> QWidget* {
        for (const std::string& name : combos) {
            DataCombo* combo = Troba<DataCombo>(f, name);
            if (!combo->currentText().isEmpty() && !combo->MatchedWithList()) return combo;
        }
        return nullptr;
    });
}

Regla Regla::DatesNoValides(std::vector<std::string> controls, std::string codi) {
    return DelCamp(std::move(codi), [controls = std::move(controls)](Finestra& f) -> QWidget* {
        for (const std::string& name : controls) {
            QLineEdit* edit = Troba<QLineEdit>(f, name);
            if (!edit->text().trimmed().isEmpty() && !LlegeixData(edit->text())) return edit;
        }
        return nullptr;
    });
}

Regla Regla::KeyNotFound(std::string control, std::string taula, std::string camp, std::string codi) {
    return DelCamp(std::move(codi), [control = std::move(control), taula = std::move(taula),
                                     camp = std::move(camp)](Finestra& f) -> QWidget* {
        QLineEdit* edit = Troba<QLineEdit>(f, control);
        const RecordsetRef fila = binding::DataSource(edit);
        if (!fila || fila->IsBOF() || fila->IsEOF()) return nullptr;
        const com::Variant clau = fila->Value(binding::DataField(edit));
        if (clau.isNull()) return nullptr;
        const Taula* files = f.TaulaPerNom(taula);
        if (!files || !files->Ref()) return edit;
        const ado::Recordset& rows = *files->Ref();
        const std::vector<com::Variant> claus = rows.ColumnValues(rows.FieldIndex(camp));
        const bool troba = std::ranges::any_of(claus, [&clau](const com::Variant& c) { return DataCombo::SameKey(c, clau); });
        return troba ? nullptr : edit;
    });
}

Regla Regla::DataPassada(std::string camp, std::string codi) {
    return {std::move(codi), [camp = std::move(camp)](Finestra& f) {
                const com::Variant value = f.rstRecordsetActual->Value(camp);
                if (value.type() != com::Variant::Type::Date) return false;
                const QDate avui = QDate::currentDate();
                return value.asDate().serial < com::Date::FromParts(avui.year(), avui.month(), avui.day()).serial;
            }};
}

Regla Regla::Repetit(std::string camp, std::string codi) {
    return {std::move(codi), [camp = std::move(camp)](Finestra& f) {
                return f.objFuncionsCapaInterficie.ValorCampRepetit(f.rstRecordsetActual.Ref(), camp);
            }};
}

Regla Regla::UsatA(std::string taula, std::string camp, std::string codi) {
    return {std::move(codi), [taula = std::move(taula), camp = std::move(camp)](Finestra& f) {
                const Taula* llista = f.TaulaPerNom(taula);
                return f.objFuncionsCapaInterficie.ComptaAparicionsValorEnRecordset(
                           llista ? llista->Ref() : nullptr, camp, f.rstRecordsetActual->Value(camp)) > 0;
            }};
}

Regla Regla::Referenciada(std::string codiAmbTaula) {
    // The table found is kept for the message of the same check.
    auto taula = std::make_shared<std::string>();
    return {{},
            [taula](Finestra& f) {
                *taula = referencies::TaulaQueRefereixActual(*f.rstRecordsetActual);
                return !taula->empty();
            },
            [taula, codi = std::move(codiAmbTaula)](Finestra& f, const std::string&) {
                if (codi.empty()) return f.Missatge("valReferenciat" + *taula);
                return f.objFuncionsCapaInterficie.StrTran(f.Missatge(codi), "#1", *taula);
            }};
}

}  // namespace velmar
