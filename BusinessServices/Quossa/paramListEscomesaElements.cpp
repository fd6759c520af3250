// The elements of one service connection, or only its output lines.
#include "ParameterRecord.h"

namespace quossa {
namespace {

const RecordDeclaration kRecord(names::paramListEscomesaElements, {{names::lngEscomesa, 0},
                                                                   {names::bolNomesSortida, false}});

const bool registered [[maybe_unused]] = RegisterRecord(kRecord);

}  // namespace
}  // namespace quossa
