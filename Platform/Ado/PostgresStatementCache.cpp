#include "Ado/PostgresStatementCache.h"

namespace ado {

std::string& PostgresStatementCache::keep(const std::string& text) {
    return names_.keep(text, {}, [this](const std::string& dropped) {
        // Dropping a statement cannot fail; its result tells nothing.
        if (!dropped.empty()) PgSend(connection_, "DEALLOCATE " + dropped);
    });
}

PgResult PostgresStatementCache::run(const PostgresStatement& statement, int count,
                                     const char* const* values) {
    if (!statement.plainWrite || count == 0)
        return PgSend(connection_, statement.text, count, values);
    std::string* name = names_.find(statement.text);
    if (!name) {
        keep(statement.text);
        return PgSend(connection_, statement.text, count, values);
    }
    if (name->empty()) {
        PgResult result = prepare(*name, statement, count);
        if (!PgSucceeded(result.get())) return result;
    }
    return PgResult(PQexecPrepared(connection_, name->c_str(), count, values, nullptr, nullptr, 0));
}

std::string PostgresStatementCache::prepared(const PostgresStatement& statement, int count) {
    std::string* found = names_.find(statement.text);
    std::string& name = found ? *found : keep(statement.text);
    if (name.empty()) {
        const PgResult result = prepare(name, statement, count);
        if (!PgSucceeded(result.get())) PgFail(connection_, result.get(), statement.text);
    }
    return name;
}

PgResult PostgresStatementCache::prepare(std::string& name, const PostgresStatement& statement,
                                         int count) {
    const std::string next = "ado_" + std::to_string(++prepared_);
    PgResult result(PQprepare(connection_, next.c_str(), statement.text.c_str(), count, nullptr));
    if (PgSucceeded(result.get())) name = next;
    return result;
}

}  // namespace ado
