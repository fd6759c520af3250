// One project that one user may open.
#include "ParameterRecord.h"

namespace quossa {
namespace {

const RecordDeclaration kRecord("paramUsuariProjecte", {{"lngUsuari", 0}, {"lngProjecte", 0}});

const bool registered [[maybe_unused]] = RegisterRecord(kRecord);

}  // namespace
}  // namespace quossa
