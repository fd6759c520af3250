#include "core/binding/RecordsetModel.h"

#include "core/services/Numbers.h"

namespace velmar {

RecordsetModel::RecordsetModel(QObject* parent) : QAbstractTableModel(parent) {}

void RecordsetModel::SetRecordset(RecordsetRef rows, std::map<int, Presentation> presentacions) {
    beginResetModel();
    subscription_.reset();
    rows_ = std::move(rows);
    presentacions_ = std::move(presentacions);
    if (rows_) {
        subscription_ = rows_->Listen({
            .currentRowChanged = [this] { currentRowMoved(); },
            .fieldChanged =
                [this](int32_t field) {
                    const int row = CurrentRow();
                    if (row >= 0) emit dataChanged(index(row, field), index(row, field));
                },
            .rowsChanged = [this] { reset(); },
        });
    }
    endResetModel();
}

int RecordsetModel::Column(std::string_view field) const {
    if (!rows_) return -1;
    for (int c = 0; c < columnCount(); ++c)
        if (com::SameName(rows_->Field(c).name, field)) return c;
    return -1;
}

int RecordsetModel::CurrentRow() const {
    if (!rows_) return -1;
    const int32_t position = rows_->AbsolutePosition();
    return position >= 1 ? position - 1 : -1;
}

QString RecordsetModel::Text(const com::Variant& value) { return FormatNumber(value); }

QModelIndex RecordsetModel::index(int row, int column, const QModelIndex& parent) const {
    if (!rows_ || parent.isValid() || row < 0 || column < 0 || row >= rows_->RecordCount() ||
        column >= rows_->FieldCount())
        return {};
    return createIndex(row, column);
}

int RecordsetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !rows_ ? 0 : rows_->RecordCount();
}

int RecordsetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !rows_ ? 0 : rows_->FieldCount();
}

QVariant RecordsetModel::data(const QModelIndex& index, int role) const {
    if (!rows_ || !index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
    try {
        const com::Variant value = rows_->ValueAt(index.row() + 1, index.column());
        const auto presentacio = presentacions_.find(index.column());
        return presentacio != presentacions_.end() && presentacio->second.text ? presentacio->second.text(value)
                                                                              : Text(value);
    } catch (...) {
        // A row that left the view before the views heard of it.
        return {};
    }
}

QVariant RecordsetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (!rows_ || orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= columnCount()) return {};
    const auto presentacio = presentacions_.find(section);
    if (presentacio != presentacions_.end() && !presentacio->second.titol.isEmpty()) return presentacio->second.titol;
    return QString::fromStdString(rows_->Field(section).name);
}

void RecordsetModel::SetPresentations(std::map<int, Presentation> presentacions) {
    presentacions_ = std::move(presentacions);
    if (columnCount() == 0) return;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

// Rows came or went: the views read everything again. The recordset tells
// after the change, so both ends of the reset come together.
void RecordsetModel::reset() {
    beginResetModel();
    endResetModel();
}

// The row moved to, or the values of the row put back: shown again.
void RecordsetModel::currentRowMoved() {
    const int row = CurrentRow();
    if (row >= 0) emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    if (onCurrentRowChanged_) onCurrentRowChanged_(row);
}

}  // namespace velmar
