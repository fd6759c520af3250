#include "core/controls/RecordList.h"

#include <algorithm>
#include <numeric>

#include <QCollator>
#include <QHeaderView>
#include <QSortFilterProxyModel>

#include "core/binding/RecordsetModel.h"
#include "core/services/clsAndamiSistema.h"

namespace velmar {
namespace {

// Orders the rows by the text of a column as the user's language does; rows
// of the same text keep the recordset's order. The order is found once,
// when the rows are first sorted, and the rows are sorted when they are
// read and when the column changes, not again at every change of a value (a
// list follows the recordset's rows, which a save reads again).
class OrdreIdioma final : public QSortFilterProxyModel {
public:
    explicit OrdreIdioma(QObject* parent) : QSortFilterProxyModel(parent) { setDynamicSortFilter(false); }

    void SetIdioma(int32_t idioma) {
        collator_ = QCollator(LanguageLocale(idioma));
        llocs_.clear();
    }
    void setSourceModel(QAbstractItemModel* model) override {
        QSortFilterProxyModel::setSourceModel(model);
        // The order of rows that changed, came or went is found again.
        const auto oblida = [this] { llocs_.clear(); };
        connect(model, &QAbstractItemModel::modelAboutToBeReset, this, oblida);
        connect(model, &QAbstractItemModel::layoutAboutToBeChanged, this, oblida);
        connect(model, &QAbstractItemModel::rowsAboutToBeInserted, this, oblida);
        connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, oblida);
        connect(model, &QAbstractItemModel::dataChanged, this, oblida);
        // Rows read again are sorted once.
        connect(model, &QAbstractItemModel::modelReset, this, [this] {
            if (sortColumn() >= 0) Ordena(sortColumn());
        });
    }
    // Sorts by `column`; -1: the recordset's order.
    void Ordena(int column) {
        llocs_.clear();
        sort(column);
    }

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
        if (llocs_.empty()) Llocs(left.column());
        return llocs_[static_cast<size_t>(left.row())] < llocs_[static_cast<size_t>(right.row())];
    }

private:
    // The place of each row of the recordset's view in the language's
    // order. Rows come in the order of their query, most often the order
    // of the language already or close to it: each stretch in order is
    // found once and the stretches are merged, so that rows in order cost
    // one comparison each.
    void Llocs(int column) const {
        const int rows = sourceModel()->rowCount();
        std::vector<QString> textos;
        textos.reserve(static_cast<size_t>(rows));
        for (int row = 0; row < rows; ++row)
            textos.push_back(sourceModel()->index(row, column).data().toString());
        const auto abans = [&](int a, int b) { return collator_.compare(textos[a], textos[b]) < 0; };
        std::vector<int> ordre(static_cast<size_t>(rows));
        std::iota(ordre.begin(), ordre.end(), 0);
        std::vector<int> trams = {0};
        for (int row = 1; row < rows; ++row)
            if (abans(row, row - 1)) trams.push_back(row);
        trams.push_back(rows);
        // Merged two by two, each merge keeping rows of the same text in
        // their order.
        while (trams.size() > 2) {
            std::vector<int> fusionats;
            for (size_t t = 0; t + 1 < trams.size(); t += 2) {
                fusionats.push_back(trams[t]);
                if (t + 2 < trams.size())
                    std::inplace_merge(ordre.begin() + trams[t], ordre.begin() + trams[t + 1],
                                       ordre.begin() + trams[t + 2], abans);
            }
            fusionats.push_back(rows);
            trams = std::move(fusionats);
        }
        llocs_.assign(static_cast<size_t>(rows), 0);
        for (int lloc = 0; lloc < rows; ++lloc) llocs_[static_cast<size_t>(ordre[static_cast<size_t>(lloc)])] = lloc;
    }

    QCollator collator_;
    mutable std::vector<int> llocs_;  // by row of the recordset's view
};

OrdreIdioma* Ordre(QSortFilterProxyModel* ordre) { return static_cast<OrdreIdioma*>(ordre); }

// The model columns of the `columnes` that `rows` has, in their order, and
// how each reads.
std::vector<int> Mostrades(const std::vector<RecordList::ListColumn>& columnes, const ado::Recordset* rows,
                           std::map<int, RecordsetModel::Presentation>& presentacions) {
    std::vector<int> shown;
    if (!rows) return shown;
    const std::vector<ado::FieldInfo>& fields = rows->Fields();
    for (const RecordList::ListColumn& columna : columnes) {
        const auto field = std::find_if(fields.begin(), fields.end(),
                                        [&](const ado::FieldInfo& f) { return com::SameName(f.name, columna.camp); });
        if (field == fields.end()) continue;
        const int c = static_cast<int>(field - fields.begin());
        shown.push_back(c);
        presentacions[c] = {columna.titol, columna.text};
    }
    return shown;
}

}  // namespace

