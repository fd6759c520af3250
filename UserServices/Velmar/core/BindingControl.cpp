#include "core/BindingControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "core/DataCombo.h"
#include "core/Dates.h"

namespace velmar::binding {
namespace {

constexpr const char* kTieName = "velmarDataSource";

QString Text(const com::Variant& value) {
    return value.isNull() ? QString() : QString::fromStdString(value.toString());
}

// A blank text is no value.
com::Variant ValueOf(const QString& text) {
    return text.isEmpty() ? com::Variant::Null() : com::Variant(text.toStdString());
}

std::string Property(const QWidget* control, const char* name) {
    return control->property(name).toString().toStdString();
}

class Tie final : public QObject {
public:
    Tie(QWidget* control, RecordsetRef recordset, int32_t field)
        : QObject(control),
          control_(control),
          recordset_(std::move(recordset)),
          field_(field),
          date_(qobject_cast<QLineEdit*>(control) && recordset_->Field(field).type == ado::DataType::DateTime) {
        setObjectName(kTieName);
        // Another row, other rows, or this field changed by someone else:
        // the control shows the field again. A change of another field
        // leaves it alone, so that a text typed and not yet written stays.
        subscription_ = recordset_->Listen({
            .currentRowChanged = [this] { show(); },
            .fieldChanged = [this](int32_t field) { if (field == field_ && !writing_) show(); },
            .rowsChanged = [this] { show(); },
        });
        show();
        followEdits();
    }

    const RecordsetRef& recordset() const { return recordset_; }

private:
    void show() {
        showing_ = true;
        const com::Variant value = current();
        if (auto* combo = dynamic_cast<DataCombo*>(control_)) {
            combo->SetBoundValue(value);
        } else if (auto* combo = qobject_cast<QComboBox*>(control_)) {
            if (combo->isEditable()) combo->setEditText(Text(value));
            else combo->setCurrentIndex(combo->findText(Text(value)));
        } else if (auto* edit = qobject_cast<QLineEdit*>(control_)) {
            edit->setText(date_ && value.type() == com::Variant::Type::Date ? TextData(value.asDate()) : Text(value));
            // A text longer than the box reads from its beginning.
            if (!edit->hasFocus()) edit->setCursorPosition(0);
        } else if (auto* check = qobject_cast<QCheckBox*>(control_)) {
            check->setChecked(!value.isNull() && value.toBool());
        }
        showing_ = false;
    }

    // The field of the current row; none when there is no current row or
    // it can no longer be read (a deleted row).
    com::Variant current() const {
        const ado::Recordset& rows = *recordset_;
        if (rows.IsBOF() || rows.IsEOF()) return com::Variant::Null();
        try {
            return rows.Value(field_);
        } catch (...) {
            return com::Variant::Null();
        }
    }

    void followEdits() {
        if (dynamic_cast<DataCombo*>(control_)) return;
        if (auto* combo = qobject_cast<QComboBox*>(control_)) {
            connect(combo, &QComboBox::currentTextChanged, this, [this](const QString& t) { write(ValueOf(t)); });
        } else if (auto* edit = qobject_cast<QLineEdit*>(control_)) {
            connect(edit, &QLineEdit::textChanged, this, [this](const QString& t) {
                if (!date_) return write(ValueOf(t));
                // A date as the user's language writes it; a text that is
                // none stays in the box, for the save to refuse.
                if (t.trimmed().isEmpty()) return write(com::Variant::Null());
                if (const std::optional<com::Date> date = LlegeixData(t)) write(*date);
            });
        } else if (auto* check = qobject_cast<QCheckBox*>(control_)) {
            connect(check, &QCheckBox::toggled, this, [this](bool on) { write(on); });
        }
    }

    // Runs in a signal of the toolkit, where nothing may escape: an edit
    // the recordset refuses (no current row, a value of the wrong type) is
    // undone on the control.
    void write(const com::Variant& value) {
        if (showing_) return;
        writing_ = true;
        try {
            recordset_->SetValue(field_, value);
        } catch (...) {
            show();
        }
        writing_ = false;
    }

    QWidget* control_;
    RecordsetRef recordset_;
    int32_t field_;
    bool date_;  // a text box over a date field
    ado::Subscription subscription_;
    bool showing_ = false;
    bool writing_ = false;  // its own edit is not shown back to it
};

// Only a Tie bears this name.
Tie* TieOf(const QWidget* control) {
    return static_cast<Tie*>(control->findChild<QObject*>(kTieName, Qt::FindDirectChildrenOnly));
}

}  // namespace

std::string ControlType(const QWidget* control) {
    if (dynamic_cast<const DataCombo*>(control)) return "DataCombo";
    if (qobject_cast<const QComboBox*>(control)) return "ComboBox";
    if (qobject_cast<const QLineEdit*>(control)) return "TextBox";
    if (qobject_cast<const QCheckBox*>(control)) return "CheckBox";
    return {};
}

std::string DataField(const QWidget* control) { return Property(control, "DataField"); }

std::string Tag(const QWidget* control) { return Property(control, "Tag"); }

void Bind(QWidget* control, const RecordsetRef& recordset, const std::string& field) {
    const int32_t index = recordset->FieldIndex(field);
    Unbind(control);
    new Tie(control, recordset, index);
}

void Unbind(QWidget* control) { delete TieOf(control); }

RecordsetRef DataSource(const QWidget* control) {
    const Tie* tie = TieOf(control);
    return tie ? tie->recordset() : nullptr;
}

}  // namespace velmar::binding
