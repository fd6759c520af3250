#include "CalleeFailure.h"

namespace brintel {

void RaiseIfFailed(base::ErrorFields& mine, const base::ErrorFields& callee) {
    if (callee.NumError == 0) return;
    mine.UbicacioError = callee.UbicacioError;
    com::Raise(callee.NumError);
}

void RaiseIfFailed(base::ErrorFields& mine, const com::ObjectRef& callee) {
    if (com::Get(callee, "NumError").toLong() == 0) return;
    mine.UbicacioError = com::Get(callee, "UbicacioError").toString();
    com::Raise(com::Get(callee, "NumError").toLong());
}

}  // namespace brintel