QLocale LanguageLocale(int32_t idioma) {
    switch (idioma) {
        case 2: return QLocale(QLocale::Spanish, QLocale::Spain);
        case 5: return QLocale(QLocale::English, QLocale::UnitedKingdom);
        default: return QLocale(QLocale::Catalan, QLocale::Spain);
    }
}

RecordList::RecordList(QWidget* parent)
    : QTreeView(parent), model_(new RecordsetModel(this)), ordre_(new OrdreIdioma(this)) {
    ordre_->setSourceModel(model_);
    setModel(ordre_);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    header()->setStretchLastSection(true);
    SetSorted(true);
    model_->OnCurrentRowChanged([this](int row) { follow(row); });
    // Rows read again: the current item is the recordset's current row.
    connect(ordre_, &QAbstractItemModel::modelReset, this, [this] { follow(model_->CurrentRow()); });
}

void RecordList::SetColumns(std::vector<ListColumn> columnes) {
    columnes_ = std::move(columnes);
    showColumns();
}

void RecordList::SetSorted(bool ordenada) {
    ordenada_ = ordenada;
    Ordre(ordre_)->SetIdioma(clsAndamiSistema::Instance().Idioma());
    Ordre(ordre_)->Ordena(ordenada_ ? primera_ : -1);
}

void RecordList::SetRecordset(RecordsetRef rows) {
    // The rows come with how their columns read, and the list sorts them
    // once, when they are read, by the column it sorts by already.
    std::map<int, RecordsetModel::Presentation> presentacions;
    const std::vector<int> shown = Mostrades(columnes_, rows.get(), presentacions);
    const int column = !ordenada_ ? -1 : shown.empty() ? 0 : shown.front();
    if (column != ordre_->sortColumn()) Ordre(ordre_)->Ordena(column);
    model_->SetRecordset(std::move(rows), std::move(presentacions));
    layOut(shown);
}

const RecordsetRef& RecordList::Recordset() const { return model_->Recordset(); }

int RecordList::count() const { return ordre_->rowCount(); }

int RecordList::currentRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }

void RecordList::setCurrentRow(int row) {
    setCurrentIndex(row >= 0 && row < count() ? ordre_->index(row, primera_) : QModelIndex());
}

QString RecordList::text(int row, int column) const {
    if (column < 0 || column >= static_cast<int>(columnes_.size())) return {};
    return ordre_->index(row, model_->Column(columnes_[static_cast<size_t>(column)].camp)).data().toString();
}

int32_t RecordList::Posicio(int row) const {
    if (row < 0 || row >= count()) return 0;
    return ordre_->mapToSource(ordre_->index(row, primera_)).row() + 1;
}

// The columns named are shown, in their order, and the order of the list
// is that of the first of them.
void RecordList::showColumns() {
    std::map<int, RecordsetModel::Presentation> presentacions;
    const std::vector<int> shown = Mostrades(columnes_, model_->Recordset().get(), presentacions);
    model_->SetPresentations(std::move(presentacions));
    layOut(shown);
    // Their texts may read otherwise now: sorted again.
    Ordre(ordre_)->Ordena(ordenada_ ? primera_ : -1);
}

void RecordList::layOut(const std::vector<int>& shown) {
    const int fields = model_->columnCount();
    for (int c = 0; c < fields; ++c) setColumnHidden(c, std::find(shown.begin(), shown.end(), c) == shown.end());
    for (size_t i = 0; i < shown.size(); ++i)
        header()->moveSection(header()->visualIndex(shown[i]), static_cast<int>(i));
    setHeaderHidden(shown.size() < 2);
    header()->setSectionResizeMode(shown.size() < 2 ? QHeaderView::Interactive : QHeaderView::Stretch);
    primera_ = shown.empty() ? 0 : shown.front();
}

void RecordList::follow(int recordsetRow) {
    seguint_ = true;
    const QModelIndex item =
        recordsetRow >= 0 ? ordre_->mapFromSource(model_->index(recordsetRow, primera_)) : QModelIndex();
    if (item.isValid())
        setCurrentIndex(item);
    else
        selectionModel()->clear();
    seguint_ = false;
}

void RecordList::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTreeView::currentChanged(current, previous);
    if (!seguint_ && current.isValid() && current.row() != previous.row() && onTria_) onTria_();
}

}  // namespace velmar
