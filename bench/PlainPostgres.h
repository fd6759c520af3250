// A session of libpq's own on a test database, for the floors that the
// benchmarks measure beside the data layer.
#pragma once

#include <libpq-fe.h>

#include <string>

namespace bench {

// Connects with libpq alone to the server and database that
// `connectionString` (the data layer's form) names.
PGconn* ConnectPlain(const std::string& connectionString);

}  // namespace bench
