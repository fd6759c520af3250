// One project that one user may open.
#include "ParameterRecord.h"

namespace quossa {
namespace {

const RecordDeclaration kRecord(names::paramUsuariProjecte, {{names::lngUsuari, 0}, {names::lngProjecte, 0}});

const bool registered [[maybe_unused]] = RegisterRecord(kRecord);

}  // namespace
}  // namespace quossa
