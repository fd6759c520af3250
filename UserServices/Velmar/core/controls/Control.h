// The controls of a window's record as a window declares them: a table of
// rows, each giving the control's kind, its name (by which the language
// table finds its caption and binding finds it), its label, its binding and
// the buttons that stand beside it. The framework builds them, laid out in
// the table's order; a window with several frames declares each frame as
// such a table.
#pragma once

#include <vector>

class QFormLayout;
class QPushButton;
class QWidget;

namespace velmar {

// The ">" button beside a data combo, which opens the lookup-table editor
// on the table behind the combo's list.
struct LookupButton {
    const char* nom = nullptr;           // the button's name; none: no button
    const char* taula = "";              // the lookup table
    const char* campIdentificador = "";  // its key column
    const char* campCodi = "";           // its code column, which the editor shows
    const char* integritat = "";         // the child tables and columns that refer to it
    // When given, the editor shows only the rows whose column of this name
    // holds the value that the combo's record holds in its field of the
    // same name.
    const char* campFiltre = "";
};

// A button beside a control: a ">" that opens the lookup table of a data
// combo, a ".." that chooses a file, or a command captioned with its own
// name until the window is translated.
struct ButtonDeclaration {
    const char* nom = "";
    const char* caption = nullptr;  // none: the button's name
};

struct Control {
    // Text box (one line, several lines, or a password's mask), data combo,
    // plain combo, yes/no combo, check box, list view, a part the window
    // made already (found by its name), or none (a row of buttons alone).
    enum class Tipus { Text, TextMultilinia, Contrasenya, DataCombo, Combo, SiNo, Casella, Llista, Peca, Cap };
    Tipus tipus = Tipus::Text;
    const char* nom = "";
    const char* etiqueta = nullptr;  // the label beside it; none for a check box
    const char* dataField = "";      // the bound field; empty for an unbound control
    const char* tag = "";            // the window member that holds the field; empty: rstRecordsetActual
    // A data combo's list: the window member whose rows it offers, the
    // column it shows and the column it stands for.
    const char* rowSource = "";
    const char* listField = "";
    const char* boundColumn = "";
    LookupButton auxiliar = {};
    // A ".." button beside a text box that holds a file's path, which the
    // window gives its command.
    const char* botoArxiu = nullptr;
    std::vector<ButtonDeclaration> botons = {};
    // A list view's column headers as designed, replaced by the window.
    std::vector<const char*> columnes = {};
};

// A text box bound to `dataField`.
inline Control TextField(const char* etiqueta, const char* nom, const char* dataField, const char* tag = "") {
    return {.tipus = Control::Tipus::Text, .nom = nom, .etiqueta = etiqueta, .dataField = dataField, .tag = tag};
}

// A text box several lines high bound to `dataField`.
inline Control MultilineTextField(const char* etiqueta, const char* nom, const char* dataField, const char* tag = "") {
    return {.tipus = Control::Tipus::TextMultilinia, .nom = nom, .etiqueta = etiqueta, .dataField = dataField,
            .tag = tag};
}

// A box that stands for the password whose hash `dataField` holds.
inline Control PasswordField(const char* etiqueta, const char* nom, const char* dataField) {
    return {.tipus = Control::Tipus::Contrasenya, .nom = nom, .etiqueta = etiqueta, .dataField = dataField};
}

// A combo of yes and no bound to the Boolean `dataField`.
inline Control YesNoField(const char* etiqueta, const char* nom, const char* dataField) {
    return {.tipus = Control::Tipus::SiNo, .nom = nom, .etiqueta = etiqueta, .dataField = dataField};
}

// A data combo bound to `dataField`, offering the rows of `rowSource`.
inline Control DataComboField(const char* etiqueta, const char* nom, const char* dataField, const char* rowSource,
                         const char* listField, const char* boundColumn, const char* tag = "") {
    return {.tipus = Control::Tipus::DataCombo, .nom = nom, .etiqueta = etiqueta, .dataField = dataField,
            .tag = tag, .rowSource = rowSource, .listField = listField, .boundColumn = boundColumn};
}

// The same with its ">" button beside it.
inline Control DataComboField(const char* etiqueta, const char* nom, const char* dataField, const char* rowSource,
                             const char* listField, const char* boundColumn, LookupButton auxiliar,
                             const char* tag = "") {
    Control control = DataComboField(etiqueta, nom, dataField, rowSource, listField, boundColumn, tag);
    control.auxiliar = auxiliar;
    return control;
}

// A text box bound to `dataField` that holds a file's path, with the ".."
// button `boto` beside it.
inline Control FileField(const char* etiqueta, const char* nom, const char* dataField, const char* boto) {
    Control control = TextField(etiqueta, nom, dataField);
    control.botoArxiu = boto;
    return control;
}

// A check box bound to `dataField`, whose caption is its own name until the
// window is translated.
inline Control CheckBoxField(const char* nom, const char* dataField, const char* tag = "") {
    return {.tipus = Control::Tipus::Casella, .nom = nom, .dataField = dataField, .tag = tag};
}

// A plain combo, not bound.
inline Control ComboField(const char* etiqueta, const char* nom) {
    return {.tipus = Control::Tipus::Combo, .nom = nom, .etiqueta = etiqueta};
}

// A part of the window made before its frames (a vertex list, a chooser's
// echo), laid out in its place.
inline Control PieceField(const char* etiqueta, const char* nom) {
    return {.tipus = Control::Tipus::Peca, .nom = nom, .etiqueta = etiqueta};
}

// A list view with these column headers.
inline Control ListBoxField(const char* etiqueta, const char* nom, std::vector<const char*> columnes) {
    return {.tipus = Control::Tipus::Llista, .nom = nom, .etiqueta = etiqueta, .columnes = std::move(columnes)};
}

// A row of buttons alone.
inline Control ButtonRow(std::vector<ButtonDeclaration> botons) { return {.tipus = Control::Tipus::Cap, .botons = std::move(botons)}; }

// The same control with these buttons beside it.
inline Control WithButtons(Control control, std::vector<ButtonDeclaration> botons) {
    control.botons = std::move(botons);
    return control;
}

// Builds `controls`, children of `window`, into `form`, in their order; its
// buttons (a ">", a "..", commands) stand right of a control. Returns what
// it built, in the same order (none for a row of buttons alone).
std::vector<QWidget*> AddControls(QWidget* window, QFormLayout* form, const std::vector<Control>& controls);

// Puts `boto` (a ">" or ".."), narrow, at the right of the control of
// `form` named `nom`.
void PutBeside(QFormLayout* form, const char* nom, QPushButton* boto);

// A frame of a window: a group box captioned with its name holding its
// controls as rows, in as many columns side by side as it asks; with no
// name, the rows stand without a box.
struct FrameDeclaration {
    const char* nom = nullptr;
    std::vector<Control> controls;
    int columnes = 1;
};
QWidget* CreateFrame(QWidget* window, const FrameDeclaration& marc);

}  // namespace velmar
