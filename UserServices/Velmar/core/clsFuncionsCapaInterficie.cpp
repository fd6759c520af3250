// The error convention shared by every member of the class.
#include "core/clsFuncionsCapaInterficie.h"

namespace velmar {

void clsFuncionsCapaInterficie::raiseIfFailed() const {
    if (NumError != 0) com::Raise(NumError);
}

}  // namespace velmar
