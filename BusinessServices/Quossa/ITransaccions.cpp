// The transaction interface of the transaction manager.
#include "MngTransaccions.h"

namespace quossa {

const com::Members<MngTransaccions>& ITransaccions() {
    static const com::Members<MngTransaccions> m =
        EntityProperties<MngTransaccions>()
            .method(names::BeginTransaction,
                    [](MngTransaccions& s, com::Args) {
                        return s.transaction("AuxBeginTransaction", "BeginTransaction");
                    })
            .method(names::CommitTransaction,
                    [](MngTransaccions& s, com::Args) {
                        return s.transaction("AuxCommitTransaction", "CommitTransaction");
                    })
            .method(names::RollBackTransaction, [](MngTransaccions& s, com::Args) {
                return s.transaction("AuxRollBackTransaction", "RollBackTransaction");
            });
    return m;
}

}  // namespace quossa
