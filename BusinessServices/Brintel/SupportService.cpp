#include "SupportService.h"

#include <stdexcept>
#include <tuple>

#include "Com/Registry.h"

namespace brintel {

namespace {

namespace entity = quossa::names;

// An entity result that means failure (False, or a text with no recordset
// in it) while the entity's NumError says success: reported as a failure
// with this number rather than passed on as a success.
constexpr int32_t kFailureWithoutNumber = base::err::AutomationError;

// The services ask for the by-key read as "GetById", which reaches GetByID:
// members are found without regard to case.
constexpr std::string_view kGetById = "GetById";

// The view an entity member is called through, and its name.
std::pair<std::string_view, std::string_view> ViewAndName(Entity member) {
    switch (member) {
        case Entity::GetList: return {entity::GetIV, entity::GetList};
        case Entity::GetById: return {entity::GetIV, kGetById};
        case Entity::Save: return {entity::GetIM, entity::Save};
        case Entity::Delete: return {entity::GetIM, entity::Delete};
        case Entity::GetEmpty: return {entity::GetIM, entity::GetEmpty};
        case Entity::BeginTransaction: return {entity::GetIT, entity::BeginTransaction};
        case Entity::CommitTransaction: return {entity::GetIT, entity::CommitTransaction};
        case Entity::RollBackTransaction: return {entity::GetIT, entity::RollBackTransaction};
    }
    throw std::logic_error("no view offers this entity member");
}

// The caller's argument converted to the type its name announces.
com::Variant Bind(std::string_view param, const com::Variant& value) {
    if (param.starts_with("lng")) return com::Variant(value.toLong());
    return com::Variant(value.toString());
}

}  // namespace

ServiceOperation::ServiceOperation(std::string_view name, std::string_view manager, Entity member,
                                   std::vector<std::string_view> params)
    : name_(name), params_(std::move(params)), literal_(name), manager_(manager) {
    if (params_.size() == 1) argument_ = Param(params_.front());
    std::tie(view_, member_) = ViewAndName(member);
    if (member == Entity::Save || member == Entity::Delete) result_ = Result::Boolean;
    if (view_ == entity::GetIT) {
        result_ = Result::Connection;
        hasArgument_ = false;
    }
}

ServiceOperation::ServiceOperation(std::string_view name, std::vector<std::string_view> params)
    : name_(name), params_(std::move(params)), literal_(name) {}

ServiceOperation ServiceOperation::WindowTexts() {
    return ServiceOperation(names::GetTextIdioma, {"lngIdioma", "strNomForm"});
}

ServiceOperation ServiceOperation::passing(Value value) const {
    ServiceOperation op = *this;
    op.argument_ = std::move(value);
    return op;
}

ServiceOperation ServiceOperation::record(std::string_view className, std::vector<RecordField> fields) const {
    ServiceOperation op = *this;
    op.record_ = className;
    op.fields_ = std::move(fields);
    return op;
}

ServiceOperation ServiceOperation::recordFirst() const {
    ServiceOperation op = *this;
    op.recordFirst_ = true;
    return op;
}

ServiceOperation ServiceOperation::literal(std::string_view literal) const {
    ServiceOperation op = *this;
    op.literal_ = literal;
    return op;
}

ServiceOperation ServiceOperation::withoutCaller() const {
    ServiceOperation op = *this;
    op.withCaller_ = false;
    return op;
}

ServiceOperation ServiceOperation::resendsTransaction() const {
    ServiceOperation op = *this;
    op.resendsTransaction_ = true;
    return op;
}

ServiceDeclaration::ServiceDeclaration(std::string_view name, std::vector<ServiceOperation> operations)
    : ServiceDeclaration(name, name, std::move(operations)) {}

ServiceDeclaration::ServiceDeclaration(std::string_view name, std::string_view trailName,
                                       std::vector<ServiceOperation> operations)
    : name_(name), trailName_(trailName), operations_(std::move(operations)),
      members_(com::TransactionProperties<SupportService>()) {
    // operations_ is complete: the addresses taken here stay valid.
    for (const ServiceOperation& op : operations_)
        members_.method(op.name_, [&op](SupportService& s, com::Args a) { return s.Run(op, a); });
}

bool RegisterService(const ServiceDeclaration& declaration) {
    return com::RegisterClass(com::ProgID(names::Brintel, declaration.name_),
                              [&declaration] { return std::make_shared<SupportService>(declaration); });
}

SupportService::SupportService(const ServiceDeclaration& declaration)
    : declaration_(declaration), supportFunctions_(std::make_shared<clsFuncionsSubCapaSuport>()) {}

SupportService::~SupportService() = default;

std::string SupportService::className() const { return std::string(declaration_.name_); }

com::Variant SupportService::invoke(std::string_view member, com::CallKind kind, com::Args args) {
    return declaration_.members_.invoke(*this, member, kind, args);
}

com::Variant SupportService::Run(const ServiceOperation& op, com::Args args) {
    // Arguments take their declared types as the call binds them; one that
    // cannot fails the call itself, before the operation starts.
    std::vector<com::Variant> params;
    for (size_t i = 0; i < op.params_.size(); ++i)
        params.push_back(Bind(op.params_[i], com::Arg(args, i)));

    com::Variant empty;
    if (op.result_ == ServiceOperation::Result::Text) empty = com::Variant(std::string());
    if (op.result_ == ServiceOperation::Result::Boolean) empty = com::Variant(false);
    return base::Guard(*this, {base::label::Brintel, declaration_.trailName_}, op.literal_, std::move(empty),
                       [&] { return Perform(op, params); });
}

namespace {

// The variant a Value stands for: the caller's argument itself (so that it
// is passed by reference) or the fixed value.
com::Variant& ValueOf(const std::vector<std::string_view>& names, const Value& value,
                      std::vector<com::Variant>& params, com::Variant& constant) {
    if (value.param.empty()) {
        constant = value.constant;
        return constant;
    }
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == value.param) return params[i];
    throw std::logic_error("the operation has no argument " + std::string(value.param));
}

}  // namespace

