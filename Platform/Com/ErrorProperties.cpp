#include "ErrorProperties.h"

namespace com {

void RaiseReported(const ObjectRef& callee) {
    const int32_t number = Get(callee, names::NumError).toLong();
    if (number != 0) base::RaiseReported(number, Get(callee, names::UbicacioError).toString());
}

Variant CallChecked(const ObjectRef& callee, std::string_view method, std::vector<Variant> args) {
    return CallRefChecked(callee, method, args);
}

Variant CallRefChecked(const ObjectRef& callee, std::string_view method, Args args) {
    Variant result = CallRef(callee, method, args);
    RaiseReported(callee);
    return result;
}

}  // namespace com
