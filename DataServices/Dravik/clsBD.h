// The data access service: the only class that talks to the database. It
// runs a query and returns its rows as XML recordset text, runs an action
// statement, applies the changes an XML recordset carries, and opens, nests
// and ends transactions on one connection.
//
// Each data operation has three forms: the public entry, which runs on the
// transaction's connection when IdTransaccio holds one and otherwise on a
// connection of its own made from the connection string of "Dravik.INI"
// ("SenseTransaccio"), and the form on a given connection
// ("AmbTransaccio"). No member lets an error escape: each reports in
// NumError and UbicacioError under the error convention (Base/Guard.h); a
// public entry adds its own entry after the inner form's.
#pragma once

#include <string>
#include <string_view>

#include "Com/ErrorProperties.h"
#include "Com/Object.h"
#include "DravikNames.h"

namespace dravik {

class clsBD : public com::Dispatch<clsBD>, public com::TransactionFields {
public:
    static constexpr std::string_view kClassName = names::clsBD;
    static const com::Members<clsBD>& Interface();

    // --- settings ----------------------------------------------------------
    // The library's folder and "/Dravik.INI".
    static std::string RutaArxiuIni();
    // A value of "Dravik.INI", every "{mod}" replaced by the library's folder.
    std::string ConsultaArxiuIniBD(const std::string& strSeccio, const std::string& strClau);
    std::string ConsultaArxiuIni(const std::string& strRutaArxiuIni, const std::string& strSeccio,
                                 const std::string& strClau);
    std::string StrTran(const std::string& strStringbase, const std::string& strStringARemplacar,
                        const std::string& strStringRemplacable);

    // --- data operations ---------------------------------------------------
    std::string ConsultaXML(const std::string& strSQL);
    [[nodiscard]] bool ExecutaSQL(const std::string& strSQL);
    [[nodiscard]] bool UpdateXML(const std::string& strXML);
    std::string ConsultaXMLSenseTransaccio(const std::string& strSQL);
    std::string ConsultaXMLAmbTransaccio(const com::ObjectRef& cntSeccio, const std::string& strSQL);
    [[nodiscard]] bool ExecutaSQLSenseTransaccio(const std::string& strSQL);
    [[nodiscard]] bool ExecutaSQLAmbTransaccio(const com::ObjectRef& cntSeccio, const std::string& strSQL);
    [[nodiscard]] bool UpdateXMLSenseTransaccio(const std::string& strXML);
    [[nodiscard]] bool UpdateXMLAmbTransaccio(const com::ObjectRef& cntSeccio, const std::string& strXML);

    // --- transactions --------------------------------------------------------
    // The transaction's connection: IdTransaccio with one more level, or a
    // new connection at its first level, registered with the collector.
    // None on failure.
    [[nodiscard]] com::ObjectRef BeginTransaction();
    // End the innermost level. The connection while outer levels remain;
    // none when the outermost level ended (the connection is then closed),
    // when there was no transaction, or on failure.
    [[nodiscard]] com::ObjectRef CommitTransaction();
    [[nodiscard]] com::ObjectRef RollBackTransaction();

private:
    // The connection string of "Dravik.INI".
    std::string connectionString();
    // CommitTransaction and RollBackTransaction: `end` names the call that
    // ends the innermost level.
    com::ObjectRef endTransaction(std::string_view operation, std::string_view end);
};

}  // namespace dravik
