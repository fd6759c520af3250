#include "framework/MaintenanceWindow.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include "core/controls/RecordList.h"

namespace velmar {

MaintenanceWindow::MaintenanceWindow(Declaration declaracio, Llista llista, QWidget* parent, const char* marc)
    : ListWindow(std::move(declaracio), std::move(llista), parent), botonsPropis_(new QHBoxLayout) {
    auto* layout = new QGridLayout(this);
    layout->addWidget(ListLabel(), 0, 0);
    layout->addWidget(ListControl(), 1, 0);
    if (FieldForm() && marc) {
        auto* frame = new QGroupBox(QString::fromLatin1(marc), this);
        frame->setObjectName(QString::fromLatin1(marc));
        frame->setLayout(FieldForm());
        layout->addWidget(frame, 1, 1);
    } else if (FieldForm()) {
        layout->addLayout(FieldForm(), 1, 1);
    }
    layout->addLayout(EditingButtonRow(), 2, 0, 1, 2);
    layout->addLayout(botonsPropis_, 3, 0, 1, 2);
    layout->setColumnStretch(0, 2);
    layout->setColumnStretch(1, 3);
}

void MaintenanceWindow::IniciFormulari() {
    TopLevel("IniciFormulari", [this] {
        CreateSupport();
        Translate();
        EnterMode(Mode::Browsing);
        LoadTables();
        Recupera();
        BeforeBinding();
        BindControls();
        SetComboSources();
        RefrescaFormulariActualitzacio();
        RefrescaFormulariLectura();
        RefreshModeFormEdicio(false);
    });
}

void MaintenanceWindow::RefreshModeFormEdicio(bool edicio) {
    ListWindow::RefreshModeFormEdicio(edicio);
    ListControl()->setEnabled(!edicio);
}

}  // namespace velmar
