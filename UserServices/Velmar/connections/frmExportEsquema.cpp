#include "connections/frmExportEsquema.h"

#include <QLabel>
#include <QPainter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <map>

#include "Base/Guard.h"
#include "connections/ElementTree.h"
#include "core/services/Pictures.h"

namespace velmar {
namespace {

constexpr std::string_view kName = "frmExportEsquema";
constexpr base::Location kAqui{base::label::Velmar, kName};

// The measures of the drawing, in pixels.
constexpr int kMarge = 4;    // inside the border
constexpr int kSagnat = 19;  // from one level to the next
constexpr int kTraca = 12;   // the line from a child's parent to its text

struct Fila {
    const QTreeWidgetItem* node;
    int nivell;
    int pare;  // the row of its parent; -1 at the top level
};

// The nodes as the drawing shows them, top to bottom: each followed by its
// children, every node expanded.
std::vector<Fila> Files(const QTreeWidget& tree) {
    std::vector<Fila> files;
    const auto add = [&files](auto& self, const QTreeWidgetItem* node, int nivell, int pare) -> void {
        const int fila = static_cast<int>(files.size());
        files.push_back({node, nivell, pare});
        for (int i = 0; i < node->childCount(); ++i) self(self, node->child(i), nivell + 1, fila);
    };
    for (int i = 0; i < tree.topLevelItemCount(); ++i) add(add, tree.topLevelItem(i), 0, -1);
    return files;
}

// The root above a node.
const QTreeWidgetItem* Arrel(const QTreeWidgetItem* node) {
    while (node->parent()) node = node->parent();
    return node;
}

}  // namespace

frmExportEsquema::frmExportEsquema(QWidget* parent)
    : QWidget(parent), pctDeviceContext(new QLabel(this)), trvExportar(new QTreeWidget(this)) {
    setObjectName(QString::fromUtf8(kName.data(), kName.size()));
    pctDeviceContext->setObjectName("pctDeviceContext");
    trvExportar->setObjectName("trvExportar");
    trvExportar->setHeaderHidden(true);
    trvExportar->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pctDeviceContext);
}

void frmExportEsquema::CopiaTreeview() {
    base::Guard(*this, kAqui, "CopiaTreeview", [this] {
        if (!EsquemaOriginal) com::Raise(base::err::ObjectRequired);
        trvExportar->clear();
        std::map<QString, QTreeWidgetItem*> copies;  // by key
        QTreeWidgetItem* last = nullptr;
        // The source's nodes parent before children, as they were added.
        for (const Fila& fila : Files(*EsquemaOriginal)) {
            const QTreeWidgetItem* node = fila.node;
            const QString key = node->data(0, element_tree::kClau).toString();
            QTreeWidgetItem* copy = nullptr;
            // A node whose text is its root's stands at the top level, as
            // the root does.
            if (node->text(0) != Arrel(node)->text(0)) {
                const auto parent = copies.find(node->parent()->data(0, element_tree::kClau).toString());
                if (parent == copies.end()) com::Raise(base::err::InvalidProcedureCall);
                copy = new QTreeWidgetItem(parent->second);
            } else {
                copy = new QTreeWidgetItem(trvExportar);
            }
            copy->setText(0, node->text(0));
            copy->setData(0, element_tree::kClau, key);
            copy->setExpanded(true);
            copies[key] = copy;
            last = copy;
        }
        if (last) trvExportar->scrollToItem(last);
    });
}

void frmExportEsquema::GravarEsquema() {
    base::Guard(*this, kAqui, "GravarEsquema", [this] {
        CopiaTreeview();
        Dibuixa();
        pctDeviceContext->setPixmap(QPixmap::fromImage(imatge_));
        WritePicture(imatge_, strRutaArxiu, "BMP");
    });
}

// Lines and texts only: no signs to open or close a node, no pictures, a
// single border; as wide as the tree was designed, as tall as its nodes.
void frmExportEsquema::Dibuixa() {
    const std::vector<Fila> files = Files(*trvExportar);
    const QFontMetrics metrics(font());
    const int alcadaFila = metrics.height() + 4;
    const int alcada = 2 * (kMarge + 1) + alcadaFila * std::max<int>(1, static_cast<int>(files.size()));
    imatge_ = QImage(kAmplada, alcada, QImage::Format_RGB32);
    if (imatge_.isNull()) com::Raise(base::err::OutOfMemory);
    imatge_.fill(Qt::white);

    QPainter painter(&imatge_);
    painter.setFont(font());
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, kAmplada - 1, alcada - 1);
    const auto text = [](int nivell) { return 1 + kMarge + nivell * kSagnat + kTraca; };
    const auto mig = [alcadaFila](int fila) { return 1 + kMarge + fila * alcadaFila + alcadaFila / 2; };
    for (size_t i = 0; i < files.size(); ++i) {
        const Fila& fila = files[i];
        const int y = mig(static_cast<int>(i));
        if (fila.pare >= 0) {
            // Down from under the parent's text, then across to this one.
            const int x = text(fila.nivell - 1) + 4;
            painter.setPen(Qt::darkGray);
            painter.drawLine(x, mig(fila.pare) + metrics.height() / 2, x, y);
            painter.drawLine(x, y, text(fila.nivell) - 3, y);
            painter.setPen(Qt::black);
        }
        painter.drawText(
            QRect(text(fila.nivell), y - alcadaFila / 2, kAmplada - text(fila.nivell) - kMarge, alcadaFila),
            Qt::AlignVCenter | Qt::AlignLeft, fila.node->text(0));
    }
}

}  // namespace velmar
