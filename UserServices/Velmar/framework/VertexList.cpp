#include "framework/VertexList.h"

#include <QHeaderView>

#include "core/binding/RecordsetModel.h"
#include "framework/DataWindow.h"

namespace velmar {
namespace {

constexpr const char* kTaula = "rstRecordsetPunts";
constexpr int kClau = Qt::UserRole;

}  // namespace

VertexList::VertexList(DataWindow& finestra, Declaration declaracio)
    : QTreeWidget(&finestra), finestra_(finestra), declaracio_(std::move(declaracio)) {
    setObjectName(QStringLiteral("lstPunts"));
    finestra_.AddTable({.recordset = kTaula});
    // Until the window sets them, each header reads its default.
    QStringList headers;
    for (const ListColumn& columna : declaracio_.columnes) headers << QString::fromUtf8(columna.defecte);
    setHeaderLabels(headers);
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Wide enough for a coordinate in metres with its decimals in each
    // column.
    const int columna = fontMetrics().horizontalAdvance(QStringLiteral("4581472.25")) + 24;
    for (int i = 0; i < columnCount(); ++i) header()->resizeSection(i, columna);
    setMinimumWidth(columna * columnCount() + 8);
}

void VertexList::ConfiguraLlistaPunts() {
    finestra_.Inner("ConfiguraLlistaPunts", [this] {
        for (int i = 0; i < static_cast<int>(declaracio_.columnes.size()); ++i) {
            const ListColumn& columna = declaracio_.columnes[i];
            headerItem()->setText(i, QString::fromStdString(finestra_.MessageOrDefault(columna.codi, columna.defecte)));
        }
    });
}

void VertexList::ReadCurrentVertices() {
    const auto obte = [this] {
        // A row added and not yet saved has no key: it has no vertices.
        const Table& actual = finestra_.rstRecordsetActual;
        const bool ambClau = actual.RowCount() > 0 && !actual->IsBOF() && !actual->IsEOF() &&
                             !actual->Value(declaracio_.clau).isNull();
        const com::Variant xml = ambClau
                                     ? finestra_.CallSupport(declaracio_.llista, {actual->Value(declaracio_.clau).toLong()})
                                     : finestra_.CallSupport(declaracio_.buida);
        finestra_.SetRows(*finestra_.TableByName(kTaula), finestra_.objFuncionsCapaInterficie.PassaXMLARecordset(xml));
        RefrescaLlistaGIS();
    };
    if (declaracio_.obte) finestra_.Inner(declaracio_.obte, obte);
    else obte();
}

void VertexList::RefrescaLlistaGIS() {
    finestra_.Inner("RefrescaLlistaGIS", [this] {
        clear();
        ado::Recordset& punts = **finestra_.TableByName(kTaula);
        if (punts.RecordCount() == 0) return;
        std::vector<int32_t> camps;
        for (const ListColumn& columna : declaracio_.columnes) camps.push_back(punts.FieldIndex(columna.camp));
        for (punts.MoveFirst(); !punts.IsEOF(); punts.MoveNext()) {
            auto* item = new QTreeWidgetItem(this);
            item->setData(0, kClau, QStringLiteral("Clau%1").arg(punts.AbsolutePosition()));
            for (int i = 0; i < static_cast<int>(camps.size()); ++i) item->setText(i, RecordsetModel::Text(punts.Value(camps[i])));
        }
        setCurrentItem(topLevelItem(0));
    });
}

QString VertexList::Clau(int index) const {
    const QTreeWidgetItem* item = topLevelItem(index);
    return item ? item->data(0, kClau).toString() : QString();
}

}  // namespace velmar
