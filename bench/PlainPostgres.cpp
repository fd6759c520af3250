#include "PlainPostgres.h"

#include "Ado/ConnectionString.h"

namespace bench {

PGconn* ConnectPlain(const std::string& connectionString) {
    const ado::ConnectionString cs(connectionString);
    const std::string info = "host=" + cs.value("Host") + " port=" + cs.value("Port") +
                             " dbname=" + cs.value("Database") + " user=" + cs.value("User ID");
    return PQconnectdb(info.c_str());
}

}  // namespace bench
