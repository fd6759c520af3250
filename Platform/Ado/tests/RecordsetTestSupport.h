// What the recordset tests share: their data files and the fixture of five
// zones.
#pragma once

#include <filesystem>
#include <string>

#include "Ado/Recordset.h"
#include "ConnectionFixture.h"
#include "support/Files.h"

namespace adotest {

// A file of tests/data.
inline std::string DataFile(const std::string& name) {
    return testsupport::ReadFile(
        (std::filesystem::path(__FILE__).parent_path() / "data" / name).string());
}

// data/zones.xml: five zones Z1 .. Z5 with keys 1 .. 5. Z2 is "Sud & Est",
// Z3 "L'Horta", Z4 has no name and Z5 the empty one; Z1, Z3 and Z5 are
// active.
inline ado::Recordset Zones() { return ado::Recordset::FromXml(DataFile("zones.xml")); }

}  // namespace adotest
