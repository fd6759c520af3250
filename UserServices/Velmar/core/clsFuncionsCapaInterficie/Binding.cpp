// Binding of a window's controls to its recordsets, and the questions the
// windows' validation asks of a recordset: how many records hold a value.
#include <QLineEdit>
#include <QWidget>

#include <algorithm>
#include <optional>

#include "Ado/RecordsetValue.h"
#include "Base/Text.h"
#include "core/binding/BindingControl.h"
#include "core/binding/BindingSource.h"
#include "core/controls/MultilineTextBox.h"
#include "core/binding/BindingWindow.h"
#include "core/binding/WindowObject.h"
#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"

namespace velmar {
namespace {

constexpr std::string_view kDefaultRecordset = "rstRecordsetActual";

QWidget* WidgetOf(const com::ObjectRef& window) {
    if (!window) com::Raise(com::err::ObjectRequired);
    com::Object* object = window->identity().get();
    if (auto* bindable = dynamic_cast<BindingWindow*>(object)) return bindable->widget();
    if (auto* form = dynamic_cast<WindowObject*>(object)) return form->window();
    com::Raise(com::err::ObjectRequired);
}

// A text box holds no more than its text column does.
int MaxLength(const ado::Recordset& recordset, const std::string& field) {
    return binding::TextLimit(recordset.Field(recordset.FieldIndex(field)));
}

// The controls of a window that binding visits, in the window's order:
// the four bindable types with a field named.
template <class Visit>
void ForEachBoundControl(const com::ObjectRef& window, Visit visit) {
    for (QWidget* control : WidgetOf(window)->findChildren<QWidget*>()) {
        const std::string type = binding::ControlType(control);
        const std::string field(base::Trim(binding::DataField(control), " "));
        if (!type.empty() && !field.empty()) visit(control, type, field);
    }
}

// Whether a field's value equals `value`: numbers as numbers, texts without
// regard to the case of any letter, accented ones too ("BÀCUL" is "Bàcul"),
// as a data combo matches what is typed. Null equals nothing, and a value
// the field cannot hold equals no value of it.
class Igual {
public:
    Igual(const com::Variant& value, const ado::FieldInfo& field) {
        try {
            const com::Variant coerced = ado::CoerceToField(value, field);
            value_ = ado::Cell::From(coerced);
            if (field.type == ado::DataType::String && !coerced.isNull())
                text_ = QString::fromStdString(coerced.toString());
        } catch (const com::ComError&) {
        }
    }
    bool operator()(const com::Variant& other) const {
        if (text_)
            return !other.isNull() && !other.isEmpty() &&
                   QString::fromStdString(other.toString()).compare(*text_, Qt::CaseInsensitive) == 0;
        const std::optional<int> order = ado::CompareValues(ado::Cell::From(other), value_);
        return order && *order == 0;
    }

private:
    ado::Cell value_;  // Null: equal to nothing
    std::optional<QString> text_;  // the text of a text field
};

}  // namespace

void clsFuncionsCapaInterficie::LinkControls(const com::ObjectRef& frmFormulari) {
    base::Guard(*this, kFunctionsLocation, " LinkControls", [&] {
        ForEachBoundControl(frmFormulari, [&](QWidget* control, const std::string&, const std::string& field) {
            const std::string tag = binding::Tag(control);
            const std::string property = base::Trim(tag, " ").empty() ? std::string(kDefaultRecordset) : tag;
            if (!ExisteixPropietat(frmFormulari, property).toBool()) com::Raise(base::err::RecordsetMissing);
            const RecordsetRef recordset = BindingSource::From(com::Get(frmFormulari, property));
            if (!recordset) com::Raise(base::err::RecordsetMissing);
            if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->setMaxLength(MaxLength(*recordset, field));
            if (auto* box = dynamic_cast<MultilineTextBox*>(control)) box->setMaxLength(MaxLength(*recordset, field));
            binding::Bind(control, recordset, field);
        });
    });
}

void clsFuncionsCapaInterficie::DeslinkControls(const com::ObjectRef& frmFormulari) {
    base::Guard(*this, kFunctionsLocation, " DeslinkControls", [&] {
        ForEachBoundControl(frmFormulari, [](QWidget* control, const std::string&, const std::string&) {
            binding::Unbind(control);
        });
    });
}

void clsFuncionsCapaInterficie::PosaCampsANul(const RecordsetRef& rstRecordset) {
    base::Guard(*this, kFunctionsLocation, " PosaCampsANul", [&] {
        if (!rstRecordset) com::Raise(com::err::ObjectRequired);
        for (int32_t field = 0; field < rstRecordset->FieldCount(); ++field)
            rstRecordset->SetValue(field, com::Variant::Null());
    });
}

com::Variant clsFuncionsCapaInterficie::ExisteixPropietat(const com::Variant& objObjecte,
                                                          const std::string& strNomPropietat) {
    return base::Guard(*this, kFunctionsLocation, "ExisteixPropietat", com::Variant(false), [&] {
        try {
            com::Get(objObjecte.toObject(), strNomPropietat);
        } catch (...) {
            if (com::ErrorNumber(std::current_exception()) == com::err::MemberNotFound) return com::Variant(false);
            throw;
        }
        return com::Variant(true);
    });
}

bool clsFuncionsCapaInterficie::ValorCampRepetit(const RecordsetRef& rstRecordset, const std::string& strNomCamp) {
    return base::Guard(*this, kFunctionsLocation, "ValorCampRepetit", [&] {
        if (!rstRecordset) com::Raise(com::err::ObjectRequired);
        return ComptaAparicionsValorEnRecordset(rstRecordset, strNomCamp, rstRecordset->Value(strNomCamp)) > 1;
    });
}

int32_t clsFuncionsCapaInterficie::ComptaAparicionsValorEnRecordset(const RecordsetRef& rstRecordset,
                                                                    const std::string& strNomCamp,
                                                                    const com::Variant& objValorCamp) {
    return base::Guard(*this, kFunctionsLocation, "ComptaAparicionsValorEnRecordset", [&] {
        if (!rstRecordset) com::Raise(com::err::ObjectRequired);
        // Every row counts, whatever the filter, the one being edited with
        // its edit; nothing moves and no edit ends.
        const ado::Recordset& rows = *rstRecordset;
        const int32_t field = rows.FieldIndex(strNomCamp);
        const std::vector<com::Variant> values = rows.ColumnValues(field);
        return static_cast<int32_t>(std::ranges::count_if(values, Igual(objValorCamp, rows.Field(field))));
    });
}

int32_t clsFuncionsCapaInterficie::ComptaAparicionsEnRecordset(const RecordsetRef& rstRecordset,
                                                               const std::string& strFiltre) {
    return base::Guard(*this, kFunctionsLocation, "ComptaAparicionsEnRecordset", [&] {
        if (!rstRecordset) com::Raise(com::err::ObjectRequired);
        ado::Recordset& rows = *rstRecordset;
        // Only a current row has a position to come back to.
        const bool onRow = !rows.IsBOF() && !rows.IsEOF();
        const com::Variant position = onRow ? rows.Bookmark() : com::Variant();
        const com::Variant filter = rows.Filter();
        const std::string kept = filter.type() == com::Variant::Type::Long ? std::string() : filter.toString();

        // What follows the recordset sees the counting pass; it shows the
        // current row again once filter and position are back.
        rows.SetFilter(strFiltre);
        const int32_t count = rows.RecordCount();
        rows.SetFilter(kept);
        if (onRow) rows.SetBookmark(position);
        return count;
    });
}

}  // namespace velmar
