#include "framework/FinestraManteniment.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include "core/LlistaRegistres.h"

namespace velmar {

FinestraManteniment::FinestraManteniment(Declaracio declaracio, Llista llista, QWidget* parent, const char* marc)
    : FinestraLlista(std::move(declaracio), std::move(llista), parent), botonsPropis_(new QHBoxLayout) {
    auto* layout = new QGridLayout(this);
    layout->addWidget(EtiquetaLlista(), 0, 0);
    layout->addWidget(ControlLlista(), 1, 0);
    if (Camps() && marc) {
        auto* frame = new QGroupBox(QString::fromLatin1(marc), this);
        frame->setObjectName(QString::fromLatin1(marc));
        frame->setLayout(Camps());
        layout->addWidget(frame, 1, 1);
    } else if (Camps()) {
        layout->addLayout(Camps(), 1, 1);
    }
    layout->addLayout(FilaEdicio(), 2, 0, 1, 2);
    layout->addLayout(botonsPropis_, 3, 0, 1, 2);
    layout->setColumnStretch(0, 2);
    layout->setColumnStretch(1, 3);
}

void FinestraManteniment::IniciFormulari() {
    TopLevel("IniciFormulari", [this] {
        CreaSuport();
        Tradueix();
        Entra(Mode::Consulta);
        CarregaTaules();
        Recupera();
        AbansDeLligar();
        LligaControls();
        PosaOrigensCombos();
        RefrescaFormulariActualitzacio();
        RefrescaFormulariLectura();
        RefreshModeFormEdicio(false);
    });
}

void FinestraManteniment::RefreshModeFormEdicio(bool edicio) {
    FinestraLlista::RefreshModeFormEdicio(edicio);
    ControlLlista()->setEnabled(!edicio);
}

}  // namespace velmar
