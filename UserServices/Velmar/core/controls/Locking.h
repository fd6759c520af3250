// "Locked" controls: they show their value and take the focus, so that
// their text can be read, selected and copied, but the user cannot change
// it: a text box is read-only, a combo neither opens nor changes its item,
// a check box does not toggle. A locked control is never disabled or
// greyed.
#pragma once

class QWidget;

namespace velmar {

// Locks or unlocks a text box, a combo or a check box; any other control
// is left as it is.
void SetLocked(QWidget* control, bool bloquejat);
bool IsLocked(const QWidget* control);

}  // namespace velmar
