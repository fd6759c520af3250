// A Qt table model over a recordset: one row per row of its view, one
// column per field, each value as text (a Null as empty text). It follows
// the recordset as rows come and go and values change, and tells when the
// current row moves, so that lists and their selection follow the same
// recordset that the bound controls show.
#pragma once

#include <functional>
#include <map>
#include <string_view>

#include <QAbstractTableModel>

#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"

namespace velmar {

class RecordsetModel final : public QAbstractTableModel {
public:
    explicit RecordsetModel(QObject* parent = nullptr);

    // How a column reads, when not as the field's name and Text(): its
    // header, and the text of each value.
    struct Presentation {
        QString titol;
        std::function<QString(const com::Variant&)> text;
    };

    // The recordset shown, with how its columns read (SetPresentations);
    // none shows nothing.
    void SetRecordset(RecordsetRef rows, std::map<int, Presentation> presentacions = {});
    const RecordsetRef& Recordset() const { return rows_; }
    // The column of a field; -1 when the recordset has none of that name.
    int Column(std::string_view field) const;
    // The model row of the recordset's current row; -1 when there is none.
    int CurrentRow() const;
    // Called after the recordset's current row moved, with CurrentRow().
    void OnCurrentRowChanged(std::function<void(int row)> handler) { onCurrentRowChanged_ = std::move(handler); }

    // The text a value shows: empty for a Null, a number as the user's
    // language writes it (core/services/Numbers.h).
    static QString Text(const com::Variant& value);

    // By column; the others read as they are.
    void SetPresentations(std::map<int, Presentation> presentacions);

    // Asked twice at every comparison of a sort: answered without the
    // generic checks' calls back into the model.
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void reset();
    void currentRowMoved();

    RecordsetRef rows_;
    std::map<int, Presentation> presentacions_;
    ado::Subscription subscription_;
    std::function<void(int)> onCurrentRowChanged_;
};

}  // namespace velmar
