// The window program. Its windows are still to come: for now it sets up the
// presentation core, says where its settings are, and ends.
#include <cstdio>

#include "clsFuncionsCapaInterficie.h"

int main() {
    velmar::clsFuncionsCapaInterficie funcions;
    std::printf("Velmar: settings in %s; the windows are still to come.\n", funcions.RutaArxiuIni().c_str());
    return 0;
}
