// A combo whose list comes from a lookup table: what the lookup-table
// editor's opener gives the editor's rows to once the editor closes.
#pragma once

#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"

namespace velmar {

class LookupCombo {
public:
    virtual ~LookupCombo() = default;
    virtual void SetRowSource(const RecordsetRef& rowSource) = 0;
    virtual void Refresh() = 0;
};

}  // namespace velmar
