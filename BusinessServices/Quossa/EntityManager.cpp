#include "EntityManager.h"

#include "Com/Registry.h"
#include "Dravik/DravikNames.h"

namespace quossa {

const com::Members<EntityManager>& EntityManager::Interface() {
    static const com::Members<EntityManager> m =
        com::Members<EntityManager>()
            .method(names::GetIV, [](EntityManager& s, com::Args) { return com::Variant(s.viewAs(IVisorXML())); })
            .method(names::GetIM, [](EntityManager& s, com::Args) {
                // A manager without the maintenance view cannot be seen as one.
                if (!s.declaration_.maintenance) base::Raise(base::err::TypeMismatch);
                return com::Variant(s.viewAs(IMantXML()));
            });
    return m;
}

com::Variant EntityManager::perform(const ManagerOperation& operation, com::Args args) {
    const bool answersText = operation.call == DataCall::ConsultaXML;
    const com::Variant failure = answersText ? com::Variant(std::string()) : com::Variant(false);
    if (!operation.offered()) {
        NumError = base::err::NotOffered;
        return failure;
    }
    const Params params = operation.read(args);
    return runProcedure(shared_from_this(), operation.procedure, failure,
                        [&](const com::ObjectRef& data) -> com::Variant {
        if (operation.guard) {
            const std::string guard = operation.guard(params);
            if (!guard.empty()) com::CallChecked(data, dravik::names::ConsultaXML, {com::Variant(guard)});
        }
        switch (operation.call) {
            case DataCall::ConsultaXML:
                return com::Variant(
                    com::Call(data, dravik::names::ConsultaXML, {com::Variant(operation.sql(params))}).toString());
            case DataCall::ExecutaSQL:
                com::Call(data, dravik::names::ExecutaSQL, {com::Variant(operation.sql(params))});
                break;
            case DataCall::UpdateXML:
                com::Call(data, dravik::names::UpdateXML, {params.at(0)});
                break;
        }
        // Success is judged by the data object's NumError alone.
        return com::Variant(true);
    });
}

bool RegisterManager(const ManagerDeclaration& declaration) {
    return com::RegisterClass(com::ProgID(names::Quossa, declaration.className),
                              [&declaration] { return std::make_shared<EntityManager>(declaration); });
}

Params IgnoreArgument(com::Args) { return {}; }

Params ReadLong(com::Args args) { return {com::Variant(com::Arg(args, 0).toLong())}; }

Params ReadText(com::Args args) { return {com::Variant(com::Arg(args, 0).toString())}; }

ArgumentReader ReadFields(std::vector<std::string_view> fields) {
    return [fields = std::move(fields)](com::Args args) {
        const com::ObjectRef record = com::Arg(args, 0).toObject();
        Params values;
        for (std::string_view field : fields) values.push_back(com::Get(record, field));
        for (size_t i = 0; i < fields.size(); ++i) {
            if (fields[i].starts_with("lng")) values[i] = com::Variant(values[i].toLong());
            else if (fields[i].starts_with("bol")) values[i] = com::Variant(values[i].toBool());
            else values[i] = com::Variant(values[i].toString());
        }
        return values;
    };
}

}  // namespace quossa
