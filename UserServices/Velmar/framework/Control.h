// The controls of a window's record as a window declares them: a table of
// rows, each giving the control's kind, its name (by which the language
// table finds its caption and binding finds it), its label and its binding.
// The framework builds them, laid out in the table's order.
#pragma once

#include <vector>

class QFormLayout;
class QWidget;

namespace velmar {

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

// A check box bound to `dataField`, whose caption is its own name until the
// window is translated.
inline Control CampCasella(const char* nom, const char* dataField, const char* tag = "") {
    return {.tipus = Control::Tipus::Casella, .nom = nom, .dataField = dataField, .tag = tag};
}

// Builds `controls`, children of `window`, into `form`, in their order.
void AfegeixControls(QWidget* window, QFormLayout* form, const std::vector<Control>& controls);

}  // namespace velmar
