// The names the callers of the data access service use: its class and the
// members the entity layer calls (besides NumError, UbicacioError and
// IdTransaccio, Com/ErrorProperties.h).
#pragma once

#include "Com/Names.h"

namespace dravik::names {

COM_NAME(Dravik);
COM_NAME(clsBD);

COM_NAME(ConsultaXML);
COM_NAME(ExecutaSQL);
COM_NAME(UpdateXML);
COM_NAME(BeginTransaction);
COM_NAME(CommitTransaction);
COM_NAME(RollBackTransaction);

}  // namespace dravik::names
