#include "Managers.h"

#include "Com/Registry.h"

namespace quossatest {

com::ObjectRef ViewOf(const std::string& className, View view) {
    const com::ObjectRef manager = com::CreateObject("Quossa." + className);
    return com::Call(manager, view == View::IV ? "GetIV" : "GetIM").toObject();
}

com::Variant Argument::make() const {
    if (record.empty()) return value;
    const com::ObjectRef r = com::CreateObject("Quossa." + record);
    for (const auto& [name, v] : fields) com::Let(r, name, v);
    return com::Variant(r);
}

Argument Record(std::string className, std::vector<std::pair<std::string, com::Variant>> fields) {
    Argument a;
    a.record = std::move(className);
    a.fields = std::move(fields);
    return a;
}

com::Variant CallMember(const com::ObjectRef& view, const std::string& member, const Argument& argument) {
    return com::Call(view, member, {argument.make()});
}

bool AnswersText(const std::string& member) { return member != "Save" && member != "Delete"; }

std::string DataCallOf(const std::string& member) {
    if (member == "Save") return "UpdateXML";
    if (member == "Delete") return "ExecutaSQL";
    return "ConsultaXML";
}

}  // namespace quossatest

void com::PrintTo(const Variant& value, std::ostream* out) {
    *out << TypeName(value);
    if (value.isEmpty() || value.isNull() || value.isObject()) return;
    *out << " \"";
    for (char c : value.toString()) {
        if (c == '\r') *out << "\\r";
        else *out << c;
    }
    *out << '"';
}
