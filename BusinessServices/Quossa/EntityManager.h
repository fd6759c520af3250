// The entity manager: one class shape for every table and map layer. A
// manager is an EntityManager driven by a ManagerDeclaration, a short declaration
// of its class name and of the five operations behind its views: what each
// member reads from its argument, the private procedure it reaches (its
// name is the last part of the trail entry), the SQL that procedure builds
// and the call it makes on the data object.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "EntityCore.h"

namespace quossa {

// The values a view member took from its argument, converted, in the
// order it read them.
using Params = std::vector<com::Variant>;

// Reads a member's argument. It runs in the member itself, before the
// procedure: a failure fails the call and leaves the error fields as they
// were.
using ArgumentReader = std::function<Params(com::Args)>;
using SqlBuilder = std::function<std::string(const Params&)>;

enum class DataCall { ConsultaXML, ExecutaSQL, UpdateXML };

struct ManagerOperation {
    std::string procedure = {};  // empty: the member is not offered and answers 518
    DataCall call = DataCall::ConsultaXML;
    ArgumentReader read = {};
    // Builds the statement inside the procedure, where its failures are
    // the procedure's. UpdateXML builds none: the change set (the first
    // value read) goes to the data object as it is.
    SqlBuilder sql = {};
    // A query that must succeed before the statement is sent; empty text
    // when there is none.
    SqlBuilder guard = {};

    bool offered() const { return !procedure.empty(); }
};

struct ManagerDeclaration {
    std::string_view className;
    ManagerOperation list, byKey, save, remove, empty;
    bool maintenance = true;  // offers the IMantXML view
};

class EntityManager : public com::Dispatch<EntityManager>, public EntityCore {
public:
    static constexpr std::string_view kClassName = "EntityManager";
    static const com::Members<EntityManager>& Interface();  // GetIV, GetIM

    explicit EntityManager(const ManagerDeclaration& declaration) : declaration_(declaration) {}
    std::string className() const override { return std::string(declaration_.className); }
    const ManagerDeclaration& declaration() const { return declaration_; }

    // The body of a view member: reads the argument, then runs the
    // operation's procedure and returns its text or Boolean.
    com::Variant perform(const ManagerOperation& operation, com::Args args);

private:
    const ManagerDeclaration& declaration_;
};

// The two views of every manager.
const com::Members<EntityManager>& IVisorXML();
const com::Members<EntityManager>& IMantXML();

// Makes "Quossa.<class name>" create a manager of `declaration`, which must live
// as long as the library.
bool RegisterManager(const ManagerDeclaration& declaration);

// Argument readers.
Params IgnoreArgument(com::Args);
Params ReadLong(com::Args args);  // the argument as a 32-bit integer
Params ReadText(com::Args args);  // the argument as text
// Reads the named properties of the record in the argument, in order, then
// converts each by its prefix: "lng" to a 32-bit integer, "bol" to a
// Boolean, "str" to text.
ArgumentReader ReadFields(std::vector<std::string_view> names);

}  // namespace quossa
