// The session's one transaction, begun, committed and rolled back for a
// window, whose support object is handed the transaction's connection; and
// support objects created so that they join a transaction already open.
#include "Com/Registry.h"
#include "core/clsAndamiSistema.h"
#include "core/clsFuncionsCapaInterficie.h"

namespace velmar {

void clsFuncionsCapaInterficie::transaction(std::string_view member, const com::ObjectRef& objecteQueCrida) {
    guarded(member, [&] {
        const com::ObjectRef session = clsAndamiSistema::Instance().SySSessio;
        com::Call(session, member);
        if (const int32_t number = com::Get(session, "NumError").toLong(); number != 0) {
            UbicacioError = com::Get(session, "UbicacioError").toString();
            com::Raise(number);
        }
        com::Set(com::Get(objecteQueCrida, "objClasseSuportActual").toObject(), "IdTransaccio",
                 com::Get(session, "IdTransaccio").toObject());
    });
}

void clsFuncionsCapaInterficie::BeginTransaction(const com::ObjectRef& objecteQueCrida) {
    transaction("BeginTransaction", objecteQueCrida);
}

void clsFuncionsCapaInterficie::CommitTransaction(const com::ObjectRef& objecteQueCrida) {
    transaction("CommitTransaction", objecteQueCrida);
}

void clsFuncionsCapaInterficie::RollBackTransaction(const com::ObjectRef& objecteQueCrida) {
    transaction("RollBackTransaction", objecteQueCrida);
}

com::ObjectRef clsFuncionsCapaInterficie::CreaObjecteSuport(const std::string& strNomClasse) {
    return guarded("CreaObjecteSuport", com::ObjectRef(), [&] {
        com::ObjectRef support = com::CreateObject("Brintel." + strNomClasse);
        com::Set(support, "IdTransaccio", com::Get(clsAndamiSistema::Instance().SySSessio, "IdTransaccio").toObject());
        return support;
    });
}

}  // namespace velmar
