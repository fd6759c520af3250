// A code typed into a data combo as the user types it: the combo writes it
// into its field only when the user leaves it, so a test leaves it too.
#pragma once

#include <QApplication>
#include <QFocusEvent>
#include <QString>

#include "core/controls/DataCombo.h"

inline void TypeAndLeave(velmar::DataCombo* combo, const QString& text) {
    combo->setEditText(text);
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(combo, &out);
}
