// The elements of one service connection, or only its output lines.
#include "ParameterRecord.h"

namespace quossa {
namespace {

const RecordDeclaration kRecord("paramListEscomesaElements", {{"lngEscomesa", 0},
                                                           {"bolNomesSortida", false}});

const bool registered [[maybe_unused]] = RegisterRecord(kRecord);

}  // namespace
}  // namespace quossa
