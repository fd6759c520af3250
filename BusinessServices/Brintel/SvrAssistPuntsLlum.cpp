// The light-point assistant service: one-call operations over light points,
// patterns, support characteristics, luminaires, map points, and the
// service connections and streets of a project. The pattern managers it
// names (MngPatronsPLluminaria, MngPatronsSuport, MngPatronsTerra,
// MngPatronsLluminaria, MngPatronsCaixa, MngPropietatsSuport) are not part
// of the entity library, so their operations fail at creation.
#include "SharedOperations.h"

namespace brintel {
namespace {

class SvrAssistPuntsLlum final : public SupportService {
public:
    SvrAssistPuntsLlum() : SupportService(Table()) {}

    static const ServiceClass& Table() {
        static const ServiceClass table("SvrAssistPuntsLlum", {
            {"GetPuntsLlum", "MngPuntsLlum", "GetList", {"lngEscomesa"}},
            {"GetPatronsPuntLlum", "MngPatronsPuntLlum", "GetList"},
            {"GetPatronsPLluminaria", "MngPatronsPLluminaria", "GetList"},
            Operation("GetPatronsSuport", "MngPatronsSuport", "GetList").passing(Fixed("")),
            Operation("GetPatronsTerra", "MngPatronsTerra", "GetList").passing(Fixed("True")),
            Operation("GetPatronsLluminaria", "MngPatronsLluminaria", "GetList").passing(Fixed("True")),
            {"GetPatronsCaixa", "MngPatronsCaixa", "GetList"},
            {"GetPropietatsSuport", "MngPropietatsSuport", "GetList", {"lngPatroSuport"}},
            // The ProgID is matched without regard to case: this is MngPuntsLlum.
            {"SavePatroPuntLlum", "MngPuntsLLum", "Save", {"strXMLPatroPuntLlum"}},
            {"GetEmptyRstPLluminaria", "MngPatronsPLluminaria", "GetEmpty"},
            {"SavePatroPLluminaria", "MngPatronsPLluminaria", "Save", {"strXMLPatroPLluminaria"}},
            {"DeletePatroPLluminaria", "MngPatronsPLluminaria", "Delete", {"lngPatroPLluminaria"}},
            {"GetEmptyRstPuntLlum", "MngPuntsLlum", "GetEmpty"},
            {"SavePuntLlum", "MngPuntsLlum", "Save", {"strXMLPuntLlum"}},
            {"GetEmptyRstCaractSuport", "MngCaractSuport", "GetEmpty"},
            {"SaveCaractSuport", "MngCaractSuport", "Save", {"strXMLCaractSuport"}},
            {"GetEmptyRstLluminaria", "MngLluminaries", "GetEmpty"},
            {"SaveLluminaria", "MngLluminaries", "Save", {"strXMLLluminaria"}},
            EscomesesOfProject().recordFirst(),
            {"GetCarrers", "MngCarrers", "GetList", {"lngProjecte"}},
            Operation::TextIdioma(),
            {"GetEmptyRstPLlumPunts", "MngPLlumPunts", "GetEmpty"},
            {"SavePLlumPunt", "MngPLlumPunts", "Save", {"strXMLPuntLlum"}},
            {"DeletePLlumPunts", "MngPLlumPunts", "Delete", {"lngPLlumPunts"}},
        });
        return table;
    }
};

COM_REGISTER_CLASS(Brintel, SvrAssistPuntsLlum);

}  // namespace
}  // namespace brintel
