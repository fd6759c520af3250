// Small stand-ins for the entity library, registered under "Quossa.<class>"
// so that the support services create them through the configured prefix.
//
// Every manager writes what happens to it into one journal, in a compact
// form that the tests compare with what the operation should do:
//   "+MngClients"       a manager or record was created
//   "IV.tx" / "IV.none" IdTransaccio set on a view (GetIV, GetIM or GetIT)
//                       to the test's connection, to none, or to another
//                       connection ("IV.conn")
//   "IM.Delete(7)"      a member called through a view, with its argument:
//                       7 (Long), 'a' (String), True, Empty, or a record
//                       written as paramX{field=value ...} in the order set
// Lists answer "rows of <member>" and writes answer True, unless a test
// scripts another outcome.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "Com/Object.h"

namespace fake {

// The connection the tests hand to services as IdTransaccio; the fake
// transaction manager nests levels on it.
class Connection : public com::Object {
public:
    std::string className() const override { return "Connection"; }
    com::Variant invoke(std::string_view member, com::CallKind, com::Args) override;
    int depth = 0;
};

// What one entity member does instead of succeeding.
struct Outcome {
    int32_t number = 0;   // set NumError (with `trail`) and return ""/False/none
    std::string trail;
    int32_t raise = 0;    // or fail the call itself with this number
    com::Variant result;  // or, when not Empty, return this
};
inline Outcome Reports(int32_t number, std::string trail) { return {number, std::move(trail), 0, {}}; }
inline Outcome Raises(int32_t number) { return {0, {}, number, {}}; }
inline Outcome Returns(com::Variant result) { return {0, {}, 0, std::move(result)}; }

// Registers every fake manager and record; the entity library, when it is
// built, is loaded first so that it cannot replace them later.
void Install();

// Registers one more fake manager under "Quossa.<name>".
void RegisterManager(const std::string& name);

// Clears the journal and the scripted outcomes.
void Reset();

// "Manager.Member" → what it does on its next calls.
void Script(const std::string& managerAndMember, Outcome outcome);

// The journal since the last Reset, one entry per event, joined by blanks.
std::string Journal();

// The connection that the journal writes as "tx".
std::shared_ptr<Connection> TestConnection();

// Tests that run against the fakes: installed once, journal fresh per test.
class WithFakeEntities : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Install(); }
    void SetUp() override { Reset(); }
};

// One trail entry of this library.
inline std::string Line(const std::string& className, const std::string& operation) {
    return "\rBrintel - " + className + " - " + operation;
}

}  // namespace fake

namespace com {
// How test failures show a variant: its type name and text.
void PrintTo(const Variant& value, std::ostream* out);
}  // namespace com
