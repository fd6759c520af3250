// The schema description and the seed scripts, built into the library so
// that a database can be made anywhere the program runs. The definitions
// are generated from the files of this folder at build time.
#pragma once

#include <span>
#include <string_view>

namespace database {

struct ScriptFile {
    std::string_view name;  // relative to the Database folder, e.g. "seed/10-lookups.sql"
    std::string_view text;
};

// schema.txt
ScriptFile SchemaFile();

// The seed scripts in the order they run: seed/*.sql by name, then every
// window's texts, seed/texts/*.sql, by name.
std::span<const ScriptFile> SeedFiles();

}  // namespace database
