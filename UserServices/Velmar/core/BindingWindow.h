// What binding needs of a window: its members by name, among them the
// recordset properties its controls' `Tag`s name, and its widget, whose
// children are the controls.
#pragma once

#include <cstdint>

#include <QWidget>

namespace velmar {

namespace err {
// A control's `Tag` (or the default "rstRecordsetActual") names no
// recordset property of its window.
constexpr int32_t RecordsetPropertyMissing = 519;
}  // namespace err

// A window object (a com::Object) whose controls can be bound.
class BindingWindow {
public:
    virtual ~BindingWindow() = default;
    virtual QWidget* widget() const = 0;
};

}  // namespace velmar
