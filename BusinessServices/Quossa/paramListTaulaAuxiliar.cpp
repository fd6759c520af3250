// The rows of a lookup table named at run time, optionally filtered on one
// column and ordered by one; empty column names mean neither.
#include "ParameterRecord.h"

namespace quossa {
namespace {

const RecordDeclaration kRecord(names::paramListTaulaAuxiliar, {{names::strNomTaula, ""},
                                                               {names::strNomCampOrdre, ""},
                                                               {names::strNomCampFiltre, ""},
                                                               {names::lngValorCampFiltre, 0}});

const bool registered [[maybe_unused]] = RegisterRecord(kRecord);

}  // namespace
}  // namespace quossa
