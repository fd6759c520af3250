// Moving through the rows of a window's table one at a time: the four
// buttons (first, back, on, last) around a counter that reads "PuntLlum 3
// de 12", the moves they make, and the counter's text. At either end a move
// stays where it is, and says nothing.
#pragma once

#include <array>
#include <string>

#include "Ado/Recordset.h"

class QHBoxLayout;
class QLineEdit;
class QWidget;

namespace velmar {

enum class Moviment { Principi, Recula, Avanca, Fi };

void MouRegistre(ado::Recordset& rows, Moviment moviment);

// The first word, the position, the second word and the count, each after
// a blank: "PuntLlum 3 de 12"; "PuntLlum 0 de 0" with no rows.
std::string TextComptador(const ado::Recordset& rows, const std::string& primer, const std::string& segon);

// The four picture buttons named in `botons` (first, back, on, last) around
// a text box named `comptador` for the counter, on one line.
struct Navegador {
    QHBoxLayout* linia;
    QLineEdit* comptador;
};
Navegador CreaNavegador(QWidget* window, const std::array<const char*, 4>& botons, const char* comptador);

}  // namespace velmar
