#include "ParameterRecord.h"

#include "Com/Registry.h"
#include "QuossaNames.h"

namespace quossa {

namespace {

com::Variant ConvertLike(const com::Variant& value, const com::Variant& like) {
    switch (like.type()) {
        case com::Variant::Type::Long: return com::Variant(value.toLong());
        case com::Variant::Type::Bool: return com::Variant(value.toBool());
        default: return com::Variant(value.toString());
    }
}

}  // namespace

RecordDeclaration::RecordDeclaration(std::string_view name,
                                     std::vector<std::pair<std::string_view, com::Variant>> declared)
    : className(name), fields(std::move(declared)) {
    for (size_t i = 0; i < fields.size(); ++i) {
        members.property(
            fields[i].first, [i](ParameterRecord& r) { return r.values[i]; },
            [i, like = fields[i].second](ParameterRecord& r, const com::Variant& v) {
                r.values[i] = ConvertLike(v, like);
            });
    }
}

ParameterRecord::ParameterRecord(const RecordDeclaration& declaration) : declaration_(declaration) {
    for (const auto& field : declaration.fields) values.push_back(field.second);
}

bool RegisterRecord(const RecordDeclaration& declaration) {
    return com::RegisterClass(com::ProgID(names::Quossa, declaration.className), [&declaration] {
        return std::make_shared<ParameterRecord>(declaration);
    });
}

}  // namespace quossa
