// Entity managers and their arguments as the business-support layer uses
// them: created by ProgID, seen through a view, called by member name.
#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "Com/Object.h"

namespace quossatest {

enum class View { IV, IM };

// A new "Quossa.<className>" seen through GetIV or GetIM.
com::ObjectRef ViewOf(const std::string& className, View view);

// A member's argument: a plain value, or a parameter record created by
// ProgID and filled by field name.
struct Argument {
    Argument(com::Variant v = {}) : value(std::move(v)) {}
    Argument(const char* text) : value(text) {}
    Argument(int32_t n) : value(n) {}
    Argument(double d) : value(d) {}

    com::Variant make() const;

    com::Variant value;
    std::string record;
    std::vector<std::pair<std::string, com::Variant>> fields;
};
Argument Record(std::string className, std::vector<std::pair<std::string, com::Variant>> fields);

// Calls `member` of `view` with the argument.
com::Variant CallMember(const com::ObjectRef& view, const std::string& member, const Argument& argument);

// One member of one manager, with the statements its procedure sends, in
// order (a change set for Save), and the procedure that names itself in
// the trail.
struct SqlCase {
    std::string className;
    View view;
    std::string member;
    Argument argument;
    std::vector<std::string> sent;
    std::string procedure;
};
const std::vector<SqlCase>& SqlCases();

// What a member answers on failure, and which data call ends it.
bool AnswersText(const std::string& member);
std::string DataCallOf(const std::string& member);

}  // namespace quossatest

namespace com {
// How test failures show a variant: its type and its value, with carriage
// returns of a trail written as "\\r".
void PrintTo(const Variant& value, std::ostream* out);
}  // namespace com
