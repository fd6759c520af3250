#include "core/LlistaRegistres.h"

#include <algorithm>

#include <QCollator>
#include <QHeaderView>
#include <QSortFilterProxyModel>

#include "core/RecordsetModel.h"
#include "core/clsAndamiSistema.h"

namespace velmar {
namespace {

// Orders the rows by the text of a column as the user's language does; rows
// of the same text keep the recordset's order.
class OrdreIdioma final : public QSortFilterProxyModel {
public:
    explicit OrdreIdioma(QObject* parent) : QSortFilterProxyModel(parent) {}

    void SetIdioma(int32_t idioma) { collator_ = QCollator(LocaleIdioma(idioma)); }

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
        const int order = collator_.compare(left.data().toString(), right.data().toString());
        return order != 0 ? order < 0 : left.row() < right.row();
    }

private:
    QCollator collator_;
};

}  // namespace

QLocale LocaleIdioma(int32_t idioma) {
    switch (idioma) {
        case 2: return QLocale(QLocale::Spanish, QLocale::Spain);
        case 5: return QLocale(QLocale::English, QLocale::UnitedKingdom);
        default: return QLocale(QLocale::Catalan, QLocale::Spain);
    }
}

LlistaRegistres::LlistaRegistres(QWidget* parent)
    : QTreeView(parent), model_(new RecordsetModel(this)), ordre_(new OrdreIdioma(this)) {
    ordre_->setSourceModel(model_);
    ordre_->setDynamicSortFilter(true);
    setModel(ordre_);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    header()->setStretchLastSection(true);
    SetOrdenada(true);
    model_->OnCurrentRowChanged([this](int row) { follow(row); });
    // Rows read again: the current item is the recordset's current row.
    connect(ordre_, &QAbstractItemModel::modelReset, this, [this] { follow(model_->CurrentRow()); });
}

void LlistaRegistres::SetColumnes(std::vector<Columna> columnes) {
    columnes_ = std::move(columnes);
    showColumns();
}

void LlistaRegistres::SetOrdenada(bool ordenada) {
    ordenada_ = ordenada;
    static_cast<OrdreIdioma*>(ordre_)->SetIdioma(clsAndamiSistema::Instance().Idioma());
    ordre_->sort(ordenada_ ? primera_ : -1);
}

void LlistaRegistres::SetRecordset(RecordsetRef rows) {
    model_->SetRecordset(std::move(rows));
    showColumns();
}

const RecordsetRef& LlistaRegistres::Recordset() const { return model_->Recordset(); }

int LlistaRegistres::count() const { return ordre_->rowCount(); }

int LlistaRegistres::currentRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }

void LlistaRegistres::setCurrentRow(int row) {
    setCurrentIndex(row >= 0 && row < count() ? ordre_->index(row, primera_) : QModelIndex());
}

QString LlistaRegistres::text(int row, int column) const {
    if (column < 0 || column >= static_cast<int>(columnes_.size())) return {};
    return ordre_->index(row, model_->Column(columnes_[static_cast<size_t>(column)].camp)).data().toString();
}

int32_t LlistaRegistres::Posicio(int row) const {
    if (row < 0 || row >= count()) return 0;
    return ordre_->mapToSource(ordre_->index(row, primera_)).row() + 1;
}

// The columns named are shown, in their order, and the order of the list
// is that of the first of them.
void LlistaRegistres::showColumns() {
    const int fields = model_->columnCount();
    std::vector<int> shown;
    std::map<int, RecordsetModel::Presentacio> presentacions;
    for (const Columna& columna : columnes_) {
        const int c = model_->Column(columna.camp);
        if (c < 0) continue;
        shown.push_back(c);
        presentacions[c] = {columna.titol, columna.text};
    }
    model_->SetPresentacions(std::move(presentacions));
    for (int c = 0; c < fields; ++c) setColumnHidden(c, std::find(shown.begin(), shown.end(), c) == shown.end());
    for (size_t i = 0; i < shown.size(); ++i)
        header()->moveSection(header()->visualIndex(shown[i]), static_cast<int>(i));
    setHeaderHidden(shown.size() < 2);
    header()->setSectionResizeMode(shown.size() < 2 ? QHeaderView::Interactive : QHeaderView::Stretch);
    primera_ = shown.empty() ? 0 : shown.front();
    ordre_->sort(ordenada_ ? primera_ : -1);
}

void LlistaRegistres::follow(int recordsetRow) {
    seguint_ = true;
    const QModelIndex item =
        recordsetRow >= 0 ? ordre_->mapFromSource(model_->index(recordsetRow, primera_)) : QModelIndex();
    if (item.isValid())
        setCurrentIndex(item);
    else
        selectionModel()->clear();
    seguint_ = false;
}

void LlistaRegistres::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTreeView::currentChanged(current, previous);
    if (!seguint_ && current.isValid() && current.row() != previous.row() && onTria_) onTria_();
}

}  // namespace velmar
