// One text, by its code, in one language.
#include "ParameterRecord.h"

namespace quossa {
namespace {

const RecordDeclaration kRecord("paramTextIdioma", {{"lngNumIdioma", 0}, {"strCodiText", ""}});

const bool registered [[maybe_unused]] = RegisterRecord(kRecord);

}  // namespace
}  // namespace quossa
