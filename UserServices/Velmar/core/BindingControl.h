// The tie between a control of a window and a field of a recordset: the
// control shows the field of the recordset's current row, follows the row
// as it moves or changes, and writes the user's edits back to it.
//
// Controls carry their design-time binding as the dynamic properties
// "DataField" (the field) and "Tag" (the window property that returns the
// recordset). A recordset's change handlers belong to binding while any
// control is tied to it.
#pragma once

#include <memory>
#include <string>

#include <QWidget>

#include "core/clsFuncionsCapaInterficie.h"

namespace velmar::binding {

// "TextBox" (QLineEdit), "DataCombo", "ComboBox" (QComboBox) or
// "CheckBox" (QCheckBox); "" for any other control, which binding leaves
// alone.
std::string ControlType(const QWidget* control);
std::string DataField(const QWidget* control);
std::string Tag(const QWidget* control);

// Ties `control` to `field` of `recordset`, in place of any tie it had,
// and shows the field's value. Raises the recordset's error when it has no
// such field.
void Bind(QWidget* control, const RecordsetRef& recordset, const std::string& field);
void Unbind(QWidget* control);
// The recordset the control is tied to, or none.
RecordsetRef DataSource(const QWidget* control);

// While one lives, the controls tied to the recordset neither follow it nor
// write to it; when it ends they show its current row again.
class Pause {
public:
    explicit Pause(const RecordsetRef& recordset);
    ~Pause();
    Pause(const Pause&) = delete;
    Pause& operator=(const Pause&) = delete;

private:
    std::shared_ptr<struct Ties> ties_;
};

}  // namespace velmar::binding
