#include "framework/Control.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/CaixaContrasenya.h"
#include "core/CaixaTextMultilinia.h"
#include "core/ComboSiNo.h"
#include "core/DataCombo.h"
#include "core/Dialegs.h"

namespace velmar {
namespace {

QWidget* Crea(QWidget* window, const Control& c) {
    switch (c.tipus) {
        case Control::Tipus::Text: return new QLineEdit(window);
        case Control::Tipus::TextMultilinia: return new CaixaTextMultilinia(window);
        case Control::Tipus::Contrasenya: return new CaixaContrasenya(window);
        case Control::Tipus::SiNo: return new ComboSiNo(window);
        case Control::Tipus::Combo: return new QComboBox(window);
        case Control::Tipus::Casella: return new QCheckBox(QString::fromLatin1(c.nom), window);
        case Control::Tipus::DataCombo: {
            auto* combo = new DataCombo(window);
            combo->SetListField(c.listField);
            combo->SetBoundColumn(c.boundColumn);
            combo->setProperty("RowSource", c.rowSource);
            return combo;
        }
    }
    return nullptr;
}

}  // namespace

std::vector<QWidget*> AfegeixControls(QWidget* window, QFormLayout* form, const std::vector<Control>& controls) {
    std::vector<QWidget*> built;
    for (const Control& c : controls) {
        QWidget* control = Crea(window, c);
        control->setObjectName(QString::fromLatin1(c.nom));
        control->setProperty("DataField", c.dataField);
        control->setProperty("Tag", c.tag);
        built.push_back(control);
        QLayout* field = nullptr;
        if (const char* boto = c.auxiliar.nom ? c.auxiliar.nom : c.botoArxiu) {
            auto* row = new QHBoxLayout;
            row->addWidget(control, 1);
            auto* button = new QPushButton(c.auxiliar.nom ? ">" : "..", window);
            button->setObjectName(QString::fromLatin1(boto));
            button->setFixedWidth(button->fontMetrics().horizontalAdvance("..") * 4);
            row->addWidget(button);
            field = row;
        }
        QLabel* label = c.etiqueta ? dialegs::Control<QLabel>(window, c.etiqueta) : nullptr;
        if (field && label) form->addRow(label, field);
        else if (field) form->addRow(field);
        else if (label) form->addRow(label, control);
        else form->addRow(control);
    }
    return built;
}

void PosaAlCostat(QFormLayout* form, const char* nom, QPushButton* boto) {
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

}  // namespace velmar
