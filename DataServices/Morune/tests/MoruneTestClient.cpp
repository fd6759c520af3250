// A client process for the collector's tests: it begins, uses and ends a
// transaction through clsBD as the commands on its standard input say, and
// answers each with one line on its standard output.
//
//   begin             NumError of BeginTransaction (one level more when open)
//   exec <sql>        NumError of ExecutaSQL inside the transaction
//   commit, rollback  NumError, then "open" or "none" for the handle returned
//   state             State of the transaction's connection, or "none"
//   hold <ms>         "held" once it holds the connection's lock, kept <ms>
//   why               the description of the last command's failure
#include <chrono>
#include <iostream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>

#include "Ado/Connection.h"
#include "Base/Error.h"
#include "Com/Object.h"
#include "Com/Registry.h"
#include "support/CollectorSandbox.h"

namespace {

com::ObjectRef NewBD(const com::ObjectRef& transaction) {
    com::ObjectRef bd = com::CreateObject("Dravik.clsBD");
    com::Set(bd, "IdTransaccio", transaction);
    return bd;
}

}  // namespace

int main() {
    testsupport::UseCollector();
    com::ObjectRef transaction, last;
    for (std::string line; std::getline(std::cin, line);) {
        std::istringstream words(line);
        std::string command, rest;
        words >> command;
        std::getline(words >> std::ws, rest);
        const com::ObjectRef bd = NewBD(transaction);
        if (command == "begin") {
            const com::ObjectRef begun = com::Call(bd, "BeginTransaction").toObject();
            if (begun) transaction = begun;
            std::cout << com::Get(bd, "NumError").toLong();
        } else if (command == "exec") {
            com::Call(bd, "ExecutaSQL", {com::Variant(rest)});
            std::cout << com::Get(bd, "NumError").toLong();
        } else if (command == "commit" || command == "rollback") {
            transaction = com::Call(bd, command == "commit" ? "CommitTransaction" : "RollBackTransaction").toObject();
            std::cout << com::Get(bd, "NumError").toLong() << (transaction ? " open" : " none");
        } else if (command == "state") {
            std::cout << (transaction ? com::Get(transaction, "State").toString() : "none");
        } else if (command == "why") {
            std::cout << base::DescriptionOf(com::Get(last, "NumError").toLong(),
                                             com::Get(last, "UbicacioError").toString());
        } else if (command == "hold") {
            auto connection = std::dynamic_pointer_cast<ado::Connection>(transaction);
            std::lock_guard lock(connection->mutex());
            std::cout << "held" << std::endl;
            std::this_thread::sleep_for(std::chrono::milliseconds(std::stoi(rest)));
            continue;
        } else {
            std::cout << "unknown command";
        }
        if (command != "why") last = bd;
        std::cout << std::endl;
    }
    return 0;
}
