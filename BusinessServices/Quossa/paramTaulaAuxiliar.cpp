// One row of a lookup table named at run time.
#include "ParameterRecord.h"

namespace quossa {
namespace {

const RecordDeclaration kRecord("paramTaulaAuxiliar", {{"strNomTaula", ""},
                                                    {"strNomCampIdentificador", ""},
                                                    {"lngValorIdentificador", 0}});

const bool registered [[maybe_unused]] = RegisterRecord(kRecord);

}  // namespace
}  // namespace quossa
