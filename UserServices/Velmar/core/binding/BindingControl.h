// The tie between a control of a window and a field of a recordset: the
// control shows the field of the recordset's current row, follows the row
// as it moves or changes, and writes the user's edits back to it.
//
// Controls carry their design-time binding as the dynamic properties
// "DataField" (the field) and "Tag" (the window property that returns the
// recordset). Each tie listens to its recordset for itself, for as long as
// the control is tied.
#pragma once

#include <optional>
#include <string>

#include <QWidget>

#include "core/services/Numbers.h"
#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"

namespace velmar::binding {

// "TextBox" (QLineEdit, MultilineTextBox), "DataCombo", "ComboBox" (QComboBox) or
// "CheckBox" (QCheckBox); "" for any other control, which binding leaves
// alone.
std::string ControlType(const QWidget* control);
std::string DataField(const QWidget* control);
std::string Tag(const QWidget* control);

// Ties `control` to `field` of `recordset`, in place of any tie it had,
// and shows the field's value. Raises the recordset's error when it has no
// such field. A data combo only shows the field: what the user types in it
// reaches the field through the window (FixaDataCombo), when it is left.
void Bind(QWidget* control, const RecordsetRef& recordset, const std::string& field);
void Unbind(QWidget* control);
// The recordset the control is tied to, or none.
RecordsetRef DataSource(const QWidget* control);

// A text box of the window tied to a numeric field whose text is no value
// of it (the field keeps what it held), and why; the first in the window's
// order, or none.
struct UnreadText {
    QWidget* control;
    ParseOutcome lectura;
};
std::optional<UnreadText> FirstUnreadText(const QWidget* window);

// How many characters a text box over the field takes: a text column's
// size. The size of a column of another type is its width in bytes, not in
// characters ("12345" in a 4-byte number), so those boxes keep the
// toolkit's own limit. A box whose text a window writes into a column
// itself, unbound, takes the same.
int TextLimit(const ado::FieldInfo& field);

// The field a control stands for as a person knows it: the caption of the
// label beside it, after the title of the frame it stands in.
QString FieldName(const QWidget* control);
// `message` naming the field of `control`: in its place "%1", or after it.
std::string NamingField(const std::string& message, const QWidget* control);

}  // namespace velmar::binding
