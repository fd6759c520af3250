// The whole server side under one test: a sample database of the test's own
// on the engine under test, "Dravik.INI" pointing at it, and a collector
// process of the test's own; the support services reached by ProgID as the
// windows reach them.
//
// The same tests run a second time with INVENTARI_OBJECT_SERVER set (see
// CMakeLists.txt): then the entity objects, the transactions and the
// collector live in an object server of the test's own, which "Brintel.INI"
// names by its loopback address and port, reached over TLS.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "Ado/Recordset.h"
#include "Com/Object.h"
#include "Com/Registry.h"
#include "support/CollectorSandbox.h"
#include "support/DravikSettings.h"
#include "support/Files.h"
#include "support/ObjectServerSandbox.h"
#include "support/SampleDatabase.h"

namespace brinteltest {

using testsupport::DravikIni;
inline std::string BrintelIni() { return testsupport::OwnSettingsFile("BusinessServices/Brintel/Brintel.INI"); }
inline std::string BrintelSettings(const std::string& machine) {
    return "[General]\nDLL_Quossa=Quossa.\nPC_Quossa=" + machine + "\n";
}

inline bool ThroughObjectServer() { return std::getenv("INVENTARI_OBJECT_SERVER") != nullptr; }

inline com::ObjectRef Service(const std::string& className) {
    return com::CreateObject("Brintel." + className);
}

inline int32_t NumError(const com::ObjectRef& o) { return com::Get(o, "NumError").toLong(); }
inline std::string UbicacioError(const com::ObjectRef& o) { return com::Get(o, "UbicacioError").toString(); }

// The operation's result, after checking that it reports success.
inline com::Variant Succeeds(const com::ObjectRef& service, const std::string& operation,
                             std::vector<com::Variant> args = {}) {
    const com::Variant result = com::CallRef(service, operation, args);
    EXPECT_EQ(NumError(service), 0) << operation << ":" << UbicacioError(service);
    return result;
}

inline ado::Recordset Rows(const com::Variant& text) { return ado::Recordset::FromXml(text.toString()); }

// Makes the first row whose `field` equals `value` current; false when
// there is none.
inline bool Find(ado::Recordset& rows, const std::string& field, const com::Variant& value) {
    for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext())
        if (rows.Value(field) == value) return true;
    return false;
}

class ServerSide : public testing::TestWithParam<testsupport::Engine> {
protected:
    testsupport::CollectorSandbox collector_{ThroughObjectServer() ? testsupport::ProductCollector()
                                                                    : testsupport::TestCollector()};
    std::unique_ptr<testsupport::TestDatabase> db_ = testsupport::SampleDatabase(GetParam());
    testsupport::ScopedFile dravikIni_{DravikIni(), testsupport::DravikSettings(db_->connectionString())};
    std::unique_ptr<testsupport::ObjectServerSandbox> objectServer_ =
        ThroughObjectServer() ? std::make_unique<testsupport::ObjectServerSandbox>() : nullptr;
    testsupport::ScopedFile brintelIni_{BrintelIni(), BrintelSettings(EntityMachine())};

    // The machine the support layer creates its entity objects on, as
    // PC_Quossa names it: a transaction begun through them lives there.
    std::string EntityMachine() const { return objectServer_ ? objectServer_->address() : ""; }
};

}  // namespace brinteltest
