// A stand-in for the lookup-table editor in window tests: it closes with
// the table's rows as a support class lists them, after whatever a test
// makes it do in ShowModal.
#pragma once

#include <memory>
#include <string>

#include "Ado/Recordset.h"
#include "Com/Object.h"
#include "Com/Registry.h"
#include "core/services/LookupTableEditor.h"

struct TestLookupTableEditor : velmar::LookupTableEditor {
    void LlegeixFiles(const std::string& progId) {
        const com::ObjectRef service = com::CreateObject(progId);
        rows = std::make_shared<ado::Recordset>(
            ado::Recordset::FromXml(com::Call(service, "GetListAuxiliar", {strNomTaula, strCampLlista}).toString()));
    }
    velmar::RecordsetRef FilesTaula() const override { return rows; }
    velmar::RecordsetRef rows;
};
