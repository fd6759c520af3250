// Recordsets to and from their XML text; the change set a window sends when
// it saves; and the text of a recordset rebuilt with its current rows as
// unchanged rows, with which a window reloads its list locally. The data
// layer reads, writes and cuts the text; these members put the class's
// error convention around it.
#include "Ado/XmlWriter.h"
#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"

namespace velmar {
namespace {

// The recordset an argument holds; 424 when it holds none.
ado::Recordset& Required(const RecordsetRef& rst) {
    if (!rst) com::Raise(com::err::ObjectRequired);
    return *rst;
}

}  // namespace

RecordsetRef clsFuncionsCapaInterficie::PassaXMLARecordset(const com::Variant& strRecordsetXML) {
    return base::Guard(*this, kFunctionsLocation, "PassaXMLARecordset", [&] {
        // A text is read where it stands, not from a copy.
        if (strRecordsetXML.type() == com::Variant::Type::String)
            return std::make_shared<ado::Recordset>(ado::Recordset::FromXml(strRecordsetXML.asString()));
        return std::make_shared<ado::Recordset>(ado::Recordset::FromXml(strRecordsetXML.toString()));
    });
}

std::string clsFuncionsCapaInterficie::PassaRecordsetAXML(const RecordsetRef& rstRecordset) {
    return base::Guard(*this, kFunctionsLocation, "PassaRecordsetAXML", [&] { return Required(rstRecordset).ToXml(); });
}

std::string clsFuncionsCapaInterficie::ObteActualitzacionsDeXML(const std::string& strXML) {
    return base::Guard(*this, kFunctionsLocation, "ObteActualitzacionsDeXML", [&] {
        std::optional<std::string> changes = ado::xml::ChangeSet(strXML);
        // No data section, or a block left open: no recordset wrote it.
        if (!changes) com::Raise(base::err::InvalidProcedureCall);
        return std::move(*changes);
    });
}

std::string clsFuncionsCapaInterficie::PurgaActualitzacionsRecordset(const RecordsetRef& rstRecordset) {
    return base::Guard(*this, kFunctionsLocation, "PurgaActualitzacionsRecordset", [&] {
        // The recordset's own text first: a recordset that cannot give it
        // fails as it does there, with that entry before this one.
        PassaRecordsetAXML(rstRecordset);
        ado::Recordset& rows = *rstRecordset;
        std::string text = rows.ShownRowsXml();
        // The rows are read as a walk through them would: the recordset is
        // left at its end.
        if (rows.RecordCount() != 0) rows.Move(rows.RecordCount(), ado::Recordset::MoveStart::First);
        return text;
    });
}

}  // namespace velmar
