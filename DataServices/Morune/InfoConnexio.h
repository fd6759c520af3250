// One registration of the collector: the connection, when it was
// registered, and its serial number. Plain fields; only the collector
// makes these objects.
#pragma once

#include <cstdint>

#include "Com/Object.h"

namespace morune {

class InfoConnexio : public com::Dispatch<InfoConnexio> {
public:
    static constexpr const char* kClassName = "InfoConnexio";
    static const com::Members<InfoConnexio>& Interface();

    // A reference to the caller's connection, in the caller's process.
    com::ObjectRef cntConnexio;
    // TickCount() at registration.
    int64_t lngTempsIniciConnexio = 0;
    int32_t lngClau = 0;
};

}  // namespace morune
