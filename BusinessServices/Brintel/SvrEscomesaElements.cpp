// Support service for the element tree of one service connection, and the
// connection row itself.
#include "SharedOperations.h"

namespace brintel {
namespace {

class SvrEscomesaElements final : public SupportService {
public:
    SvrEscomesaElements() : SupportService(Table()) {}

    static const ServiceClass& Table() {
        static const ServiceClass table("SvrEscomesaElements", {
            ElementsOfEscomesa("GetEscomesaElements", false),
            {"GetElementById", "MngEscomesaElements", "GetById", {"lngEscomesaElement"}},
            {"SaveEscomesaElement", "MngEscomesaElements", "Save", {"strXMLEscomesaElements"}},
            {"DeleteEscomesaElement", "MngEscomesaElements", "Delete", {"lngEscomesaElement"}},
            {"GetEmptyRecordset", "MngEscomesaElements", "GetEmpty"},
            Operation::TextIdioma(),
            {"GetEscomesaById", "MngEscomeses", "GetById", {"lngEscomesa"}},
        });
        return table;
    }
};

COM_REGISTER_CLASS(Brintel, SvrEscomesaElements);

}  // namespace
}  // namespace brintel
