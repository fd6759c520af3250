// "Dravik.INI" beside the data access library of the test's own
// installation, as the tests on the server side write it: the connection
// string of the test's database and the collector's times (by default long
// ones, so that no transaction of a test is rolled back under it).
#pragma once

#include <string>

#include "support/Installation.h"

namespace testsupport {

inline std::string DravikIni() { return OwnSettingsFile("DataServices/Dravik/Dravik.INI"); }

inline std::string DravikSettings(const std::string& connectionString, const std::string& period = "600000",
                                  const std::string& maxAge = "600000") {
    return "[General]\nCadenaConnexioBD=" + connectionString + "\nPeriodicitatRecolectorDeixalla=" + period +
           "\nMaximTempsDeTransaccio=" + maxAge + "\n";
}

}  // namespace testsupport
