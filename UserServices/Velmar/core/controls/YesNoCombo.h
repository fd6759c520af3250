// A combo of two items that stands for a Boolean field: the first item for
// true, the second for false, and no item for no value (Null). Its texts
// are the user's language's words for yes and no.
#pragma once

#include <QComboBox>

#include "Com/Variant.h"

namespace velmar {

class YesNoCombo final : public QComboBox {
    Q_OBJECT

public:
    explicit YesNoCombo(QWidget* parent = nullptr);

    // The two items' texts; the value shown stays.
    void SetTexts(const QString& si, const QString& no);
    com::Variant Valor() const;
    void SetValor(const com::Variant& valor);
};

}  // namespace velmar
