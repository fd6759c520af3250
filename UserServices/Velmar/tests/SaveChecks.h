// What window tests check once a save or a delete is over: whether the
// session still holds a transaction, and whether a table still holds
// changes the database has not been sent.
#pragma once

#include <string>

#include "Ado/Recordset.h"
#include "Com/Object.h"
#include "Com/Variant.h"
#include "core/services/clsAndamiSistema.h"
#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"

// The session holds no transaction.
inline bool NoOpenTransaction() {
    return com::TypeName(com::Get(velmar::clsAndamiSistema::Instance().SySSessio, "IdTransaccio")) == "Nothing";
}

// Changes not yet in the database: an edit still open, or changes kept.
inline bool HasPendingChanges(const velmar::RecordsetRef& rows) {
    if (rows->EditMode() != ado::EditState::None) return true;
    const std::string text = rows->ToXml();
    return text.find("<rs:update>") != std::string::npos || text.find("<rs:insert>") != std::string::npos ||
           text.find("<rs:delete>") != std::string::npos;
}
