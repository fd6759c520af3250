// One row of a lookup table named at run time.
#include "ParameterRecord.h"

namespace quossa {
namespace {

const RecordDeclaration kRecord(names::paramTaulaAuxiliar, {{names::strNomTaula, ""},
                                                            {names::strNomCampIdentificador, ""},
                                                            {names::lngValorIdentificador, 0}});

const bool registered [[maybe_unused]] = RegisterRecord(kRecord);

}  // namespace
}  // namespace quossa
