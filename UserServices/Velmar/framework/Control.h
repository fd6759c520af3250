// The controls of a window's record as a window declares them: a table of
// rows, each giving the control's kind, its name (by which the language
// table finds its caption and binding finds it), its label and its binding.
// The framework builds them, laid out in the table's order.
#pragma once

#include <vector>

class QFormLayout;
class QPushButton;
class QWidget;

namespace velmar {

// The ">" button beside a data combo, which opens the lookup-table editor
// on the table behind the combo's list.
struct BotoAuxiliar {
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

struct Control {
    enum class Tipus { Text, TextMultilinia, Contrasenya, DataCombo, Combo, SiNo, Casella };
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
    BotoAuxiliar auxiliar = {};
    // A ".." button beside a text box that holds a file's path, which the
    // window gives its command.
    const char* botoArxiu = nullptr;
};

// A text box bound to `dataField`.
inline Control CampText(const char* etiqueta, const char* nom, const char* dataField, const char* tag = "") {
    return {.tipus = Control::Tipus::Text, .nom = nom, .etiqueta = etiqueta, .dataField = dataField, .tag = tag};
}

// A text box several lines high bound to `dataField`.
inline Control CampTextMultilinia(const char* etiqueta, const char* nom, const char* dataField, const char* tag = "") {
    return {.tipus = Control::Tipus::TextMultilinia, .nom = nom, .etiqueta = etiqueta, .dataField = dataField,
            .tag = tag};
}

// A box that stands for the password whose hash `dataField` holds.
inline Control CampContrasenya(const char* etiqueta, const char* nom, const char* dataField) {
    return {.tipus = Control::Tipus::Contrasenya, .nom = nom, .etiqueta = etiqueta, .dataField = dataField};
}

// A combo of yes and no bound to the Boolean `dataField`.
inline Control CampSiNo(const char* etiqueta, const char* nom, const char* dataField) {
    return {.tipus = Control::Tipus::SiNo, .nom = nom, .etiqueta = etiqueta, .dataField = dataField};
}

// A data combo bound to `dataField`, offering the rows of `rowSource`.
inline Control CampDataCombo(const char* etiqueta, const char* nom, const char* dataField, const char* rowSource,
                         const char* listField, const char* boundColumn, const char* tag = "") {
    return {.tipus = Control::Tipus::DataCombo, .nom = nom, .etiqueta = etiqueta, .dataField = dataField,
            .tag = tag, .rowSource = rowSource, .listField = listField, .boundColumn = boundColumn};
}

// The same with its ">" button beside it.
inline Control CampDataCombo(const char* etiqueta, const char* nom, const char* dataField, const char* rowSource,
                             const char* listField, const char* boundColumn, BotoAuxiliar auxiliar,
                             const char* tag = "") {
    Control control = CampDataCombo(etiqueta, nom, dataField, rowSource, listField, boundColumn, tag);
    control.auxiliar = auxiliar;
    return control;
}

// A text box bound to `dataField` that holds a file's path, with the ".."
// button `boto` beside it.
inline Control CampArxiu(const char* etiqueta, const char* nom, const char* dataField, const char* boto) {
    Control control = CampText(etiqueta, nom, dataField);
    control.botoArxiu = boto;
    return control;
}

// A check box bound to `dataField`, whose caption is its own name until the
// window is translated.
inline Control CampCasella(const char* nom, const char* dataField, const char* tag = "") {
    return {.tipus = Control::Tipus::Casella, .nom = nom, .dataField = dataField, .tag = tag};
}

// Builds `controls`, children of `window`, into `form`, in their order; a
// ">" or ".." button stands right of its control. Returns what it built, in the
// same order.
std::vector<QWidget*> AfegeixControls(QWidget* window, QFormLayout* form, const std::vector<Control>& controls);

// Puts `boto` (a ">" or ".."), narrow, at the right of the control of
// `form` named `nom`.
void PosaAlCostat(QFormLayout* form, const char* nom, QPushButton* boto);

}  // namespace velmar
