#include "dialogs/frmVisorImatge.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

#include "core/services/Dialogs.h"
#include "core/binding/WindowObject.h"
#include "core/services/Pictures.h"
#include "core/services/Procedure.h"
#include "core/services/clsAndamiSistema.h"

namespace velmar {
namespace {

constexpr std::string_view kName = "frmVisorImatge";

}  // namespace

std::unique_ptr<ImageViewer> NewImageViewer() {
    auto viewer = std::make_unique<frmVisorImatge>();
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    return viewer;
}

frmVisorImatge::frmVisorImatge(QWidget* parent)
    : QWidget(parent, Qt::Window),
      pictExterior(new QScrollArea(this)),
      pictInterior(new QLabel),
      cmdTancar(dialogs::Control<QPushButton>(this, "cmdTancar")) {
    setObjectName(QString::fromUtf8(kName.data(), kName.size()));
    pictExterior->setObjectName("pictExterior");
    pictInterior->setObjectName("pictInterior");
    pictExterior->horizontalScrollBar()->setObjectName("barHoritzontal");
    pictExterior->verticalScrollBar()->setObjectName("barVertical");
    pictExterior->setWidget(pictInterior);
    pictExterior->setAlignment(Qt::AlignCenter);
    connect(cmdTancar, &QPushButton::clicked, this, &QWidget::close);

    auto* botons = new QHBoxLayout;
    botons->addStretch();
    botons->addWidget(cmdTancar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pictExterior, 0, Qt::AlignHCenter);
    layout->addLayout(botons);
}

void frmVisorImatge::Show() {
    RunShownProcedure(*this, funcions_, kName, "IniciFormulari", [this] { IniciFormulari(); });
    show();
}

QSize frmVisorImatge::MidaMaxima(const QSize& pantalla) {
    return {static_cast<int>(std::lround(pantalla.width() * 0.95)),
            static_cast<int>(std::lround(pantalla.height() * 0.78))};
}

void frmVisorImatge::IniciFormulari() {
    rstRecordsetIdioma_ = funcions_.TradueixFormulariIdioma(std::make_shared<WindowObject>(this),
                                                            clsAndamiSistema::Instance().Idioma());

    const QPixmap picture = ReadPicture(strNomArxiuImatge);
    pictInterior->setPixmap(picture);
    pictInterior->resize(picture.size());

    // Picture and screen both in pixels: the frame is the picture's size up
    // to the limit, and a bar is there only in a direction the picture
    // runs past it.
    const QSize limit = MidaMaxima(QGuiApplication::primaryScreen()->availableGeometry().size());
    const bool ampla = picture.width() > limit.width();
    const bool alta = picture.height() > limit.height();
    const int frame = 2 * pictExterior->frameWidth();
    const QSize area = picture.size().boundedTo(limit) +
                       QSize(frame + (alta ? pictExterior->verticalScrollBar()->sizeHint().width() : 0),
                             frame + (ampla ? pictExterior->horizontalScrollBar()->sizeHint().height() : 0));

    // The window fits the frame and keeps its size.
    pictExterior->setFixedSize(area);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace velmar
