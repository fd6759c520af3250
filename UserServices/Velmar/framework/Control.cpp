#include "framework/Control.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

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

void AfegeixControls(QWidget* window, QFormLayout* form, const std::vector<Control>& controls) {
    for (const Control& c : controls) {
        QWidget* control = Crea(window, c);
        control->setObjectName(QString::fromLatin1(c.nom));
        control->setProperty("DataField", c.dataField);
        control->setProperty("Tag", c.tag);
        if (c.etiqueta)
            form->addRow(dialegs::Control<QLabel>(window, c.etiqueta), control);
        else
            form->addRow(control);
    }
}

}  // namespace velmar
