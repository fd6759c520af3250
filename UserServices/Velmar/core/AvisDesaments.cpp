#include "core/AvisDesaments.h"

namespace velmar {

AvisDesaments& AvisDesaments::Instance() {
    static AvisDesaments avis;
    return avis;
}

}  // namespace velmar
