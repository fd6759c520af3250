// What the tests of the network windows share: the session of the
// maintenance windows, the rows the server holds, and the headers of the
// vertex list.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "Ado/Recordset.h"
#include "Com/Registry.h"
#include "framework/WindowFixture.h"

class NetworkFixture : public WindowFixture {
protected:
    // A table's rows as a support operation lists them: each row's `codi`
    // to its `camp`, "" for Null.
    static std::map<std::string, std::string> Desats(const char* classe, const char* operacio, int32_t projecte,
                                                     const char* codi, const char* camp) {
        const com::ObjectRef service = com::CreateObject(std::string("Brintel.") + classe);
        ado::Recordset rows = ado::Recordset::FromXml(com::Call(service, operacio, {projecte}).toString());
        std::map<std::string, std::string> saved;
        if (rows.RecordCount() == 0) return saved;
        for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) {
            const com::Variant key = rows.Value(codi), value = rows.Value(camp);
            saved[key.isNull() ? "" : key.toString()] = value.isNull() ? "" : value.toString();
        }
        return saved;
    }
    static std::string Capcalera(QWidget& w, int column) {
        return w.findChild<velmar::VertexList*>("lstPunts")->headerItem()->text(column).toStdString();
    }
};
