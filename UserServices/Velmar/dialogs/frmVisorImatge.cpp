#include "dialogs/frmVisorImatge.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <cmath>
#include <memory>

#include "core/Dialegs.h"
#include "core/FormulariObject.h"
#include "core/clsAndamiSistema.h"

namespace velmar {
namespace {

constexpr std::string_view kName = "frmVisorImatge";
constexpr int kGruixBarra = 255;
constexpr int kAmpleTancar = 1215;
constexpr int kAltTancar = 495;

int Rounded(double value) { return static_cast<int>(std::nearbyint(value)); }

// A value as a signed 16-bit integer, rounded to nearest; 6 when out of range.
int Enter16(double value) {
    const double rounded = std::nearbyint(value);
    if (rounded < -32768 || rounded > 32767) com::Raise(com::err::Overflow);
    return static_cast<int>(rounded);
}

// A bar whose range may run from 0 down to a negative end: it then shows
// 0 at its start all the same, so that moving it forward slides the
// picture back.
void FixaBarra(QScrollBar* bar, int max, int largeChange, int smallChange) {
    bar->setInvertedAppearance(max < 0);
    bar->setInvertedControls(max < 0);
    bar->setRange(std::min(0, max), std::max(0, max));
    bar->setPageStep(largeChange);
    bar->setSingleStep(smallChange);
}

}  // namespace

frmVisorImatge::frmVisorImatge(QWidget* parent)
    : QWidget(parent, Qt::Window),
      pictExterior(new QFrame(this)),
      pictInterior(new QLabel(pictExterior)),
      barHoritzontal(new QScrollBar(Qt::Horizontal, this)),
      barVertical(new QScrollBar(Qt::Vertical, this)),
      cmdTancar(dialegs::Control<QPushButton>(this, "cmdTancar")) {
    setObjectName(QString::fromUtf8(kName.data(), kName.size()));
    setAttribute(Qt::WA_DeleteOnClose);
    pictExterior->setObjectName("pictExterior");
    pictInterior->setObjectName("pictInterior");
    barHoritzontal->setObjectName("barHoritzontal");
    barVertical->setObjectName("barVertical");
    connect(cmdTancar, &QPushButton::clicked, this, &QWidget::close);
    // A bar's value is the picture's offset in twips inside the frame.
    connect(barHoritzontal, &QScrollBar::valueChanged, this,
            [this](int value) { pictInterior->move(Rounded(value / twipsPerPixelX_), pictInterior->y()); });
    connect(barVertical, &QScrollBar::valueChanged, this,
            [this](int value) { pictInterior->move(pictInterior->x(), Rounded(value / twipsPerPixelY_)); });
}

void frmVisorImatge::Show() {
    if (!dialegs::Procediment(*this, kName, "IniciFormulari", [this] { IniciFormulari(); }))
        funcions_.EmetError(NumError, UbicacioError, clsAndamiSistema::Instance().Idioma());
    show();
}

frmVisorImatge::Disposicio frmVisorImatge::Disposa(const Pantalla& pantalla, int ampleTwips, int altTwips,
                                                   double ampleHimetric, double altHimetric) {
    Disposicio d;
    d.marge = Rounded(pantalla.ampladaPixels * pantalla.twipsPerPixelX * 100 / 11520);
    const int maxAmple = Rounded(pantalla.ampladaPixels * 0.95 * pantalla.twipsPerPixelX);
    const int maxAlt = Rounded(pantalla.alcadaPixels * 0.78 * pantalla.twipsPerPixelY);

    // The picture's own size is in HIMETRIC units while the limits are in
    // twips: a picture may reach the limit before its twips do.
    int margeHoritzontal = 0;
    d.barHoritzontalVisible = Rounded(ampleHimetric) >= maxAmple;
    if (d.barHoritzontalVisible) margeHoritzontal = kGruixBarra + d.marge;
    d.amplePictExterior = d.barHoritzontalVisible ? maxAmple : ampleTwips;

    int margeVertical = 0;
    d.barVerticalVisible = Rounded(altHimetric) >= maxAlt;
    if (d.barVerticalVisible) margeVertical = kGruixBarra + d.marge;
    d.altPictExterior = d.barVerticalVisible ? maxAlt : altTwips;

    d.topBarHoritzontal = d.altPictExterior + d.marge;
    d.leftBarVertical = d.amplePictExterior + d.marge;
    d.topTancar = d.altPictExterior + d.marge + margeHoritzontal;
    d.leftTancar = d.amplePictExterior - kAmpleTancar;
    d.ampleFinestra = d.amplePictExterior + 2 * d.marge + margeVertical;
    d.altFinestra = d.altPictExterior + 100 + kAltTancar + margeHoritzontal + 5 * d.marge;
    return d;
}

void frmVisorImatge::IniciFormulari() {
    rstRecordsetIdioma_ = funcions_.TradueixFormulariIdioma(std::make_shared<FormulariObject>(this),
                                                            clsAndamiSistema::Instance().Idioma());
    dialegs::PropagaError(*this, funcions_);

    const QPixmap picture(QString::fromStdString(strNomArxiuImatge));
    if (picture.isNull()) com::Raise(com::err::InvalidPicture);
    pictInterior->setPixmap(picture);
    pictInterior->resize(picture.size());

    const QScreen* screen = QGuiApplication::primaryScreen();
    twipsPerPixelX_ = 1440.0 / screen->logicalDotsPerInchX();
    twipsPerPixelY_ = 1440.0 / screen->logicalDotsPerInchY();
    const Pantalla pantalla{screen->geometry().width(), screen->geometry().height(), twipsPerPixelX_,
                            twipsPerPixelY_};
    // HIMETRIC: hundredths of a millimetre; 2540 to the inch as 1440 twips.
    const double ampleTwips = picture.width() * twipsPerPixelX_;
    const double altTwips = picture.height() * twipsPerPixelY_;
    const Disposicio d =
        Disposa(pantalla, Rounded(ampleTwips), Rounded(altTwips), ampleTwips * 2540 / 1440, altTwips * 2540 / 1440);

    const auto x = [this](int twips) { return Rounded(twips / twipsPerPixelX_); };
    const auto y = [this](int twips) { return Rounded(twips / twipsPerPixelY_); };
    pictExterior->setGeometry(0, 0, x(d.amplePictExterior), y(d.altPictExterior));
    barHoritzontal->setVisible(d.barHoritzontalVisible);
    barVertical->setVisible(d.barVerticalVisible);
    barHoritzontal->setGeometry(0, y(d.topBarHoritzontal), x(d.amplePictExterior), y(kGruixBarra));
    barVertical->setGeometry(x(d.leftBarVertical), 0, x(kGruixBarra), y(d.altPictExterior));
    cmdTancar->setGeometry(x(d.leftTancar), y(d.topTancar), x(kAmpleTancar), y(kAltTancar));
    resize(x(d.ampleFinestra), y(d.altFinestra));

    FixaBarresDesplacament();
    if (NumError != 0) com::Raise(NumError);
}

void frmVisorImatge::FixaBarresDesplacament() {
    dialegs::Procediment(*this, kName, "FixaBarresDesplacament", [this] {
        // The frame has no border: its inner size is its outer size.
        const double frameAlt = pictExterior->height() * twipsPerPixelY_;
        const double frameAmple = pictExterior->width() * twipsPerPixelX_;
        FixaBarra(barVertical, Enter16(frameAlt - pictInterior->height() * twipsPerPixelY_), Enter16(frameAlt),
                  Enter16(frameAlt / 5));
        FixaBarra(barHoritzontal, Enter16(frameAmple - pictInterior->width() * twipsPerPixelX_),
                  Enter16(frameAmple), Enter16(frameAmple / 5));
    });
}

}  // namespace velmar
