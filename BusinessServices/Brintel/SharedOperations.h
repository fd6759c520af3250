// Operations that several support services offer under the same name and
// with the same arguments, and the entity managers that only the pattern
// services name.
#pragma once

#include "SupportService.h"

namespace brintel {

// Entity managers that the pattern and assistant services name but the
// entity library does not offer: creating them fails.
namespace missing {
COM_NAME(MngPatronsTerra);
COM_NAME(MngPatronsSuport);
COM_NAME(MngPatronsLluminaria);
COM_NAME(MngPatronsPLluminaria);
COM_NAME(MngPatronsCaixa);
COM_NAME(MngPropietatsSuport);
}  // namespace missing

// GetListAuxiliar(strTaula, strCampOrdre): every row of lookup table
// strTaula, ordered by strCampOrdre when it is not empty, never filtered.
ServiceOperation LookupList();

// GetEscomeses(lngProjecte): the service connections of every zone of a
// project.
ServiceOperation ServiceConnectionsOfProject();

// ServiceOperation `name`(lngEscomesa): the elements of a service connection, all
// of them or only its output lines.
ServiceOperation ElementsOfServiceConnection(std::string_view name, bool outputsOnly);

// A list of a whole lookup table in a fixed order, as operation `name`.
ServiceOperation FixedLookupList(std::string_view name, std::string_view table, std::string_view order);

}  // namespace brintel
