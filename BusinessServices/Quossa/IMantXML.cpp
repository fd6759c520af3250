// The maintenance interface of every entity manager but the language-text
// manager.
#include "EntityManager.h"

namespace quossa {

const com::Members<EntityManager>& IMantXML() {
    static const com::Members<EntityManager> m =
        EntityProperties<EntityManager>()
            .method(names::GetByID, [](EntityManager& s, com::Args a) { return s.perform(s.declaration().byKey, a); })
            .method(names::Save, [](EntityManager& s, com::Args a) { return s.perform(s.declaration().save, a); })
            .method(names::Delete, [](EntityManager& s, com::Args a) { return s.perform(s.declaration().remove, a); })
            .method(names::GetEmpty, [](EntityManager& s, com::Args a) { return s.perform(s.declaration().empty, a); });
    return m;
}

}  // namespace quossa
