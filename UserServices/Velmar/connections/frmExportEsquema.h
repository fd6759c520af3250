// The picture of an element tree: a copy of the tree with every node
// expanded, drawn as lines and texts at a fixed width and as tall as its
// nodes need, and saved as a Windows bitmap file whatever the path's
// extension. The program never shows it: the service-connection window
// creates one for each export, calls GravarEsquema and reads its error.
#pragma once

#include <QImage>
#include <QWidget>
#include <string>

#include "Base/Trail.h"

class QLabel;
class QTreeWidget;

namespace velmar {

class frmExportEsquema final : public QWidget, public base::ErrorFields {
public:
    explicit frmExportEsquema(QWidget* parent = nullptr);

    // Set by the caller: the tree to export and the file to write.
    const QTreeWidget* EsquemaOriginal = nullptr;
    std::string strRutaArxiu;

    // The whole export: copy, draw, save. A failure is kept in NumError
    // and UbicacioError, shown by no one here.
    void GravarEsquema();
    // Copies EsquemaOriginal into trvExportar, parent before children,
    // every node expanded.
    void CopiaTreeview();

    // The picture the last export drew.
    const QImage& Imatge() const { return imatge_; }

    // The picture's width, in pixels: fixed, whatever the tree.
    static constexpr int kAmplada = 433;

private:
    void Dibuixa();

    QLabel* pctDeviceContext;
    QTreeWidget* trvExportar;
    QImage imatge_;
};

}  // namespace velmar
