// The shape shared by every support service of the library.
//
// A support service offers NumError, UbicacioError and IdTransaccio, then
// its operations. Each operation makes one call into the entity library:
// it creates the entity manager it needs with the service itself as the
// caller (so the manager receives the service's IdTransaccio), fills a
// parameter record when the operation needs one, takes the manager's view
// (GetIV to read, GetIM to write, GetIT for transactions), calls one member
// by name, tests the view's NumError and releases the manager. On failure it
// keeps the number, appends "Brintel - <class> - <operation>" to the trail
// and returns "" or False; no error leaves an operation (Base/Guard.h).
//
// A service is declared as a table of ServiceOperation rows, in interface order,
// with the names of BrintelNames.h and QuossaNames.h; the engine below runs
// them, and RegisterService makes "Brintel.<class>" create the service.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "BrintelNames.h"
#include "Com/ErrorProperties.h"
#include "Com/Object.h"
#include "Quossa/QuossaNames.h"
#include "clsFuncionsSubCapaSuport.h"

namespace brintel {

// What an operation hands to the entity member or sets in a record field:
// the caller's argument of that name (passed by reference), or a fixed
// value. A default Value is an empty variant, never assigned.
struct Value {
    std::string_view param;
    com::Variant constant;
};

// The caller's argument of that name.
inline Value Param(std::string_view name) { return {name, {}}; }
// A fixed value, passed by value.
inline Value Fixed(const com::Variant& value) { return {{}, value}; }

struct RecordField {
    std::string_view name;
    Value value;
};

class SupportService;

// The member of the entity manager that an operation calls. It decides the
// view (GetList, GetById: GetIV; Save, Delete, GetEmpty: GetIM; the three
// transaction members: GetIT) and the result (text, Boolean, or the
// returned connection kept as the service's IdTransaccio).
enum class Entity { GetList, GetById, Save, Delete, GetEmpty, BeginTransaction, CommitTransaction, RollBackTransaction };

class ServiceOperation {
public:
    // ServiceOperation `name` creates entity manager `manager` and calls its
    // member `member` by name. `params` are the operation's own arguments,
    // named as the interface names them; the prefix gives the type ("lng":
    // Long, "str": String). The member gets the one argument by reference,
    // or an empty variant when there is none.
    ServiceOperation(std::string_view name, std::string_view manager, Entity member,
                     std::vector<std::string_view> params = {});

    // GetTextIdioma: the texts of a window through the support functions.
    static ServiceOperation WindowTexts();

    // The member gets `value` in place of the operation's argument.
    ServiceOperation passing(Value value) const;
    // The argument is a new parameter record of class `className` with
    // these fields set by name in this order. It is created after the
    // manager, or before it with recordFirst().
    ServiceOperation record(std::string_view className, std::vector<RecordField> fields) const;
    ServiceOperation recordFirst() const;
    // The location entry names `literal` in place of the operation's name.
    ServiceOperation literal(std::string_view literal) const;
    // The manager is created without a caller: it runs outside any
    // transaction, whatever IdTransaccio holds.
    ServiceOperation withoutCaller() const;
    // The service's IdTransaccio is assigned once more to the view before
    // the member is called.
    ServiceOperation resendsTransaction() const;

private:
    friend class ServiceDeclaration;
    friend class SupportService;
    enum class Result { Text, Boolean, Connection };

    // GetTextIdioma: no manager, no member.
    ServiceOperation(std::string_view name, std::vector<std::string_view> params);

    std::string_view name_;
    std::vector<std::string_view> params_;
    std::string_view literal_;
    std::string_view manager_;
    std::string_view view_;
    std::string_view member_;
    Result result_ = Result::Text;
    bool hasArgument_ = true;
    Value argument_;
    std::string_view record_;
    std::vector<RecordField> fields_;
    bool recordFirst_ = false;
    bool withCaller_ = true;
    bool resendsTransaction_ = false;
};

// A service class: its name, the class name its trail entries carry, and
// its operations in interface order.
class ServiceDeclaration {
public:
    ServiceDeclaration(const ServiceDeclaration&) = delete;
    ServiceDeclaration& operator=(const ServiceDeclaration&) = delete;
    ServiceDeclaration(std::string_view name, std::vector<ServiceOperation> operations);
    ServiceDeclaration(std::string_view name, std::string_view trailName,
                       std::vector<ServiceOperation> operations);

private:
    friend class SupportService;
    friend bool RegisterService(const ServiceDeclaration& declaration);
    std::string_view name_;
    std::string_view trailName_;
    std::vector<ServiceOperation> operations_;
    com::Members<SupportService> members_;
};

// Makes "Brintel.<class name>" create a service of `declaration`, which
// must live as long as the library.
bool RegisterService(const ServiceDeclaration& declaration);

class SupportService : public com::Object, public com::TransactionFields {
public:
    explicit SupportService(const ServiceDeclaration& declaration);
    ~SupportService() override;

    std::string className() const override;
    com::Variant invoke(std::string_view member, com::CallKind kind, com::Args args) override;

private:
    friend class ServiceDeclaration;
    com::Variant Run(const ServiceOperation& op, com::Args args);
    com::Variant Perform(const ServiceOperation& op, std::vector<com::Variant>& params);
    com::ObjectRef NewRecord(const ServiceOperation& op, std::vector<com::Variant>& params);
    com::ObjectRef& ViewField(const ServiceOperation& op);

    const ServiceDeclaration& declaration_;
    std::shared_ptr<clsFuncionsSubCapaSuport> supportFunctions_;
    // One field per entity manager the operations name: it holds the
    // manager from its creation until its operation succeeds; after a
    // failure, until the next operation that uses it.
    std::map<std::string_view, com::ObjectRef> managers_;
    // The last views taken, kept until the next one replaces them.
    com::ObjectRef readView_;
    com::ObjectRef maintenanceView_;
    com::ObjectRef transactionView_;
};

}  // namespace brintel
