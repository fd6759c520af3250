// The service connections of a zone (lngTipusIdentificador 1) or of a
// project (any other kind).
#include "ParameterRecord.h"

namespace quossa {
namespace {

const RecordDeclaration kRecord(names::paramListEscomeses, {{names::lngIdentificador, 0},
                                                            {names::lngTipusIdentificador, 0}});

const bool registered [[maybe_unused]] = RegisterRecord(kRecord);

}  // namespace
}  // namespace quossa
