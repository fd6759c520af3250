#include "FakeEntities.h"

#include "Com/Registry.h"

namespace fake {

namespace {

struct State {
    std::vector<std::string> journal;
    std::map<std::string, Outcome> script;
    std::shared_ptr<Connection> tx = std::make_shared<Connection>();
};

State& TheState() {
    static State state;
    return state;
}

void Write(std::string entry) { TheState().journal.push_back(std::move(entry)); }

class Record : public com::Object {
public:
    explicit Record(std::string name) : name_(std::move(name)) {}
    std::string className() const override { return name_; }

    com::Variant invoke(std::string_view member, com::CallKind kind, com::Args args) override {
        for (auto& [name, value] : fields_) {
            if (!com::SameName(name, member)) continue;
            if (kind == com::CallKind::Let) value = com::Arg(args, 0);
            return kind == com::CallKind::Let ? com::Variant() : value;
        }
        if (kind != com::CallKind::Let) com::Raise(com::err::MemberNotFound);
        fields_.emplace_back(std::string(member), com::Arg(args, 0));
        return {};
    }

    std::string Describe() const;

private:
    std::string name_;
    std::vector<std::pair<std::string, com::Variant>> fields_;
};

std::string Describe(const com::Variant& v) {
    switch (v.type()) {
        case com::Variant::Type::Empty: return "Empty";
        case com::Variant::Type::String: return "'" + v.asString() + "'";
        case com::Variant::Type::Bool: return v.asBool() ? "True" : "False";
        case com::Variant::Type::Object: {
            const com::ObjectRef& o = v.asObject();
            if (!o) return "none";
            if (o == TheState().tx) return "tx";
            if (auto record = std::dynamic_pointer_cast<Record>(o)) return record->Describe();
            return "conn";
        }
        default: return v.toString();
    }
}

std::string Record::Describe() const {
    std::string text = name_ + "{";
    for (size_t i = 0; i < fields_.size(); ++i)
        text += (i ? " " : "") + fields_[i].first + "=" + fake::Describe(fields_[i].second);
    return text + "}";
}

class Manager : public com::Object {
public:
    explicit Manager(std::string name) : name_(std::move(name)) {}
    std::string className() const override { return name_; }
    com::Variant invoke(std::string_view member, com::CallKind kind, com::Args args) override;

    // The member `member` called through view `view`.
    com::Variant Call(const std::string& view, std::string_view member, com::Args args);

    std::string name_;
    int32_t numError = 0;
    std::string ubicacioError;
    com::ObjectRef heldTransaction;
};

// One of the manager's views: the manager seen through GetIV, GetIM or GetIT.
class View : public com::Object {
public:
    View(std::shared_ptr<Manager> manager, std::string kind)
        : manager_(std::move(manager)), kind_(std::move(kind)) {}
    std::string className() const override { return manager_->className(); }
    com::ObjectRef identity() override { return manager_; }

