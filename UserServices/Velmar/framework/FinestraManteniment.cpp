#include "framework/FinestraManteniment.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "core/Dialegs.h"
#include "core/LlistaRegistres.h"
#include "core/RecordsetModel.h"

namespace velmar {

FinestraManteniment::FinestraManteniment(Declaracio declaracio, Llista llista, QWidget* parent, const char* marc)
    : FinestraLlista(std::move(declaracio), std::move(llista), parent), botonsPropis_(new QHBoxLayout) {
    auto* botons = new QHBoxLayout;
    const auto boto = [this, botons](const char* name, void (FinestraManteniment::*command)()) {
        QPushButton* button = dialegs::Control<QPushButton>(this, name);
        connect(button, &QPushButton::clicked, this, [this, command] { (this->*command)(); });
        botons->addWidget(button);
        return button;
    };
    boto("cmdNou", &FinestraManteniment::Nou);
    boto("cmdEditar", &FinestraManteniment::Editar);
    boto("cmdEliminar", &FinestraManteniment::Eliminar);
    // Shown only while editing, even in a window that could not open.
    boto("cmdSortirEdicio", &FinestraManteniment::SortirEdicio)->hide();
    boto("cmdDesferCanvis", &FinestraManteniment::UndoChanges)->hide();
    QPushButton* sortir = dialegs::Control<QPushButton>(this, "cmdSortir");
    connect(sortir, &QPushButton::clicked, this, &QWidget::close);
    botons->addWidget(sortir);

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
    layout->addLayout(botons, 2, 0, 1, 2);
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
    Finestra::RefreshModeFormEdicio(edicio);
    ControlLlista()->setEnabled(!edicio);
}

void FinestraManteniment::Nou() {
    TopLevel("Nou", [this] {
        rstRecordsetActual->AddNew();
        OmpleNou();
        Entra(Mode::Nou);
        strCodiActual.clear();
    });
}

void FinestraManteniment::Editar() {
    TopLevel("Editar", [this] {
        const std::string message = CadenaValidacioEditar();
        if (!message.empty()) return dialegs::MissatgeOk(message);
        Entra(Mode::Edicio);
        strCodiActual = CodiRegistreActual();
    });
}

void FinestraManteniment::Eliminar() {
    TopLevel("Eliminar", [this] {
        if (!ConfirmaEliminar()) return;
        const std::string esborrat = CodiRegistreActual();
        // The row to select afterwards: the one above, or the first.
        const LlistaRegistres* llista = ControlLlista();
        if (llista->count() > 1)
            strCodiActual = llista->currentRow() == 0 || llista->count() == 2
                                ? std::string()
                                : llista->text(llista->currentRow() - 1).toStdString();
        // A row that stays is shown again in the list, selected.
        EliminaActual([this, &esborrat] {
            strCodiActual = esborrat;
            RefrescaFormulariActualitzacio();
        });
        RefrescaFormulariActualitzacio();
        Entra(Mode::Consulta);
        ControlLlista()->setFocus();
    });
}

void FinestraManteniment::SortirEdicio() {
    TopLevel("SortirEdicio", [this] {
        const std::string message = CadenaValidacioRegistreActual();
        if (!message.empty()) return dialegs::MissatgeOk(message);
        if (rstRecordsetActual->RecordCount() > 0) {
            strCodiActual = CodiRegistreActual();
            rstRecordsetActual->Update();
            PropagaCanvisABD();
            RefrescaFormulariActualitzacio();
        }
        Entra(Mode::Consulta);
        ControlLlista()->setFocus();
    });
}

void FinestraManteniment::UndoChanges() {
    TopLevel("UndoChanges", [this] {
        rstRecordsetActual->CancelUpdate();
        RefrescaFormulariLectura();
        // A window that keeps its place stays on the row it was on.
        if (!MantePosicio()) RefrescaFormulariActualitzacio();
        Entra(Mode::Consulta);
        ControlLlista()->setFocus();
    });
}

void FinestraManteniment::closeEvent(QCloseEvent* event) {
    if (ModeEdicio()) UndoChanges();
    FinestraLlista::closeEvent(event);
}

}  // namespace velmar
