// The viewing interface of every entity manager.
#include "EntityManager.h"

namespace quossa {

const com::Members<EntityManager>& IVisorXML() {
    static const com::Members<EntityManager> m =
        EntityProperties<EntityManager>()
            .method(names::GetByID, [](EntityManager& s, com::Args a) { return s.perform(s.declaration().byKey, a); })
            .method(names::GetList, [](EntityManager& s, com::Args a) { return s.perform(s.declaration().list, a); });
    return m;
}

}  // namespace quossa
