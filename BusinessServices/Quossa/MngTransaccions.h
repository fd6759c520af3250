// The transaction manager: begins, commits and rolls back the caller's
// transaction through a data object, and keeps the connection that comes
// back as the transaction handle.
#pragma once

#include <string_view>

#include "EntityCore.h"

namespace quossa {

class MngTransaccions : public com::Dispatch<MngTransaccions>, public EntityCore {
public:
    static constexpr std::string_view kClassName = names::MngTransaccions;
    static const com::Members<MngTransaccions>& Interface();  // GetIT

    // AuxBeginTransaction, AuxCommitTransaction, AuxRollBackTransaction:
    // calls `operation` on a data object that holds this handle, stores the
    // connection it returns (none included) as the new handle and returns
    // it; none on failure.
    com::Variant transaction(std::string_view procedure, std::string_view operation);
};

const com::Members<MngTransaccions>& ITransaccions();

}  // namespace quossa
