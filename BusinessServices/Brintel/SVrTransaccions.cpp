// The transaction object of the user's session: begins, commits and rolls
// back through the entity layer's transaction manager. Each operation keeps
// the connection the manager returns as IdTransaccio (none once the
// outermost level has ended), also when the manager reports a failure.
// Its trail entries spell the class "SvrTransaccions".
#include "SupportService.h"

namespace brintel {
namespace {

class SVrTransaccions final : public SupportService {
public:
    SVrTransaccions() : SupportService(Table()) {}

    static const ServiceClass& Table() {
        static const ServiceClass table("SVrTransaccions", "SvrTransaccions", {
            Operation("BeginTransaction", "MngTransaccions", "BeginTransaction").resendsTransaction(),
            Operation("CommitTransaction", "MngTransaccions", "CommitTransaction").resendsTransaction(),
            Operation("RollBackTransaction", "MngTransaccions", "RollBackTransaction").resendsTransaction(),
        });
        return table;
    }
};

COM_REGISTER_CLASS(Brintel, SVrTransaccions);

}  // namespace
}  // namespace brintel