com::ObjectRef SupportService::NewRecord(const ServiceOperation& op, std::vector<com::Variant>& params) {
    com::ObjectRef record = base::CallChecked(*supportFunctions_, &clsFuncionsSubCapaSuport::CreaObjecteEntitat,
                                              std::string(op.record_), com::Variant());
    for (const RecordField& field : op.fields_) {
        com::Variant constant;
        com::Let(record, field.name, ValueOf(op.params_, field.value, params, constant));
    }
    return record;
}

com::ObjectRef& SupportService::ViewField(const ServiceOperation& op) {
    if (op.view_ == entity::GetIV) return readView_;
    if (op.view_ == entity::GetIM) return maintenanceView_;
    return transactionView_;
}

com::Variant SupportService::Perform(const ServiceOperation& op, std::vector<com::Variant>& params) {
    if (op.manager_.empty()) {
        return com::Variant(base::CallChecked(*supportFunctions_, &clsFuncionsSubCapaSuport::GetTextIdiomaForm,
                                              params[0].asLong(), params[1].asString()));
    }

    const bool hasRecord = !op.record_.empty();
    com::ObjectRef record;  // held for this call only
    if (hasRecord && op.recordFirst_) record = NewRecord(op, params);

    com::ObjectRef& manager = managers_[op.manager_];
    manager = base::CallChecked(*supportFunctions_, &clsFuncionsSubCapaSuport::CreaObjecteEntitat, std::string(op.manager_),
                                op.withCaller_ ? com::Variant(shared_from_this()) : com::Variant());
    if (hasRecord && !op.recordFirst_) record = NewRecord(op, params);

    com::ObjectRef& view = ViewField(op);
    view = com::CallForObject(manager, op.view_);
    if (op.resendsTransaction_) com::Set(view, com::names::IdTransaccio, IdTransaccio);

    com::Variant result;
    if (op.hasArgument_) {
        com::Variant holder = record ? com::Variant(record) : com::Variant();
        com::Variant& argument =
            record ? holder : ValueOf(op.params_, op.argument_, params, holder);
        result = com::CallRef(view, op.member_, com::Args(&argument, 1));
    } else {
        result = com::Call(view, op.member_);
    }
    // A transaction member's connection replaces IdTransaccio even when the
    // member failed (it then returns none), so its report is raised after.
    if (op.result_ == ServiceOperation::Result::Connection) IdTransaccio = result.toObject();
    com::RaiseReported(view);

    switch (op.result_) {
        case ServiceOperation::Result::Text:
            result = com::Variant(std::move(result).toString());
            if (result.asString().empty()) base::Raise(kFailureWithoutNumber);
            break;
        case ServiceOperation::Result::Boolean:
            if (!result.toBool()) base::Raise(kFailureWithoutNumber);
            result = com::Variant(true);
            break;
        case ServiceOperation::Result::Connection:
            result = {};
            break;
    }
    manager = nullptr;
    return result;
}

}  // namespace brintel
