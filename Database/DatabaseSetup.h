// Making an inventory database from nothing: the schema of every table and
// map layer and, optionally, the seed (lookup tables, languages, security
// levels, the administrator, the window texts and a sample installation).
#pragma once

#include <string>

#include "Ado/Connection.h"

namespace database {

// Creates the schema, and the seed when `withSeed`, in the database that
// `connection` has open, inside one transaction: on any failure nothing is
// left and std::runtime_error names the statement that failed. The
// database must not hold these tables yet. On PostgreSQL the auto-number
// of every table is then set past the highest key the seed gave.
// In the seed, "{fotos}" stands for the folder "Fotos" beside this library's
// folder, so that the sample's photo paths name the pictures where the build
// and the installation put them.
void CreateDatabase(ado::Connection& connection, bool withSeed = true);

// The same on a connection opened for `target`: a connection string
// ("Provider=...") or the path of a SQLite file. A file must not exist
// yet; it is created, and removed again when the creation fails.
void CreateDatabase(const std::string& target, bool withSeed = true);

}  // namespace database
