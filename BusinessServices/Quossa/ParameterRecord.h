// A parameter record: a class with public fields only, created by ProgID,
// filled by member name and read by name by the manager it is passed to.
// Every record is a ParameterRecord driven by its declaration: the class
// name and the fields in order, each with the value it starts with, whose
// type is the type the field keeps (a let converts to it).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "Com/Object.h"
#include "QuossaNames.h"

namespace quossa {

class ParameterRecord;

struct RecordDeclaration {
    RecordDeclaration(std::string_view className, std::vector<std::pair<std::string_view, com::Variant>> fields);

    std::string_view className;
    std::vector<std::pair<std::string_view, com::Variant>> fields;  // name, initial value
    com::Members<ParameterRecord> members;
};

class ParameterRecord final : public com::Object {
public:
    explicit ParameterRecord(const RecordDeclaration& declaration);
    std::string className() const override { return std::string(declaration_.className); }
    com::Variant invoke(std::string_view member, com::CallKind kind, com::Args args) override {
        return declaration_.members.invoke(*this, member, kind, args);
    }

    std::vector<com::Variant> values;

private:
    const RecordDeclaration& declaration_;
};

// Makes "Quossa.<class name>" create a record of `declaration`, which must
// live as long as the library.
bool RegisterRecord(const RecordDeclaration& declaration);

}  // namespace quossa
