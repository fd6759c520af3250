#include "Ado/PostgresStatementCache.h"

namespace ado {

PgResult PostgresStatementCache::run(const PostgresStatement& statement, int count,
                                     const char* const* values) {
    if (!statement.plainWrite || count == 0)
        return PgSend(connection_, statement.text, count, values);
    std::string* name = names_.find(statement.text);
    if (!name) {
        names_.keep(statement.text, {}, [this](const std::string& dropped) {
            // Dropping a statement cannot fail; its result tells nothing.
            if (!dropped.empty()) PgSend(connection_, "DEALLOCATE " + dropped);
        });
        return PgSend(connection_, statement.text, count, values);
    }
    if (name->empty()) {
        const std::string next = "ado_" + std::to_string(++prepared_);
        PgResult prepared(
            PQprepare(connection_, next.c_str(), statement.text.c_str(), count, nullptr));
        if (!PgSucceeded(prepared.get())) return prepared;
        *name = next;
    }
    return PgResult(
        PQexecPrepared(connection_, name->c_str(), count, values, nullptr, nullptr, 0));
}

}  // namespace ado
