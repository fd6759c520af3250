// The names the callers of the support library use: its classes, created
// by ProgID ("Brintel." and the class name), and the operations the windows
// call by name (NumError, UbicacioError and IdTransaccio are in
// Com/ErrorProperties.h). Several services offer an operation of the same
// name; each name stands here once.
#pragma once

#include "Com/Names.h"

namespace brintel::names {

COM_NAME(Brintel);

// The classes.
COM_NAME(clsFuncionsSubCapaSuport);
COM_NAME(SVrTransaccions);
COM_NAME(SvrAssistPuntsLlum);
COM_NAME(SvrCarrers);
COM_NAME(SvrClients);
COM_NAME(SvrEscomesaElements);
COM_NAME(SvrEscomeses);
COM_NAME(SvrIdiomes);
COM_NAME(SvrManteniments);
COM_NAME(SvrPatronsLluminaria);
COM_NAME(SvrPatronsSuport);
COM_NAME(SvrPatronsTerra);
COM_NAME(SvrProjectes);
COM_NAME(SvrPuntsLlum);
COM_NAME(SvrTaulesAuxiliars);
COM_NAME(SvrTrams);
COM_NAME(SvrUsuariProjectes);
COM_NAME(SvrUsuaris);
COM_NAME(SvrZones);

// The operations of the support services.
COM_NAME(BeginTransaction);
COM_NAME(CommitTransaction);
COM_NAME(DeleteCaracteristica);
COM_NAME(DeleteCarrer);
COM_NAME(DeleteCarrerPunts);
COM_NAME(DeleteClient);
COM_NAME(DeleteEscomesa);
COM_NAME(DeleteEscomesaElement);
COM_NAME(DeleteEscomesaPunts);
COM_NAME(DeleteLluminaria);
COM_NAME(DeleteManteniment);
COM_NAME(DeletePLlumPunts);
COM_NAME(DeletePatroLluminaria);
COM_NAME(DeletePatroPLluminaria);
COM_NAME(DeletePatroSuport);
COM_NAME(DeletePatroTerra);
COM_NAME(DeleteProjecte);
COM_NAME(DeletePuntLlum);
COM_NAME(DeleteTaulaAuxiliar);
COM_NAME(DeleteTram);
COM_NAME(DeleteTramPunts);
COM_NAME(DeleteUsuari);
COM_NAME(DeleteUsuariProjecte);
COM_NAME(DeleteZona);
COM_NAME(DeleteZonaPunt);
COM_NAME(GetCaractSuport);
COM_NAME(GetCarrerById);
COM_NAME(GetCarrerPunts);
COM_NAME(GetCarrers);
COM_NAME(GetClientById);
COM_NAME(GetClients);
COM_NAME(GetElementById);
COM_NAME(GetElementsEscomesa);
COM_NAME(GetEmptyRecordset);
COM_NAME(GetEmptyRstCaractSuport);
COM_NAME(GetEmptyRstCaracteristica);
COM_NAME(GetEmptyRstCarrerPunts);
COM_NAME(GetEmptyRstEscomesaElements);
COM_NAME(GetEmptyRstEscomesaPunts);
COM_NAME(GetEmptyRstLluminaria);
COM_NAME(GetEmptyRstPLlumPunts);
COM_NAME(GetEmptyRstPLluminaria);
COM_NAME(GetEmptyRstPuntLlum);
COM_NAME(GetEmptyRstTramPunts);
COM_NAME(GetEmptyRstZonaPunts);
COM_NAME(GetEscomesaById);
COM_NAME(GetEscomesaElements);
COM_NAME(GetEscomesaPunts);
COM_NAME(GetEscomeses);
COM_NAME(GetIdiomes);
COM_NAME(GetLiniesSortida);
COM_NAME(GetListAuxiliar);
COM_NAME(GetLluminaries);
COM_NAME(GetMantenimentById);
COM_NAME(GetManteniments);
COM_NAME(GetNivellsSeguretat);
COM_NAME(GetPLlumPunts);
COM_NAME(GetPatronsCaixa);
COM_NAME(GetPatronsLluminaria);
COM_NAME(GetPatronsPLluminaria);
COM_NAME(GetPatronsPuntLlum);
COM_NAME(GetPatronsPuntsLlum);
COM_NAME(GetPatronsSuport);
COM_NAME(GetPatronsTerra);
COM_NAME(GetProjecteById);
COM_NAME(GetProjectes);
COM_NAME(GetPropietatsSuport);
COM_NAME(GetPuntsLlum);
COM_NAME(GetRegistreById);
COM_NAME(GetTextIdioma);
COM_NAME(GetTextIdiomaById);
COM_NAME(GetTipusManteniment);
COM_NAME(GetTramPunts);
COM_NAME(GetTrams);
COM_NAME(GetUsuariById);
COM_NAME(GetUsuariProjectes);
COM_NAME(GetUsuaris);
COM_NAME(GetZonaById);
COM_NAME(GetZonaPunts);
COM_NAME(GetZones);
COM_NAME(RollBackTransaction);
COM_NAME(SaveCaractSuport);
COM_NAME(SaveCaracteristica);
COM_NAME(SaveCarrer);
COM_NAME(SaveCarrerPunt);
COM_NAME(SaveClient);
COM_NAME(SaveEscomesa);
COM_NAME(SaveEscomesaElement);
COM_NAME(SaveEscomesaPunts);
COM_NAME(SaveLluminaria);
COM_NAME(SaveManteniment);
COM_NAME(SavePLlumPunt);
COM_NAME(SavePLlumPunts);
COM_NAME(SavePatroLluminaria);
COM_NAME(SavePatroPLluminaria);
COM_NAME(SavePatroPuntLlum);
COM_NAME(SavePatroSuport);
COM_NAME(SavePatroTerra);
COM_NAME(SaveProjecte);
COM_NAME(SavePropietatSuport);
COM_NAME(SavePuntLlum);
COM_NAME(SaveTaulaAuxiliar);
COM_NAME(SaveTram);
COM_NAME(SaveTramPunts);
COM_NAME(SaveUsuari);
COM_NAME(SaveUsuariProjecte);
COM_NAME(SaveZona);
COM_NAME(SaveZonaPunt);
COM_NAME(strNomTaula);
COM_NAME(strTaula);

}  // namespace brintel::names
