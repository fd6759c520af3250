// One text, by its code, in one language.
#include "ParameterRecord.h"

namespace quossa {
namespace {

const RecordDeclaration kRecord(names::paramTextIdioma, {{names::lngNumIdioma, 0}, {names::strCodiText, ""}});

const bool registered [[maybe_unused]] = RegisterRecord(kRecord);

}  // namespace
}  // namespace quossa
