// The texts of one window in one language.
#include "ParameterRecord.h"

namespace quossa {
namespace {

const RecordDeclaration kRecord(names::paramIdioma, {{names::lngNumIdioma, 0}, {names::strNomFormulari, ""}});

const bool registered [[maybe_unused]] = RegisterRecord(kRecord);

}  // namespace
}  // namespace quossa
