#include "core/BindingControl.h"

#include <algorithm>
#include <map>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "core/DataCombo.h"

namespace velmar::binding {

class Tie;

// The ties of one recordset. The recordset's change handlers hold it, so
// it lives as long as they do.
struct Ties {
    std::vector<Tie*> ties;
    int paused = 0;
    const Tie* writing = nullptr;  // its own edit is not shown back to it

    void showAll() const;
};

namespace {

constexpr const char* kTieName = "velmarDataSource";

// Only the ties of recordsets that are alive are found: a recordset's
// handlers, and with them its Ties, end with it.
std::map<const ado::Recordset*, std::weak_ptr<Ties>>& Registry() {
    static std::map<const ado::Recordset*, std::weak_ptr<Ties>> registry;
    return registry;
}

std::shared_ptr<Ties> FindTies(const RecordsetRef& recordset) {
    const auto found = Registry().find(recordset.get());
    return found == Registry().end() ? nullptr : found->second.lock();
}

std::shared_ptr<Ties> TiesOf(const RecordsetRef& recordset) {
    if (auto ties = FindTies(recordset)) return ties;
    std::erase_if(Registry(), [](const auto& entry) { return entry.second.expired(); });
    auto ties = std::make_shared<Ties>();
    recordset->OnCurrentRowChanged([ties] { ties->showAll(); });
    recordset->OnFieldChanged([ties](int32_t) { ties->showAll(); });
    recordset->OnRowsChanged([ties] { ties->showAll(); });
    Registry()[recordset.get()] = ties;
    return ties;
}

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

}  // namespace

class Tie final : public QObject {
public:
    Tie(QWidget* control, RecordsetRef recordset, int32_t field)
        : QObject(control), control_(control), recordset_(std::move(recordset)), field_(field),
          ties_(TiesOf(recordset_)) {
        setObjectName(kTieName);
        ties_->ties.push_back(this);
        show();
        followEdits();
    }
    ~Tie() override { std::erase(ties_->ties, this); }

    const RecordsetRef& recordset() const { return recordset_; }

    void show() {
        showing_ = true;
        const com::Variant value = current();
        if (auto* combo = dynamic_cast<DataCombo*>(control_)) {
            combo->SetBoundValue(value);
        } else if (auto* combo = qobject_cast<QComboBox*>(control_)) {
            if (combo->isEditable()) combo->setEditText(Text(value));
            else combo->setCurrentIndex(combo->findText(Text(value)));
        } else if (auto* edit = qobject_cast<QLineEdit*>(control_)) {
            edit->setText(Text(value));
        } else if (auto* check = qobject_cast<QCheckBox*>(control_)) {
            check->setChecked(!value.isNull() && value.toBool());
        }
        showing_ = false;
    }

private:
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
        if (auto* combo = dynamic_cast<DataCombo*>(control_)) {
            connect(combo, &QComboBox::currentTextChanged, this, [this, combo] { write(combo->BoundValue()); });
        } else if (auto* combo = qobject_cast<QComboBox*>(control_)) {
            connect(combo, &QComboBox::currentTextChanged, this, [this](const QString& t) { write(ValueOf(t)); });
        } else if (auto* edit = qobject_cast<QLineEdit*>(control_)) {
            connect(edit, &QLineEdit::textChanged, this, [this](const QString& t) { write(ValueOf(t)); });
        } else if (auto* check = qobject_cast<QCheckBox*>(control_)) {
            connect(check, &QCheckBox::toggled, this, [this](bool on) { write(on); });
        }
    }

    // Runs in a signal of the toolkit, where nothing may escape: an edit
    // the recordset refuses (no current row, a value of the wrong type) is
    // undone on the control.
    void write(const com::Variant& value) {
        if (showing_ || ties_->paused > 0) return;
        ties_->writing = this;
        try {
            recordset_->SetValue(field_, value);
        } catch (...) {
            show();
        }
        ties_->writing = nullptr;
    }

    QWidget* control_;
    RecordsetRef recordset_;
    int32_t field_;
    std::shared_ptr<Ties> ties_;
    bool showing_ = false;
};

void Ties::showAll() const {
    if (paused > 0) return;
    for (Tie* tie : ties)
        if (tie != writing) tie->show();
}

namespace {

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

Pause::Pause(const RecordsetRef& recordset) : ties_(FindTies(recordset)) {
    if (ties_) ++ties_->paused;
}

Pause::~Pause() {
    if (!ties_) return;
    --ties_->paused;
    ties_->showAll();
}

}  // namespace velmar::binding
