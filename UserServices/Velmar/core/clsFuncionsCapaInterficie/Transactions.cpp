// The session's one transaction, begun, committed and rolled back for a
// window, whose support object is handed the transaction's connection; and
// support objects created so that they join a transaction already open.
#include "Brintel/BrintelNames.h"
#include "Com/ErrorProperties.h"
#include "Com/Registry.h"
#include "core/services/SaveNotice.h"
#include "core/binding/BindingWindow.h"
#include "core/services/clsAndamiSistema.h"
#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"

namespace velmar {
namespace {

namespace support = brintel::names;
using com::names::IdTransaccio;

}  // namespace

// `member` is both the session's operation and this member's name.
void clsFuncionsCapaInterficie::transaction(std::string_view member, const com::ObjectRef& objecteQueCrida) {
    base::Guard(*this, kFunctionsLocation, member, [&] {
        const com::ObjectRef session = clsAndamiSistema::Instance().SySSessio;
        com::CallChecked(session, member);
        const com::ObjectRef connexio = com::Get(session, IdTransaccio).toObject();
        com::Set(com::Get(objecteQueCrida, "objClasseSuportActual").toObject(), IdTransaccio, connexio);
        // A commit that ended the session's transaction stored what the
        // window saved: the other windows are told.
        const auto* window = dynamic_cast<const BindingWindow*>(objecteQueCrida.get());
        if (member == support::CommitTransaction && !connexio && window)
            emit SaveNotice::Instance().Saved(window->widget()->objectName());
    });
}

void clsFuncionsCapaInterficie::BeginTransaction(const com::ObjectRef& objecteQueCrida) {
    transaction(support::BeginTransaction, objecteQueCrida);
}

void clsFuncionsCapaInterficie::CommitTransaction(const com::ObjectRef& objecteQueCrida) {
    transaction(support::CommitTransaction, objecteQueCrida);
}

void clsFuncionsCapaInterficie::RollBackTransaction(const com::ObjectRef& objecteQueCrida) {
    transaction(support::RollBackTransaction, objecteQueCrida);
}

com::ObjectRef clsFuncionsCapaInterficie::CreaObjecteSuport(const std::string& strNomClasse) {
    return base::Guard(*this, kFunctionsLocation, "CreaObjecteSuport", [&] {
        // The class name comes from the caller: a name no class answers is
        // 429 at run time.
        com::ObjectRef created = com::CreateObject(com::ProgID(support::Brintel, strNomClasse));
        com::Set(created, IdTransaccio, com::Get(clsAndamiSistema::Instance().SySSessio, IdTransaccio).toObject());
        return created;
    });
}

}  // namespace velmar
