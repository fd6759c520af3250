#include "core/controls/YesNoCombo.h"

#include <QSignalBlocker>

namespace velmar {

YesNoCombo::YesNoCombo(QWidget* parent) : QComboBox(parent) {}

void YesNoCombo::SetTexts(const QString& si, const QString& no) {
    // Giving the items texts is no change of the value.
    const QSignalBlocker quiet(this);
    const int index = currentIndex();
    clear();
    addItems({si, no});
    setCurrentIndex(index);
}

com::Variant YesNoCombo::Valor() const {
    return currentIndex() < 0 ? com::Variant::Null() : com::Variant(currentIndex() == 0);
}

void YesNoCombo::SetValor(const com::Variant& valor) {
    setCurrentIndex(valor.isNull() ? -1 : valor.toBool() ? 0 : 1);
}

}  // namespace velmar
