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

// A document of two text columns a and b with `rows` in its data, added
// rows being what a batch update would write.
inline std::string TwoColumns(const std::string& rows, const std::string& rootAttributes =
                                  " xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882'"
                                  " xmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882'"
                                  " xmlns:rs='urn:schemas-microsoft-com:rowset' xmlns:z='#RowsetSchema'") {
    return "<xml" + rootAttributes +
           "><s:Schema id='RowsetSchema'><s:ElementType name='row' content='eltOnly'>"
           "<s:AttributeType name='a'/><s:AttributeType name='b'/>"
           "</s:ElementType></s:Schema><rs:data>" + rows + "</rs:data></xml>";
}

// `ascii` as UTF-16, little endian, with its byte-order mark.
inline std::string AsciiAsUtf16(std::string_view ascii) {
    std::string bytes = "\xff\xfe";
    for (const char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

}  // namespace adotest
