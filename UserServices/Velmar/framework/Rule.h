// The validation rules of a window, as it declares them: each gives its
// message code when it holds. A window checks its rules in their order
// before a save and before a delete; the first that holds stops the
// command with its message.
#pragma once

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace velmar {

class DataWindow;

struct Rule {
    std::string codi;
    std::function<bool(DataWindow&)> es;
    // The message as shown, from the text of its code; the text itself
    // when none.
    std::function<std::string(DataWindow&, const std::string& text)> completa = {};

    // The text of one of these controls is empty (blanks fill it) while
    // the window's table has rows.
    static Rule EmptyFields(std::vector<std::string> controls, std::string codi);
    // The data combo's text is none of its list's.
    static Rule NotInList(std::string combo, std::string codi);
    // One of these data combos holds a text that is not empty and none of
    // its list's.
    static Rule ValuesNotInList(std::vector<std::string> combos, std::string codi);
    // The two rules above are about a value the user typed: their message
    // names the field that holds it (binding::FieldName) in place of "%1" in
    // the text (after the text when it has none).
    // One of these text boxes holds a text that is not a date.
    static Rule InvalidDates(std::vector<std::string> controls, std::string codi);
    // The current row's date in the field is a day before today (the
    // stored date, not the text that shows it; no date is none).
    static Rule PastDate(std::string camp, std::string codi);
    // Another row of the window's table holds the current row's value of
    // the field.
    static Rule Repeated(std::string camp, std::string codi);
    // A row of the window's list `taula` holds the current row's value of
    // the field.
    static Rule UsedIn(std::string taula, std::string camp, std::string codi);
    // Rows of another table name the current row of the window's own
    // table, or a row that would go with it, and a delete would leave them
    // naming none (framework/References.h). Its message is the text of
    // "valReferenciat" and that table's name (valReferenciatT_PuntLlum);
    // with `codiAmbTaula`, that code's text with the table's name for "#1".
    static Rule Referenced(std::string codiAmbTaula = {});

private:
    // A rule about a control's value: `refusat` gives the first of the
    // window's controls whose value it refuses, none when it holds for none.
    static Rule OfField(std::string codi, std::function<QWidget*(DataWindow&)> refusat);
};

}  // namespace velmar
