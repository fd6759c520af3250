#include "framework/FinestraManteniment.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "core/Dialegs.h"
#include "core/LlistaRegistres.h"

namespace velmar {

FinestraManteniment::FinestraManteniment(Declaracio declaracio, Llista llista, QWidget* parent)
    : Finestra(std::move(declaracio), parent), llista_(new LlistaRegistres(this)), botonsPropis_(new QHBoxLayout) {
    llista_->setObjectName(QString::fromLatin1(llista.nom));
    llista_->SetColumnes({llista.camp});
    llista_->OnTria([this] { RefrescaFormulariAmbLlista(); });
    llista_->setMinimumWidth(llista_->fontMetrics().averageCharWidth() * 34);

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
    boto("cmdSortirEdicio", &FinestraManteniment::SortirEdicio);
    boto("cmdDesferCanvis", &FinestraManteniment::UndoChanges);
    QPushButton* sortir = dialegs::Control<QPushButton>(this, "cmdSortir");
    connect(sortir, &QPushButton::clicked, this, &QWidget::close);
    botons->addWidget(sortir);

    auto* layout = new QGridLayout(this);
    layout->addWidget(dialegs::Control<QLabel>(this, llista.etiqueta), 0, 0);
    layout->addWidget(llista_, 1, 0);
    if (Camps()) layout->addLayout(Camps(), 1, 1);
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
        LligaControls();
        PosaOrigensCombos();
        RefrescaFormulariActualitzacio();
        RefrescaFormulariLectura();
        RefreshModeFormEdicio(false);
    });
}

void FinestraManteniment::RefreshModeFormEdicio(bool edicio) {
    Finestra::RefreshModeFormEdicio(edicio);
    llista_->setEnabled(!edicio);
}

void FinestraManteniment::RefrescaFormulariActualitzacio() {
    Inner("RefrescaFormulariActualitzacio", [this] {
        // The list reads its rows again and its first item becomes current,
        // as a click on it would make it.
        llista_->SetRecordset(rstRecordsetActual.Ref());
        if (rstRecordsetActual.Files() < 1) return;
        // Making another item current runs the click handling by itself.
        const bool another = llista_->currentRow() != 0;
        llista_->setCurrentRow(0);
        if (!another) RefrescaFormulariAmbLlista();
    });
}

void FinestraManteniment::RefrescaFormulariLectura() {
    Inner("RefrescaFormulariLectura", [this] {
        const int32_t position = llista_->Posicio(llista_->currentRow());
        if (rstRecordsetActual->RecordCount() < 1 || position < 1) return;
        rstRecordsetActual->Move(position - 1, ado::Recordset::MoveStart::First);
    });
}

void FinestraManteniment::RefrescaFormulariAmbLlista() {
    TopLevel("RefrescaFormulariAmbLlista", [this] { RefrescaFormulariLectura(); });
}

void FinestraManteniment::Nou() {
    TopLevel("Nou", [this] {
        rstRecordsetActual->AddNew();
        Entra(Mode::Nou);
    });
}

void FinestraManteniment::Editar() {
    TopLevel("Editar", [this] {
        const std::string message = CadenaValidacioEditar();
        if (!message.empty()) return dialegs::MissatgeOk(message);
        Entra(Mode::Edicio);
    });
}

void FinestraManteniment::Eliminar() {
    TopLevel("Eliminar", [this] {
        const std::string message = CadenaValidacioEliminar();
        if (!message.empty()) return dialegs::MissatgeOk(message);
        const std::string question = MissatgeDefecte("valTextEliminar", "valTextEliminar");
        if (!dialegs::PreguntaSiNo(question)) return;
        // A row that stays is shown again in the list.
        EliminaActual([this] { RefrescaFormulariActualitzacio(); });
        RefrescaFormulariActualitzacio();
        Entra(Mode::Consulta);
    });
}

void FinestraManteniment::SortirEdicio() {
    TopLevel("SortirEdicio", [this] {
        const std::string message = CadenaValidacioRegistreActual();
        if (!message.empty()) return dialegs::MissatgeOk(message);
        if (rstRecordsetActual->RecordCount() > 0) {
            rstRecordsetActual->Update();
            PropagaCanvisABD();
            RefrescaFormulariActualitzacio();
        }
        Entra(Mode::Consulta);
    });
}

void FinestraManteniment::UndoChanges() {
    TopLevel("UndoChanges", [this] {
        rstRecordsetActual->CancelUpdate();
        RefrescaFormulariLectura();
        RefrescaFormulariActualitzacio();
        Entra(Mode::Consulta);
    });
}

}  // namespace velmar
