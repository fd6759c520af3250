#include "EntityManager.h"

#include "Com/Registry.h"

namespace quossa {

const com::Members<EntityManager>& EntityManager::Interface() {
    static const com::Members<EntityManager> m =
        com::Members<EntityManager>()
            .method("GetIV", [](EntityManager& s, com::Args) { return com::Variant(s.viewAs(IVisorXML())); })
            .method("GetIM", [](EntityManager& s, com::Args) {
                // A manager without the maintenance view cannot be seen as one.
                if (!s.spec_.maintenance) com::Raise(com::err::TypeMismatch);
                return com::Variant(s.viewAs(IMantXML()));
            });
    return m;
}

com::Variant EntityManager::perform(const Operation& operation, com::Args args) {
    const bool answersText = operation.call == DataCall::ConsultaXML;
    const com::Variant failure = answersText ? com::Variant(std::string()) : com::Variant(false);
    if (!operation.offered()) {
        errors.NumError = kNotOffered;
        return failure;
    }
    const Params params = operation.read(args);
    return runProcedure(shared_from_this(), operation.procedure, failure,
                        [&](const com::ObjectRef& data) -> com::Variant {
        if (operation.guard) {
            const std::string guard = operation.guard(params);
            if (!guard.empty()) {
                com::Call(data, "ConsultaXML", {com::Variant(guard)});
                raiseIfFailed(data);
            }
        }
        switch (operation.call) {
            case DataCall::ConsultaXML:
                return com::Variant(
                    com::Call(data, "ConsultaXML", {com::Variant(operation.sql(params))}).toString());
            case DataCall::ExecutaSQL:
                com::Call(data, "ExecutaSQL", {com::Variant(operation.sql(params))});
                break;
            case DataCall::UpdateXML:
                com::Call(data, "UpdateXML", {params.at(0)});
                break;
        }
        // Success is judged by the data object's NumError alone.
        return com::Variant(true);
    });
}

bool RegisterManager(const ManagerSpec& spec) {
    return com::RegisterClass("Quossa." + spec.className,
                              [&spec] { return std::make_shared<EntityManager>(spec); });
}

Params IgnoreArgument(com::Args) { return {}; }

Params ReadLong(com::Args args) { return {com::Variant(com::Arg(args, 0).toLong())}; }

Params ReadText(com::Args args) { return {com::Variant(com::Arg(args, 0).toString())}; }

ArgumentReader ReadFields(std::vector<std::string> names) {
    return [names = std::move(names)](com::Args args) {
        const com::ObjectRef record = com::Arg(args, 0).toObject();
        Params values;
        for (const std::string& name : names) values.push_back(com::Get(record, name));
        for (size_t i = 0; i < names.size(); ++i) {
            if (names[i].starts_with("lng")) values[i] = com::Variant(values[i].toLong());
            else if (names[i].starts_with("bol")) values[i] = com::Variant(values[i].toBool());
            else values[i] = com::Variant(values[i].toString());
        }
        return values;
    };
}

}  // namespace quossa
