// A fresh inventory database for one test, on one engine: every table of
// the schema and, unless asked otherwise, the seed with the lookup tables,
// texts, administrator and sample installation (project 306).
//
//   auto db = testsupport::SampleDatabase(GetParam());
//   ado::Connection c; c.Open(db->connectionString());
#pragma once

#include <memory>

#include "TestDatabase.h"

namespace testsupport {

std::unique_ptr<TestDatabase> SampleDatabase(Engine engine, bool withSeed = true);

}  // namespace testsupport
