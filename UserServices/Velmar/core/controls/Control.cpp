#include "core/controls/Control.h"

#include <algorithm>

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "core/controls/PasswordBox.h"
#include "core/controls/MultilineTextBox.h"
#include "core/controls/YesNoCombo.h"
#include "core/controls/DataCombo.h"
#include "core/services/Dialogs.h"

namespace velmar {
namespace {

QWidget* Crea(QWidget* window, const Control& c) {
    switch (c.tipus) {
        case Control::Tipus::Text: return new QLineEdit(window);
        case Control::Tipus::TextMultilinia: return new MultilineTextBox(window);
        case Control::Tipus::Contrasenya: return new PasswordBox(window);
        case Control::Tipus::SiNo: return new YesNoCombo(window);
        case Control::Tipus::Combo: return new QComboBox(window);
        case Control::Tipus::Casella: return new QCheckBox(QString::fromLatin1(c.nom), window);
        case Control::Tipus::DataCombo: {
            auto* combo = new DataCombo(window);
            combo->SetListField(c.listField);
            combo->SetBoundColumn(c.boundColumn);
            combo->setProperty("RowSource", c.rowSource);
            return combo;
        }
        case Control::Tipus::Llista: {
            auto* list = new QTreeWidget(window);
            QStringList headers;
            for (const char* header : c.columnes) headers << QString::fromLatin1(header);
            list->setHeaderLabels(headers);
            list->setRootIsDecorated(false);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->header()->setStretchLastSection(true);
            return list;
        }
        case Control::Tipus::Peca: return window->findChild<QWidget*>(QString::fromLatin1(c.nom));
        case Control::Tipus::Cap: return nullptr;
    }
    return nullptr;
}

QPushButton* CreateButton(QWidget* window, const ButtonDeclaration& b) {
    auto* button = new QPushButton(QString::fromUtf8(b.caption ? b.caption : b.nom), window);
    button->setObjectName(QString::fromLatin1(b.nom));
    // A ">" or ".." stands narrow beside its control.
    if (b.caption) button->setMaximumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("MMM")) + 12);
    return button;
}

}  // namespace

std::vector<QWidget*> AddControls(QWidget* window, QFormLayout* form, const std::vector<Control>& controls) {
    std::vector<QWidget*> built;
    for (const Control& c : controls) {
        QWidget* control = Crea(window, c);
        if (control && c.tipus != Control::Tipus::Peca) {
            control->setObjectName(QString::fromLatin1(c.nom));
            control->setProperty("DataField", c.dataField);
            control->setProperty("Tag", c.tag);
        }
        built.push_back(control);
        std::vector<ButtonDeclaration> botons;
        if (c.auxiliar.nom) botons.push_back({c.auxiliar.nom, ">"});
        if (c.botoArxiu) botons.push_back({c.botoArxiu, ".."});
        botons.insert(botons.end(), c.botons.begin(), c.botons.end());
        QWidget* field = control;
        if (!botons.empty()) {
            // The control and its buttons on one line, the control taking
            // the width.
            field = new QWidget(window);
            auto* line = new QHBoxLayout(field);
            line->setContentsMargins(0, 0, 0, 0);
            if (control) line->addWidget(control, 1);
            for (const ButtonDeclaration& b : botons) line->addWidget(CreateButton(window, b));
            if (!control) line->addStretch(1);
        }
        if (c.etiqueta)
            form->addRow(dialogs::Control<QLabel>(window, c.etiqueta), field);
        else
            form->addRow(field);
    }
    return built;
}

void PutBeside(QFormLayout* form, const char* nom, QPushButton* boto) {
    QWidget* window = form->parentWidget();
    int row = -1;
    QFormLayout::ItemRole role;
    form->getWidgetPosition(window->findChild<QWidget*>(nom), &row, &role);
    const QFormLayout::TakeRowResult fila = form->takeRow(row);
    auto* linia = new QWidget(window);
    auto* layout = new QHBoxLayout(linia);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fila.fieldItem->widget(), 1);
    boto->setMaximumWidth(boto->fontMetrics().horizontalAdvance(QStringLiteral("MMM")) + 12);
    layout->addWidget(boto);
    form->insertRow(row, fila.labelItem->widget(), linia);
    delete fila.labelItem;
    delete fila.fieldItem;
}

QWidget* CreateFrame(QWidget* window, const FrameDeclaration& marc) {
    QWidget* frame = marc.nom ? new QGroupBox(QString::fromLatin1(marc.nom), window) : new QWidget(window);
    if (marc.nom) frame->setObjectName(QString::fromLatin1(marc.nom));
    auto* columns = new QHBoxLayout(frame);
    if (!marc.nom) columns->setContentsMargins(0, 0, 0, 0);
    // The rows in order, down the first column, then the next.
    const size_t perColumn = (marc.controls.size() + marc.columnes - 1) / marc.columnes;
    for (size_t first = 0; first < marc.controls.size(); first += perColumn) {
        auto* form = new QFormLayout;
        const auto begin = marc.controls.begin() + static_cast<std::ptrdiff_t>(first);
        AddControls(window, form, {begin, begin + static_cast<std::ptrdiff_t>(std::min(perColumn, marc.controls.size() - first))});
        columns->addLayout(form, 1);
    }
    return frame;
}

}  // namespace velmar
