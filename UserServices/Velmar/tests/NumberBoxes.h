// The boxes of a window that are tied to a numeric field, in the window's
// order: what a person types numbers into, found from the bindings so that
// a box over a number added later is not missed.
#pragma once

#include <QLineEdit>
#include <vector>

#include "core/binding/BindingControl.h"
#include "core/services/Numbers.h"

struct NumberBox {
    QLineEdit* caixa;
    const ado::FieldInfo* camp;
};

inline std::vector<NumberBox> NumberBoxes(const QWidget& window) {
    std::vector<NumberBox> caixes;
    for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
        const velmar::RecordsetRef rows = velmar::binding::DataSource(edit);
        if (!rows) continue;
        const ado::FieldInfo& camp = rows->Field(rows->FieldIndex(velmar::binding::DataField(edit)));
        if (velmar::IsNumeric(camp)) caixes.push_back({edit, &camp});
    }
    return caixes;
}
