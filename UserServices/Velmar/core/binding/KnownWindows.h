// The window objects of the program's windows, carried by the windows
// themselves, so that the lookup-table editor's opener reaches the
// application's active window by member name: it unbinds that window's
// controls while the combo takes the editor's rows and binds them again
// after.
#pragma once

#include "Com/Object.h"

class QWidget;

namespace velmar {

// Makes `object` the window object of `window`. The entry ends with the
// widget.
void MakeWindowKnown(QWidget* window, const com::ObjectRef& object);

// The window object of the active window; none when it made itself not
// known, which leaves its controls alone.
com::ObjectRef ActiveWindowObject();

}  // namespace velmar
