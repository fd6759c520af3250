// Support service of the light-point window: light points of a service
// connection, support characteristics, luminaires, map points, lookup lists
// and change sets of any table, service connections and streets of a
// project, and light-point patterns.
#include "SharedOperations.h"

namespace brintel {
namespace {

class SvrPuntsLlum final : public SupportService {
public:
    SvrPuntsLlum() : SupportService(Table()) {}

    static const ServiceClass& Table() {
        static const ServiceClass table("SvrPuntsLlum", {
            {"GetPuntsLlum", "MngPuntsLlum", "GetList", {"lngEscomesa"}},
            {"SavePuntLlum", "MngPuntsLlum", "Save", {"strXMLPuntLlum"}},
            {"DeletePuntLlum", "MngPuntsLlum", "Delete", {"lngPuntLlum"}},
            {"GetEmptyRecordset", "MngPuntsLlum", "GetEmpty"},
            Operation::TextIdioma(),
            {"GetCaractSuport", "MngCaractSuport", "GetList"},
            {"SaveCaracteristica", "MngCaractSuport", "Save", {"strXMLCaracteristica"}},
            {"DeleteCaracteristica", "MngCaractSuport", "Delete", {"lngCaracteristica"}},
            {"GetEmptyRstCaracteristica", "MngCaractSuport", "GetEmpty"},
            {"GetLluminaries", "MngLluminaries", "GetList"},
            {"SaveLluminaria", "MngLluminaries", "Save", {"strXMLLluminaria"}},
            {"DeleteLluminaria", "MngLluminaries", "Delete", {"lngLluminaria"}},
            {"GetEmptyRstLluminaria", "MngLluminaries", "GetEmpty"},
            {"GetPLlumPunts", "MngPLlumPunts", "GetList", {"lngPuntLlum"}},
            {"SavePLlumPunts", "MngPLlumPunts", "Save", {"strXMLPLlumPunts"}},
            {"DeletePLlumPunts", "MngPLlumPunts", "Delete", {"lngPLlumPunts"}},
            {"GetEmptyRstPLlumPunts", "MngPLlumPunts", "GetEmpty"},
            ListAuxiliar(),
            {"SaveTaulaAuxiliar", "MngTaulesAuxiliars", "Save", {"strXMLAuxiliar"}},
            EscomesesOfProject(),
            {"GetCarrers", "MngCarrers", "GetList", {"lngProjecte"}},
            {"GetPatronsPuntsLlum", "MngPatronsPuntLlum", "GetList"},
        });
        return table;
    }
};

COM_REGISTER_CLASS(Brintel, SvrPuntsLlum);

}  // namespace
}  // namespace brintel