    com::Variant invoke(std::string_view member, com::CallKind kind, com::Args args) override {
        Manager& m = *manager_;
        if (com::SameName(member, "NumError")) {
            if (kind == com::CallKind::Let) m.numError = com::Arg(args, 0).toLong();
            return m.numError;
        }
        if (com::SameName(member, "UbicacioError")) {
            if (kind == com::CallKind::Let) m.ubicacioError = com::Arg(args, 0).toString();
            return m.ubicacioError;
        }
        if (com::SameName(member, "IdTransaccio")) {
            if (kind == com::CallKind::Get) return m.heldTransaction;
            if (kind != com::CallKind::Set) com::Raise(com::err::MemberNotFound);
            m.heldTransaction = com::Arg(args, 0).toObject();
            Write(kind_ + "." + Describe(com::Variant(m.heldTransaction)));
            return {};
        }
        return m.Call(kind_, member, args);
    }

private:
    std::shared_ptr<Manager> manager_;
    std::string kind_;
};

bool IsTransactionMember(std::string_view member) {
    return com::SameName(member, "BeginTransaction") || com::SameName(member, "CommitTransaction") ||
           com::SameName(member, "RollBackTransaction");
}

com::Variant Manager::invoke(std::string_view member, com::CallKind, com::Args) {
    for (const char* view : {"GetIV", "GetIM", "GetIT"})
        if (com::SameName(member, view))
            return com::ObjectRef(std::make_shared<View>(
                std::static_pointer_cast<Manager>(shared_from_this()), std::string(view + 3)));
    com::Raise(com::err::MemberNotFound);
}

com::Variant Manager::Call(const std::string& view, std::string_view member, com::Args args) {
    Write(view + "." + std::string(member) + "(" + (args.empty() ? "" : Describe(args[0])) + ")");
    numError = 0;
    ubicacioError.clear();
    const bool boolean = com::SameName(member, "Save") || com::SameName(member, "Delete");
    const bool transaction = IsTransactionMember(member);

    auto scripted = TheState().script.find(name_ + "." + std::string(member));
    if (scripted != TheState().script.end()) {
        const Outcome& outcome = scripted->second;
        if (outcome.raise != 0) com::Raise(outcome.raise);
        if (outcome.number != 0) {
            numError = outcome.number;
            ubicacioError = outcome.trail;
            if (transaction) {
                heldTransaction = nullptr;
                return com::Variant(heldTransaction);
            }
            return boolean ? com::Variant(false) : com::Variant("");
        }
        if (!outcome.result.isEmpty()) return outcome.result;
    }
    if (boolean) return true;
    if (!transaction) return "rows of " + std::string(member);

    // Nesting levels on one connection, as the data access service keeps them.
    auto connection = std::static_pointer_cast<Connection>(heldTransaction);
    if (com::SameName(member, "BeginTransaction")) {
        if (!connection) connection = std::make_shared<Connection>();
        ++connection->depth;
    } else if (connection && --connection->depth == 0) {
        connection = nullptr;
    }
    heldTransaction = connection;
    return com::Variant(heldTransaction);
}

constexpr const char* kManagers[] = {
    "MngCaractSuport", "MngCarrerPunts", "MngCarrers", "MngClients", "MngEscomesaElements",
    "MngEscomesaPunts", "MngEscomeses", "MngIdioma", "MngLluminaries", "MngManteniments",
    "MngPatronsPuntLlum", "MngPLlumPunts", "MngProjectes", "MngPuntsLlum", "MngTaulesAuxiliars",
    "MngTramPunts", "MngTrams", "MngTransaccions", "MngUsuariProjectes", "MngUsuaris",
    "MngZonaPunts", "MngZones"};

constexpr const char* kRecords[] = {
    "paramIdioma", "paramTextIdioma", "paramTaulaAuxiliar", "paramListTaulaAuxiliar",
    "paramUsuariProjecte", "paramListEscomeses", "paramListEscomesaElements"};

}  // namespace

com::Variant Connection::invoke(std::string_view, com::CallKind, com::Args) {
    com::Raise(com::err::MemberNotFound);
}

void RegisterManager(const std::string& name) {
    com::RegisterClass("Quossa." + name, [name] {
        Write("+" + name);
        return std::make_shared<Manager>(name);
    });
}

void Install() {
    try {
        static_cast<void>(com::CreateObject("Quossa.NoClassOfThisName"));
    } catch (const com::ComError&) {
        // Expected: the point was to load the library if there is one.
    }
    for (const char* name : kManagers) RegisterManager(name);
    for (const char* name : kRecords)
        com::RegisterClass(std::string("Quossa.") + name, [name] {
            Write(std::string("+") + name);
            return std::make_shared<Record>(name);
        });
}

void Reset() {
    TheState().journal.clear();
    TheState().script.clear();
    TheState().tx->depth = 0;
}

void Script(const std::string& managerAndMember, Outcome outcome) {
    TheState().script[managerAndMember] = std::move(outcome);
}

std::string Journal() {
    std::string text;
    for (const std::string& entry : TheState().journal) text += (text.empty() ? "" : " ") + entry;
    return text;
}

std::shared_ptr<Connection> TestConnection() { return TheState().tx; }

}  // namespace fake

void com::PrintTo(const Variant& value, std::ostream* out) {
    *out << TypeName(value);
    if (!value.isObject() && !value.isNull()) *out << " \"" << value.toString() << "\"";
}
