// The texts of one window in one language.
#include "ParameterRecord.h"

namespace quossa {
namespace {

const RecordDeclaration kRecord("paramIdioma", {{"lngNumIdioma", 0}, {"strNomFormulari", ""}});

const bool registered [[maybe_unused]] = RegisterRecord(kRecord);

}  // namespace
}  // namespace quossa
