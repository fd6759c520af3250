// The list of a window's rows: a view over a recordset, one item per row
// of its view, showing the columns named. It keeps its items in the order
// of the first column as a dictionary of the user's language orders words
// (accents and case as there, not by code point), or in the recordset's
// own order. Its current item follows the recordset's current row; when
// the user (or code) makes another item current, the window is told and
// moves the recordset there.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QLocale>
#include <QTreeView>

#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"

class QSortFilterProxyModel;

namespace velmar {

class RecordsetModel;

class RecordList final : public QTreeView {
    Q_OBJECT

public:
    explicit RecordList(QWidget* parent = nullptr);

    // A column: the field it shows, its header (the field's name when
    // empty) and how a value reads (as its text, a Null as none, when not
    // given).
    struct ListColumn {
        std::string camp;
        QString titol = {};
        std::function<QString(const com::Variant&)> text = {};
    };
    // The columns shown, in this order, equally wide; with one, the list
    // has no header.
    void SetColumns(std::vector<ListColumn> columnes);
    // Sorted by the first column (the default), or in the recordset's order.
    void SetSorted(bool ordenada);
    void SetRecordset(RecordsetRef rows);
    const RecordsetRef& Recordset() const;
    // Called when another item becomes current by the user or by code,
    // not when the list follows the recordset.
    void OnChosen(std::function<void()> handler) { onTria_ = std::move(handler); }

    // As a list box offers them: the items in the list's order.
    int count() const;
    int currentRow() const;  // -1 when no item is current
    void setCurrentRow(int row);
    QString text(int row, int column = 0) const;
    // The item's row in the recordset's view: its AbsolutePosition; 0 for
    // no item.
    int32_t Posicio(int row) const;

private:
    void follow(int recordsetRow);
    void showColumns();
    // Shows the model columns `shown`, in their order, and hides the rest.
    void layOut(const std::vector<int>& shown);
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

    RecordsetModel* model_;
    QSortFilterProxyModel* ordre_;
    std::vector<ListColumn> columnes_;
    int primera_ = 0;  // the model column of the first field shown
    bool ordenada_ = true;
    std::function<void()> onTria_;
    bool seguint_ = false;  // the list is following the recordset
};

// The locale of a language of the session (1 Català, 2 Castellano, 5
// English), with whose words lists are ordered.
QLocale LanguageLocale(int32_t idioma);

}  // namespace velmar
