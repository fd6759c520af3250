// The names the callers of the entity library use: its classes (created by
// the ProgID prefix of the support library's settings and the class name),
// the views of a manager and their members, and the parameter records with
// their fields, each filled and read by name. NumError, UbicacioError and
// IdTransaccio are in Com/ErrorProperties.h.
#pragma once

#include "Com/Names.h"

namespace quossa::names {

COM_NAME(Quossa);

// The entity managers.
COM_NAME(MngCaractSuport);
COM_NAME(MngCarrerPunts);
COM_NAME(MngCarrers);
COM_NAME(MngClients);
COM_NAME(MngEscomesaElements);
COM_NAME(MngEscomesaPunts);
COM_NAME(MngEscomeses);
COM_NAME(MngIdioma);
COM_NAME(MngLluminaries);
COM_NAME(MngManteniments);
COM_NAME(MngPatronsPuntLlum);
COM_NAME(MngPLlumPunts);
COM_NAME(MngProjectes);
COM_NAME(MngPuntsLlum);
COM_NAME(MngTaulesAuxiliars);
COM_NAME(MngTramPunts);
COM_NAME(MngTrams);
COM_NAME(MngTransaccions);
COM_NAME(MngUsuariProjectes);
COM_NAME(MngUsuaris);
COM_NAME(MngZonaPunts);
COM_NAME(MngZones);

// The views of a manager (GetIT: the transaction manager's only) and their
// members.
COM_NAME(GetIV);
COM_NAME(GetIM);
COM_NAME(GetIT);
COM_NAME(GetList);
COM_NAME(GetByID);
COM_NAME(Save);
COM_NAME(Delete);
COM_NAME(GetEmpty);
COM_NAME(BeginTransaction);
COM_NAME(CommitTransaction);
COM_NAME(RollBackTransaction);

// The parameter records and their fields.
COM_NAME(paramIdioma);
COM_NAME(paramTextIdioma);
COM_NAME(paramTaulaAuxiliar);
COM_NAME(paramListTaulaAuxiliar);
COM_NAME(paramUsuariProjecte);
COM_NAME(paramListEscomeses);
COM_NAME(paramListEscomesaElements);
COM_NAME(lngNumIdioma);
COM_NAME(strNomFormulari);
COM_NAME(strCodiText);
COM_NAME(strNomTaula);
COM_NAME(strNomCampIdentificador);
COM_NAME(lngValorIdentificador);
COM_NAME(strNomCampOrdre);
COM_NAME(strNomCampFiltre);
COM_NAME(lngValorCampFiltre);
COM_NAME(lngUsuari);
COM_NAME(lngProjecte);
COM_NAME(lngIdentificador);
COM_NAME(lngTipusIdentificador);
COM_NAME(lngEscomesa);
COM_NAME(bolNomesSortida);

// The factory of data objects.
COM_NAME(clsFuncionsSubCapaEntitats);

}  // namespace quossa::names
