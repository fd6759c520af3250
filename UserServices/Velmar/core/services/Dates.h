// Dates as the user's language writes them: shown in the short form of the
// session's language with the year in full (the time only when it is not
// midnight), and read back from that form or from the ISO form.
#pragma once

#include <optional>

#include <QString>

#include "Com/Variant.h"

namespace velmar {

QString FormatDate(const com::Date& date);
// None when the text is not a date.
std::optional<com::Date> ParseDate(const QString& text);

}  // namespace velmar
