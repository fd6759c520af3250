#include "core/controls/DataCombo.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include "core/binding/RecordsetModel.h"

namespace velmar {
namespace {

std::string Property(const QWidget* control, const char* name) {
    return control->property(name).toString().toStdString();
}

}  // namespace

// Editable through its own line edit: setEditable would also build the
// popup list of every combo of a window at once, which the combo builds
// when its list is first shown, as it is for the editable combo it then is.
DataCombo::DataCombo(QWidget* parent) : QComboBox(parent) {
    setLineEdit(new QLineEdit(this));
    setInsertPolicy(QComboBox::NoInsert);
}

bool DataCombo::SameKey(const com::Variant& a, const com::Variant& b) {
    if (a.isNull() || b.isNull()) return false;
    if (a.isNumeric() && b.isNumeric()) return a.toDouble() == b.toDouble();
    return a == b;
}

void DataCombo::SetRowSource(const RecordsetRef& rows) {
    subscription_.reset();
    rowSource_ = rows;
    // Told by the recordset, where nothing may escape: a list that cannot
    // be read stays as it was.
    const auto follow = [this] {
        try {
            Refresh();
        } catch (...) {
        }
    };
    if (rowSource_)
        subscription_ = rowSource_->Listen({
            .fieldChanged = [follow](int32_t) { follow(); },
            .rowsChanged = follow,
        });
    Refresh();
}

std::string DataCombo::ListField() const { return Property(this, "ListField"); }
void DataCombo::SetListField(const std::string& field) { setProperty("ListField", QString::fromStdString(field)); }
std::string DataCombo::BoundColumn() const { return Property(this, "BoundColumn"); }
void DataCombo::SetBoundColumn(const std::string& column) {
    setProperty("BoundColumn", QString::fromStdString(column));
}
std::string DataCombo::DataField() const { return Property(this, "DataField"); }
void DataCombo::SetDataField(const std::string& field) { setProperty("DataField", QString::fromStdString(field)); }
std::string DataCombo::RowSourceName() const { return Property(this, "RowSource"); }

void DataCombo::Refresh() {
    const bool typed = !boundValues_.empty() && HoldsUnmatchedCode();
    const QString text = currentText();
    const com::Variant shown = boundValues_.empty() ? given_ : BoundValue();
    // Until both columns are named there is nothing to list.
    QStringList codes;
    std::vector<com::Variant> values;
    if (rowSource_ && !ListField().empty() && !BoundColumn().empty()) {
        const ado::Recordset& rows = *rowSource_;
        for (const com::Variant& code : rows.ColumnValues(rows.FieldIndex(ListField())))
            codes << RecordsetModel::Text(code);
        values = rows.ColumnValues(rows.FieldIndex(BoundColumn()));
    }
    // Filling the list is no edit of the value.
    const QSignalBlocker quiet(this);
    // A filter set on the rows leaves the list as it was: it is not built
    // again.
    if (codes != Items() || values != boundValues_) {
        clear();
        addItems(codes);
        boundValues_ = std::move(values);
    }
    if (typed) {
        setCurrentIndex(-1);
        setEditText(text);
    } else {
        SetBoundValue(shown);
    }
}

QStringList DataCombo::Items() const {
    QStringList items;
    for (int i = 0; i < count(); ++i) items << itemText(i);
    return items;
}

bool DataCombo::MatchedWithList() const { return findText(currentText(), Qt::MatchFixedString) >= 0; }

com::Variant DataCombo::BoundValue() const {
    const int item = findText(currentText(), Qt::MatchFixedString);
    return item >= 0 ? boundValues_[static_cast<size_t>(item)] : com::Variant::Null();
}

void DataCombo::SetBoundValue(const com::Variant& value) {
    given_ = value;
    for (size_t item = 0; item < boundValues_.size(); ++item) {
        if (SameKey(boundValues_[item], value)) {
            setCurrentIndex(static_cast<int>(item));
            return;
        }
    }
    setCurrentIndex(-1);
    setEditText(QString());
}

}  // namespace velmar
