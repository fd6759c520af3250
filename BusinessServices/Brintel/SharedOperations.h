// Operations that several support services offer under the same name and
// with the same arguments.
#pragma once

#include "SupportService.h"

namespace brintel {

// GetListAuxiliar(strTaula, strCampOrdre): every row of lookup table
// strTaula, ordered by strCampOrdre when it is not empty, never filtered.
Operation ListAuxiliar();

// GetEscomeses(lngProjecte): the service connections of every zone of a
// project.
Operation EscomesesOfProject();

// Operation `name`(lngEscomesa): the elements of a service connection, all
// of them or only its output lines.
Operation ElementsOfEscomesa(std::string_view name, bool nomesSortida);

// A list of a whole lookup table in a fixed order, as operation `name`.
Operation FixedLookupList(std::string_view name, std::string_view table, std::string_view order);

}  // namespace brintel
