#include "InfoConnexio.h"

#include <limits>

namespace morune {

namespace {

// A time read by name: a Long while it fits (the first 24 days of the
// program), a Double, still exact, after.
com::Variant TimeValue(int64_t ms) {
    if (ms >= std::numeric_limits<int32_t>::min() && ms <= std::numeric_limits<int32_t>::max())
        return com::Variant(static_cast<int32_t>(ms));
    return com::Variant(static_cast<double>(ms));
}

}  // namespace

const com::Members<InfoConnexio>& InfoConnexio::Interface() {
    static const com::Members<InfoConnexio> members =
        com::Members<InfoConnexio>()
            .property(
                "cntConnexio", [](InfoConnexio& i) { return com::Variant(i.cntConnexio); }, {},
                [](InfoConnexio& i, const com::Variant& v) { i.cntConnexio = v.toObject(); })
            .property(
                "lngTempsIniciConnexio", [](InfoConnexio& i) { return TimeValue(i.lngTempsIniciConnexio); },
                [](InfoConnexio& i, const com::Variant& v) {
                    i.lngTempsIniciConnexio = static_cast<int64_t>(v.toDouble());
                })
            .property(
                "lngClau", [](InfoConnexio& i) { return com::Variant(i.lngClau); },
                [](InfoConnexio& i, const com::Variant& v) { i.lngClau = v.toLong(); });
    return members;
}

}  // namespace morune
