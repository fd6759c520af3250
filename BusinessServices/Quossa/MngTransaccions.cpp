#include "MngTransaccions.h"

#include "Com/Registry.h"

namespace quossa {

const com::Members<MngTransaccions>& MngTransaccions::Interface() {
    static const com::Members<MngTransaccions> m = com::Members<MngTransaccions>().method(
        names::GetIT, [](MngTransaccions& s, com::Args) { return com::Variant(s.viewAs(ITransaccions())); });
    return m;
}

com::Variant MngTransaccions::transaction(std::string_view procedure, std::string_view operation) {
    return runProcedure(shared_from_this(), procedure, com::Variant(com::ObjectRef()),
                        [&](const com::ObjectRef& data) {
        // Stored before the data object's error is looked at: after a
        // failure it returned none, and the handle becomes none too.
        IdTransaccio = com::Call(data, operation).toObject();
        return com::Variant(IdTransaccio);
    });
}

COM_REGISTER_CLASS(names::Quossa, MngTransaccions);

}  // namespace quossa
