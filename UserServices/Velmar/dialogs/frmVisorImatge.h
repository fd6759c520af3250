// The image viewer: one photo at its natural size, in a window that grows
// with the picture up to a share of the screen and scrolls beyond it. Each
// photo opens a viewer of its own, without modality.
#pragma once

#include <QSize>
#include <QWidget>
#include <string>

#include "core/services/ImageViewer.h"
#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"

class QLabel;
class QPushButton;
class QScrollArea;

namespace velmar {

class frmVisorImatge final : public QWidget, public ImageViewer {
public:
    explicit frmVisorImatge(QWidget* parent = nullptr);

    void Show() override;

    // The most of a screen of that size, in pixels, that the picture's
    // frame takes: 95 % of its width and 78 % of its height. A larger
    // picture scrolls inside a frame of this size.
    static QSize MidaMaxima(const QSize& pantalla);

private:
    void IniciFormulari();

    clsFuncionsCapaInterficie funcions_;
    RecordsetRef rstRecordsetIdioma_;
    QScrollArea* pictExterior;
    QLabel* pictInterior;
    QPushButton* cmdTancar;
};

}  // namespace velmar
