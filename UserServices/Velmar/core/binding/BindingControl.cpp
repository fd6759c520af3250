#include "core/binding/BindingControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "core/controls/MultilineTextBox.h"
#include "core/controls/YesNoCombo.h"
#include "core/controls/DataCombo.h"
#include "core/services/Dates.h"
#include "core/services/Numbers.h"

namespace velmar::binding {
namespace {

constexpr const char* kTieName = "velmarDataSource";

QString Text(const com::Variant& value) {
    return value.isNull() ? QString() : QString::fromStdString(value.toString());
}

// What a text box shows of its field and reads back from what is typed:
// dates and numbers as the user's language writes them, texts as they are.
enum class Forma { Text, Data, Numero };

Forma FormaDe(const QWidget* control, const ado::FieldInfo& field) {
    if (!qobject_cast<const QLineEdit*>(control)) return Forma::Text;
    if (field.type == ado::DataType::DateTime) return Forma::Data;
    return IsNumeric(field) ? Forma::Numero : Forma::Text;
}

// A blank text is no value.
com::Variant ValueOf(const QString& text) {
    return text.isEmpty() ? com::Variant::Null() : com::Variant(text.toStdString());
}

std::string Property(const QWidget* control, const char* name) {
    return control->property(name).toString().toStdString();
}

constexpr const char* kTextName = "velmarUnreadText";

// What a tie taken off a box leaves there while the box holds a text that is
// no value of its field: where the text belongs, so that a tie put back on
// the same row keeps it (the window unbinds its controls while a combo's rows
// are read again).
class UnreadTextLeft final : public QObject {
public:
    UnreadTextLeft(QWidget* control, const RecordsetRef& recordset, int32_t field, com::Variant fila)
        : QObject(control), recordset(recordset), field(field), fila(std::move(fila)) {
        setObjectName(kTextName);
    }
    std::weak_ptr<ado::Recordset> recordset;
    int32_t field;
    com::Variant fila;
};

class Tie final : public QObject {
public:
    Tie(QWidget* control, RecordsetRef recordset, int32_t field)
        : QObject(control),
          control_(control),
          recordset_(std::move(recordset)),
          field_(field),
          forma_(FormaDe(control, recordset_->Field(field))) {
        setObjectName(kTieName);
        // Another row (also after other rows came or went, which the
        // recordset tells as a move too), or this field changed by someone
        // else: the control shows the field again. A change of another
        // field leaves it alone, so that a text typed and not yet written
        // stays.
        subscription_ = recordset_->Listen({
            .currentRowChanged = [this] { show(); },
            .fieldChanged = [this](int32_t field) { if (field == field_ && !writing_) show(); },
        });
        if (!TakeBackUnreadText()) show();
        followEdits();
    }

    const RecordsetRef& recordset() const { return recordset_; }

    // Leaves a text that is no value of the field on the control, for a tie
    // put back on the same row; the tie goes next. A data combo's is a code
    // none of its list's, which reaches no field until the save refuses it.
    void LeaveUnreadText() const {
        std::optional<com::Variant> row = unreadTextRow_;
        if (auto* combo = dynamic_cast<DataCombo*>(control_); combo && combo->HoldsUnmatchedCode()) row = fila();
        if (row) new UnreadTextLeft(control_, recordset_, field_, *row);
    }

    // How the text of a box over a number reads; a value for any other
    // control.
    ParseOutcome lectura() const {
        if (forma_ != Forma::Numero) return ParseOutcome::Valor;
        const QString text = static_cast<QLineEdit*>(control_)->text();
        return text.trimmed().isEmpty() ? ParseOutcome::Valor : ParseFieldNumber(text, recordset_->Field(field_)).lectura;
    }

private:
    // Takes back the text a tie on the same field and row left.
    bool TakeBackUnreadText() {
        auto* deixat = static_cast<UnreadTextLeft*>(
            control_->findChild<QObject*>(kTextName, Qt::FindDirectChildrenOnly));
        if (!deixat) return false;
        bool mateix = deixat->recordset.lock() == recordset_ && deixat->field == field_ && fila() == deixat->fila;
        delete deixat;
        // A code the combo's list now holds shows the field again: the
        // field does not hold the code until the combo is left.
        if (auto* combo = dynamic_cast<DataCombo*>(control_)) mateix = mateix && !combo->MatchedWithList();
        if (mateix) unreadTextRow_ = fila();
        return mateix;
    }

    // The row the control stands on, by a mark that other rows coming and
    // going leave alone; none without a current row.
    std::optional<com::Variant> fila() const {
        const ado::Recordset& rows = *recordset_;
        if (rows.IsBOF() || rows.IsEOF()) return std::nullopt;
        return rows.Bookmark();
    }

