// Dates as the user reads and types them: in the short form of the
// session's language, with the year in four digits, and the time only when
// it is not midnight. A text box bound to a date field shows it so and
// writes the field only when its text is a date (or empty, for none): a
// text that is not a date stays in the box, for the window's validation to
// refuse before a save.
#pragma once

#include <cstdint>
#include <optional>

#include <QString>

#include "Com/Variant.h"

namespace velmar {

// The date as the language of number `idioma` writes it.
QString TextData(const com::Date& date, int32_t idioma);
// The date a text stands for in that language (also written as
// yyyy-mm-dd); none when it is not a date. Blanks around it are ignored.
std::optional<com::Date> LlegeixData(const QString& text, int32_t idioma);

}  // namespace velmar
