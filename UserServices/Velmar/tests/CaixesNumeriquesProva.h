// The boxes of a window that are tied to a numeric field, in the window's
// order: what a person types numbers into, found from the bindings so that
// a box over a number added later is not missed.
#pragma once

#include <QLineEdit>
#include <vector>

#include "core/BindingControl.h"
#include "core/Numeros.h"

struct CaixaNumerica {
    QLineEdit* caixa;
    const ado::FieldInfo* camp;
};

inline std::vector<CaixaNumerica> CaixesNumeriques(const QWidget& window) {
    std::vector<CaixaNumerica> caixes;
    for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
        const velmar::RecordsetRef rows = velmar::binding::DataSource(edit);
        if (!rows) continue;
        const ado::FieldInfo& camp = rows->Field(rows->FieldIndex(velmar::binding::DataField(edit)));
        if (velmar::EsNumeric(camp)) caixes.push_back({edit, &camp});
    }
    return caixes;
}