    void show() {
        unreadTextRow_.reset();
        showing_ = true;
        const com::Variant value = current();
        if (auto* combo = dynamic_cast<DataCombo*>(control_)) {
            combo->SetBoundValue(value);
        } else if (auto* combo = dynamic_cast<YesNoCombo*>(control_)) {
            combo->SetValor(value);
        } else if (auto* combo = qobject_cast<QComboBox*>(control_)) {
            if (combo->isEditable()) combo->setEditText(Text(value));
            else combo->setCurrentIndex(combo->findText(Text(value)));
        } else if (auto* edit = qobject_cast<QLineEdit*>(control_)) {
            // The same text is not laid out again.
            if (const QString text = textDe(value); text != edit->text()) edit->setText(text);
            // A text longer than the box reads from its beginning.
            if (!edit->hasFocus()) edit->setCursorPosition(0);
        } else if (auto* box = dynamic_cast<MultilineTextBox*>(control_)) {
            box->setText(Text(value));
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
        if (auto* combo = dynamic_cast<YesNoCombo*>(control_)) {
            connect(combo, &QComboBox::currentIndexChanged, this, [this, combo] { write(combo->Valor()); });
        } else if (auto* combo = qobject_cast<QComboBox*>(control_)) {
            connect(combo, &QComboBox::currentTextChanged, this, [this](const QString& t) { write(ValueOf(t)); });
        } else if (auto* edit = qobject_cast<QLineEdit*>(control_)) {
            connect(edit, &QLineEdit::textChanged, this, [this](const QString& t) {
                // Its own showing is no edit: the text is not read as a date
                // or number only to be dropped.
                if (showing_) return;
                if (forma_ == Forma::Text) return write(ValueOf(t));
                // A date or a number as the user's language writes it; a
                // text that is none stays in the box as typed, for the save
                // to refuse, and the field keeps what it held.
                if (showing_) return;
                unreadTextRow_.reset();
                if (t.trimmed().isEmpty()) return write(com::Variant::Null());
                if (forma_ == Forma::Data) {
                    if (const std::optional<com::Date> date = ParseDate(t)) return write(*date);
                } else if (ParsedNumber numero = ParseFieldNumber(t, recordset_->Field(field_));
                           numero.lectura == ParseOutcome::Valor) {
                    return write(numero.valor);
                }
                unreadTextRow_ = fila();
            });
        } else if (auto* box = dynamic_cast<MultilineTextBox*>(control_)) {
            connect(box, &QPlainTextEdit::textChanged, this, [this, box] { write(ValueOf(box->text())); });
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

    QString textDe(const com::Variant& value) const {
        if (forma_ == Forma::Data && value.type() == com::Variant::Type::Date) return FormatDate(value.asDate());
        return forma_ == Forma::Numero ? FormatNumber(value) : Text(value);
    }

    QWidget* control_;
    RecordsetRef recordset_;
    int32_t field_;
    Forma forma_;
    ado::Subscription subscription_;
    bool showing_ = false;
    bool writing_ = false;  // its own edit is not shown back to it
    // The row whose field a text typed and no value of it stands for.
    std::optional<com::Variant> unreadTextRow_;
};

// Only a Tie bears this name.
Tie* TieOf(const QWidget* control) {
    return static_cast<Tie*>(control->findChild<QObject*>(kTieName, Qt::FindDirectChildrenOnly));
}

}  // namespace

std::string ControlType(const QWidget* control) {
    if (dynamic_cast<const DataCombo*>(control)) return "DataCombo";
    if (qobject_cast<const QComboBox*>(control)) return "ComboBox";
    if (qobject_cast<const QLineEdit*>(control) || dynamic_cast<const MultilineTextBox*>(control))
        return "TextBox";
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

void Unbind(QWidget* control) {
    Tie* tie = TieOf(control);
    if (!tie) return;
    tie->LeaveUnreadText();
    delete tie;
}

RecordsetRef DataSource(const QWidget* control) {
    const Tie* tie = TieOf(control);
    return tie ? tie->recordset() : nullptr;
}

std::optional<UnreadText> FirstUnreadText(const QWidget* window) {
    for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        const Tie* tie = TieOf(edit);
        const ParseOutcome lectura = tie ? tie->lectura() : ParseOutcome::Valor;
        if (lectura != ParseOutcome::Valor) return UnreadText{edit, lectura};
    }
    return std::nullopt;
}

int TextLimit(const ado::FieldInfo& field) {
    return field.type == ado::DataType::String ? field.definedSize : QLineEdit().maxLength();
}

QString FieldName(const QWidget* control) {
    const QWidget* window = control->window();
    // The label of the form row that holds the control, or the line it
    // stands in with its buttons.
    QString etiqueta;
    for (const QWidget* fila = control; fila && fila != window && etiqueta.isEmpty(); fila = fila->parentWidget())
        for (const QFormLayout* form : fila->parentWidget()->findChildren<QFormLayout*>())
            if (auto* label = qobject_cast<const QLabel*>(form->labelForField(const_cast<QWidget*>(fila)))) {
                etiqueta = label->text();
                break;
            }
    if (etiqueta.isEmpty()) etiqueta = QString::fromStdString(DataField(control));
    // Labels alike in several frames ("Nombre" of bulbs and of fuses) are
    // told apart by their frame.
    for (const QWidget* parent = control->parentWidget(); parent && parent != window; parent = parent->parentWidget())
        if (auto* frame = qobject_cast<const QGroupBox*>(parent); frame && !frame->title().isEmpty())
            return frame->title() + QStringLiteral(": ") + etiqueta;
    return etiqueta;
}

std::string NamingField(const std::string& message, const QWidget* control) {
    const QString camp = FieldName(control);
    const QString text = QString::fromStdString(message);
    return (text.contains(QStringLiteral("%1")) ? text.arg(camp) : text + QStringLiteral(" (") + camp + ')')
        .toStdString();
}

}  // namespace velmar::binding
