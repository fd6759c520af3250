#include "core/DataCombo.h"

#include <QSignalBlocker>

namespace velmar {
namespace {

constexpr const char* kDataField = "DataField";

QString Text(const com::Variant& value) {
    return value.isNull() ? QString() : QString::fromStdString(value.toString());
}

// A key read as a whole number and the same key held as a double are one.
bool SameValue(const com::Variant& a, const com::Variant& b) {
    if (a.isNull() || b.isNull()) return false;
    if (a.isNumeric() && b.isNumeric()) return a.toDouble() == b.toDouble();
    return a == b;
}

}  // namespace

DataCombo::DataCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

std::string DataCombo::DataField() const { return property(kDataField).toString().toStdString(); }

void DataCombo::SetDataField(const std::string& field) { setProperty(kDataField, QString::fromStdString(field)); }

void DataCombo::Refresh() {
    const com::Variant shown = boundValues_.empty() ? given_ : BoundValue();
    // Filling the list is no edit of the value.
    const QSignalBlocker quiet(this);
    clear();
    boundValues_.clear();
    if (rowSource_) {
        ado::Recordset& rows = *rowSource_;
        const bool onRow = !rows.IsBOF() && !rows.IsEOF();
        const com::Variant position = onRow ? rows.Bookmark() : com::Variant();
        if (rows.RecordCount() > 0) {
            for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) {
                addItem(Text(rows.Value(listField_)));
                boundValues_.push_back(rows.Value(boundColumn_));
            }
        }
        if (onRow) rows.SetBookmark(position);
    }
    SetBoundValue(shown);
}

bool DataCombo::MatchedWithList() const { return findText(currentText(), Qt::MatchFixedString) >= 0; }

com::Variant DataCombo::BoundValue() const {
    const int item = findText(currentText(), Qt::MatchFixedString);
    return item >= 0 ? boundValues_[static_cast<size_t>(item)] : com::Variant::Null();
}

void DataCombo::SetBoundValue(const com::Variant& value) {
    given_ = value;
    for (size_t item = 0; item < boundValues_.size(); ++item) {
        if (SameValue(boundValues_[item], value)) {
            setCurrentIndex(static_cast<int>(item));
            return;
        }
    }
    setCurrentIndex(-1);
    setEditText(QString());
}

}  // namespace velmar
