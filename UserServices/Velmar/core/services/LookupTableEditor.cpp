#include "core/services/LookupTableEditor.h"

#include "core/services/RegisteredFactory.h"

namespace velmar {
namespace {

RegisteredFactory<LookupTableEditor>& Editors() {
    static RegisteredFactory<LookupTableEditor> editors(NewLookupTableEditor);
    return editors;
}

}  // namespace

LookupTableEditorFactory RegisterLookupTableEditor(LookupTableEditorFactory fabrica) {
    return Editors().Register(std::move(fabrica));
}

std::unique_ptr<LookupTableEditor> CreateLookupTableEditor() { return Editors().Create(); }

}  // namespace velmar
