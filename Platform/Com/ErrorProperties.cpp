#include "ErrorProperties.h"

namespace com {

void RaiseReported(const ObjectRef& callee) {
    const int32_t number = Get(callee, names::NumError).toLong();
    if (number != 0) base::RaiseReported(number, Get(callee, names::UbicacioError).toString());
}

}  // namespace com
