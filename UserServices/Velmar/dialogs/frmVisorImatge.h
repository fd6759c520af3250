// The image viewer: one photo at its natural size, in a window that grows
// with the picture up to a share of the screen and scrolls beyond it. Each
// photo opens a viewer of its own, without modality.
#pragma once

#include <QWidget>
#include <string>

#include "Base/Trail.h"
#include "core/clsFuncionsCapaInterficie.h"

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

namespace velmar {

class frmVisorImatge final : public QWidget, public base::ErrorFields {
public:
    explicit frmVisorImatge(QWidget* parent = nullptr);

    // Set by the opener before Show.
    std::string strNomArxiuImatge;

    // Runs the start-up and shows the window; a failed start-up has shown
    // its error and leaves NumError set for the opener.
    void Show();

    // The screen the window is laid out for.
    struct Pantalla {
        int ampladaPixels = 0;
        int alcadaPixels = 0;
        double twipsPerPixelX = 15;
        double twipsPerPixelY = 15;
    };
    // Where the controls go, in twips, for a picture of the given size in
    // twips and in HIMETRIC units (the limits are compared with the latter).
    struct Disposicio {
        int marge = 0;
        int amplePictExterior = 0, altPictExterior = 0;
        bool barHoritzontalVisible = false, barVerticalVisible = false;
        int topBarHoritzontal = 0, leftBarVertical = 0;
        int topTancar = 0, leftTancar = 0;
        int ampleFinestra = 0, altFinestra = 0;
    };
    static Disposicio Disposa(const Pantalla& pantalla, int ampleTwips, int altTwips, double ampleHimetric,
                              double altHimetric);

private:
    void IniciFormulari();
    void FixaBarresDesplacament();

    clsFuncionsCapaInterficie funcions_;
    RecordsetRef rstRecordsetIdioma_;
    double twipsPerPixelX_ = 15, twipsPerPixelY_ = 15;
    QFrame* pictExterior;
    QLabel* pictInterior;
    QScrollBar* barHoritzontal;
    QScrollBar* barVertical;
    QPushButton* cmdTancar;
};

}  // namespace velmar
