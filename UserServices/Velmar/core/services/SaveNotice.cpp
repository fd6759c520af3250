#include "core/services/SaveNotice.h"

namespace velmar {

SaveNotice& SaveNotice::Instance() {
    static SaveNotice avis;
    return avis;
}

}  // namespace velmar
