// What binding needs of a window: its members by name, among them the
// recordset properties its controls' `Tag`s name, and its widget, whose
// children are the controls.
#pragma once

#include <QWidget>

namespace velmar {

// A window object (a com::Object) whose controls can be bound.
class BindingWindow {
public:
    virtual ~BindingWindow() = default;
    virtual QWidget* widget() const = 0;
};

}  // namespace velmar
