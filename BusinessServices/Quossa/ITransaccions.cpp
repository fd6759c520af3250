// The transaction interface of the transaction manager.
#include "Dravik/DravikNames.h"
#include "MngTransaccions.h"

namespace quossa {

const com::Members<MngTransaccions>& ITransaccions() {
    static const com::Members<MngTransaccions> m =
        EntityProperties<MngTransaccions>()
            .method(names::BeginTransaction,
                    [](MngTransaccions& s, com::Args) {
                        return s.transaction("AuxBeginTransaction", dravik::names::BeginTransaction);
                    })
            .method(names::CommitTransaction,
                    [](MngTransaccions& s, com::Args) {
                        return s.transaction("AuxCommitTransaction", dravik::names::CommitTransaction);
                    })
            .method(names::RollBackTransaction, [](MngTransaccions& s, com::Args) {
                return s.transaction("AuxRollBackTransaction", dravik::names::RollBackTransaction);
            });
    return m;
}

}  // namespace quossa
