#include "clsBD.h"

#include "Ado/Connection.h"
#include "Ado/QueryText.h"
#include "Ado/Recordset.h"
#include "CollectorRegistration.h"
#include "Com/Registry.h"
#include "Profile/PrivateProfile.h"
#include "Profile/SettingsReader.h"

namespace dravik {

namespace {

using com::Args;
using com::ObjectRef;
using com::Variant;

constexpr base::Location kWhere{base::label::Dravik, clsBD::kClassName};

// Runs `body` as the member `operation` of `self`.
template <class Body>
auto Member(clsBD& self, std::string_view operation, Body&& body) {
    return base::Guard(self, kWhere, operation, std::forward<Body>(body));
}

// The three public entries: the form on the transaction's connection when
// there is one, else the form with a connection of its own; the form's
// failure becomes this operation's failure too.
template <class Result>
Result PublicEntry(clsBD& self, std::string_view operation, const std::string& argument,
                   Result (clsBD::*withoutTransaction)(const std::string&),
                   Result (clsBD::*withTransaction)(const ObjectRef&, const std::string&)) {
    return Member(self, operation, [&] {
        const ObjectRef connection = self.IdTransaccio;
        return connection ? (self.*withTransaction)(connection, argument) : (self.*withoutTransaction)(argument);
    });
}

void RequireText(const std::string& text) {
    if (text.empty()) base::Raise(base::err::EmptyArgument);
}

// The data layer's connection behind a connection argument.
ado::ConnectionRef AsConnection(const ObjectRef& object) {
    if (!object) base::Raise(base::err::ObjectRequired);
    auto connection = std::dynamic_pointer_cast<ado::Connection>(object->identity());
    if (!connection) base::Raise(base::err::TypeMismatch);
    return connection;
}

// Ends a transaction connection that cannot go on, so that every later use
// of it fails at once instead of writing into work that is lost: closing
// rolls back every level still open. Runs after a failure or a finished
// commit, so a failure of its own changes nothing.
void Abandon(const ObjectRef& connection) {
    if (!connection) return;
    try {
        com::Call(connection, "Close");
    } catch (...) {
    }
}

std::string Text(Args a, size_t i) { return com::Arg(a, i).toString(); }

std::string LibraryFolder() {
    static const int anchor = 0;
    return profile::ModuleFolder(&anchor);
}

}  // namespace

const com::Members<clsBD>& clsBD::Interface() {
    static const com::Members<clsBD> members =
        com::TransactionProperties<clsBD>()
            .property("RutaArxiuIni", [](clsBD&) { return Variant(RutaArxiuIni()); })
            .method(names::ConsultaXML, [](clsBD& c, Args a) { return Variant(c.ConsultaXML(Text(a, 0))); })
            .method(names::ExecutaSQL, [](clsBD& c, Args a) { return Variant(c.ExecutaSQL(Text(a, 0))); })
            .method(names::UpdateXML, [](clsBD& c, Args a) { return Variant(c.UpdateXML(Text(a, 0))); })
            .method("ConsultaXMLSenseTransaccio",
                    [](clsBD& c, Args a) { return Variant(c.ConsultaXMLSenseTransaccio(Text(a, 0))); })
            .method("ConsultaXMLAmbTransaccio",
                    [](clsBD& c, Args a) {
                        return Variant(c.ConsultaXMLAmbTransaccio(com::Arg(a, 0).toObject(), Text(a, 1)));
                    })
            .method("ExecutaSQLSenseTransaccio",
                    [](clsBD& c, Args a) { return Variant(c.ExecutaSQLSenseTransaccio(Text(a, 0))); })
            .method("ExecutaSQLAmbTransaccio",
                    [](clsBD& c, Args a) {
                        return Variant(c.ExecutaSQLAmbTransaccio(com::Arg(a, 0).toObject(), Text(a, 1)));
                    })
            .method("UpdateXMLSenseTransaccio",
                    [](clsBD& c, Args a) { return Variant(c.UpdateXMLSenseTransaccio(Text(a, 0))); })
            .method("UpdateXMLAmbTransaccio",
                    [](clsBD& c, Args a) {
                        return Variant(c.UpdateXMLAmbTransaccio(com::Arg(a, 0).toObject(), Text(a, 1)));
                    })
            .method(names::BeginTransaction, [](clsBD& c, Args) { return Variant(c.BeginTransaction()); })
            .method(names::CommitTransaction, [](clsBD& c, Args) { return Variant(c.CommitTransaction()); })
            .method(names::RollBackTransaction, [](clsBD& c, Args) { return Variant(c.RollBackTransaction()); })
            .method("ConsultaArxiuIniBD",
                    [](clsBD& c, Args a) { return Variant(c.ConsultaArxiuIniBD(Text(a, 0), Text(a, 1))); })
            .method("ConsultaArxiuIni",
                    [](clsBD& c, Args a) {
                        return Variant(c.ConsultaArxiuIni(Text(a, 0), Text(a, 1), Text(a, 2)));
                    })
            .method("StrTran", [](clsBD& c, Args a) {
                return Variant(c.StrTran(Text(a, 0), Text(a, 1), Text(a, 2)));
            });
    return members;
}

// --- settings ----------------------------------------------------------------

std::string clsBD::RutaArxiuIni() { return LibraryFolder() + "/Dravik.INI"; }

std::string clsBD::ConsultaArxiuIniBD(const std::string& strSeccio, const std::string& strClau) {
    return profile::ReadComponentSetting(*this, kWhere, "ConsultaArxiuIniBD", RutaArxiuIni(), strSeccio,
                                         strClau, LibraryFolder());
}

std::string clsBD::ConsultaArxiuIni(const std::string& strRutaArxiuIni, const std::string& strSeccio,
                                    const std::string& strClau) {
    return profile::ConsultaArxiuIni(*this, kWhere, strRutaArxiuIni, strSeccio, strClau);
}

std::string clsBD::StrTran(const std::string& strStringbase, const std::string& strStringARemplacar,
                           const std::string& strStringRemplacable) {
    return profile::StrTran(*this, kWhere, strStringbase, strStringARemplacar, strStringRemplacable);
}

std::string clsBD::connectionString() { return ConsultaArxiuIniBD("General", "CadenaConnexioBD"); }

// --- data operations -----------------------------------------------------------

std::string clsBD::ConsultaXML(const std::string& strSQL) {
    return PublicEntry(*this, names::ConsultaXML, strSQL, &clsBD::ConsultaXMLSenseTransaccio,
                       &clsBD::ConsultaXMLAmbTransaccio);
}

bool clsBD::ExecutaSQL(const std::string& strSQL) {
    return PublicEntry(*this, names::ExecutaSQL, strSQL, &clsBD::ExecutaSQLSenseTransaccio,
                       &clsBD::ExecutaSQLAmbTransaccio);
}

bool clsBD::UpdateXML(const std::string& strXML) {
    return PublicEntry(*this, names::UpdateXML, strXML, &clsBD::UpdateXMLSenseTransaccio,
                       &clsBD::UpdateXMLAmbTransaccio);
}

std::string clsBD::ConsultaXMLSenseTransaccio(const std::string& strSQL) {
    return Member(*this, "ConsultaXMLSenseTransaccio", [&] {
        RequireText(strSQL);
        ado::Connection connection;
        connection.Open(connectionString());
        std::string text = ado::QueryToXml(connection, strSQL);
        connection.Close();
        return text;
    });
}

std::string clsBD::ConsultaXMLAmbTransaccio(const ObjectRef& cntSeccio, const std::string& strSQL) {
    return Member(*this, "ConsultaXMLAmbTransaccio", [&] {
        RequireText(strSQL);
        return ado::QueryToXml(*AsConnection(cntSeccio), strSQL);
    });
}

bool clsBD::ExecutaSQLSenseTransaccio(const std::string& strSQL) {
    return Member(*this, "ExecutaSQLSenseTransaccio", [&] {
        RequireText(strSQL);
        ado::Connection connection;
        connection.Open(connectionString());
        connection.Execute(strSQL);
        connection.Close();
        return true;
    });
}

bool clsBD::ExecutaSQLAmbTransaccio(const ObjectRef& cntSeccio, const std::string& strSQL) {
    return Member(*this, "ExecutaSQLAmbTransaccio", [&] {
        RequireText(strSQL);
        AsConnection(cntSeccio)->Execute(strSQL);
        return true;
    });
}

bool clsBD::UpdateXMLSenseTransaccio(const std::string& strXML) {
    return Member(*this, "UpdateXMLSenseTransaccio", [&] {
        RequireText(strXML);
        // The text is loaded before the settings are read: text that cannot
        // be loaded fails first.
        ado::Recordset changes = ado::Recordset::FromXml(strXML);
        ado::Connection connection;
        connection.Open(connectionString());
        changes.UpdateBatch(connection);
        connection.Close();
        return true;
    });
}

bool clsBD::UpdateXMLAmbTransaccio(const ObjectRef& cntSeccio, const std::string& strXML) {
    return Member(*this, "UpdateXMLAmbTransaccio", [&] {
        RequireText(strXML);
        ado::Recordset changes = ado::Recordset::FromXml(strXML);
        changes.UpdateBatch(*AsConnection(cntSeccio));
        return true;
    });
}

// --- transactions ----------------------------------------------------------------

ObjectRef clsBD::BeginTransaction() {
    return Member(*this, names::BeginTransaction, [&]() -> ObjectRef {
        // The transaction's connection, or the new one: after a failure it is
        // closed, so that nobody goes on writing into a transaction that is lost.
        ObjectRef connection = IdTransaccio;
        try {
            if (connection) {
                com::Call(connection, "BeginTrans");
                return connection;
            }
            const std::string text = connectionString();
            auto opened = std::make_shared<ado::Connection>();
            connection = opened;
            opened->Open(text);
            opened->BeginTrans();
            RegisterWithCollector(opened);
            return opened;
        } catch (...) {
            Abandon(connection);
            throw;
        }
    });
}

ObjectRef clsBD::CommitTransaction() { return endTransaction(names::CommitTransaction, "CommitTrans"); }

ObjectRef clsBD::RollBackTransaction() { return endTransaction(names::RollBackTransaction, "RollbackTrans"); }

ObjectRef clsBD::endTransaction(std::string_view operation, std::string_view end) {
    return Member(*this, operation, [&]() -> ObjectRef {
        const ObjectRef connection = IdTransaccio;
        if (!connection) return nullptr;
        try {
            // No counter of the levels exists: a probe level tells the depth.
            const int32_t depth = com::Call(connection, "BeginTrans").toLong() - 1;
            com::Call(connection, "RollbackTrans");
            com::Call(connection, end);
            if (depth > 1) return connection;
            if (end == "CommitTrans")
                Abandon(connection);  // committed: a close that fails cannot undo that
            else
                com::Call(connection, "Close");
            IdTransaccio = nullptr;
            return nullptr;
        } catch (...) {
            Abandon(connection);
            throw;
        }
    });
}

COM_REGISTER_CLASS(names::Dravik, clsBD);

}  // namespace dravik
