#include "clsBD.h"

#include "Ado/Connection.h"
#include "Ado/Recordset.h"
#include "Com/Registry.h"
#include "Profile/PrivateProfile.h"
#include "Profile/SettingsReader.h"

namespace dravik {

namespace {

using com::Args;
using com::ObjectRef;
using com::Variant;

constexpr base::Location kReader{base::label::Dravik, clsBD::kClassName};

// What every operation's handler does: run `body`; on failure, run
// `cleanUp`, keep the number, append the operation's entry and return
// `failed`. The call itself always succeeds.
template <class Result, class Body, class CleanUp>
Result Handled(base::ErrorFields& fields, std::string_view operation, Result failed, Body body,
               CleanUp cleanUp) {
    try {
        return body();
    } catch (...) {
        const int32_t number = com::ErrorNumber(std::current_exception());
        cleanUp();
        fields.fail(number, kReader.label, kReader.className, operation);
        return failed;
    }
}

// The six inner forms: they clear the fields on entry.
template <class Result, class Body>
Result InnerForm(base::ErrorFields& fields, std::string_view form, Body body) {
    fields.clear();
    return Handled(fields, form, Result{}, body, [] {});
}

// The three public entries: the form on the transaction's connection when
// there is one, else the form with a connection of its own; a number the
// form left becomes this operation's failure too.
template <class Result>
Result PublicEntry(clsBD& self, std::string_view operation, const std::string& argument,
                   Result (clsBD::*withoutTransaction)(const std::string&),
                   Result (clsBD::*withTransaction)(const ObjectRef&, const std::string&)) {
    return Handled(
        self.fields, operation, Result{},
        [&] {
            const ObjectRef connection = self.IdTransaccio;
            Result result = connection ? (self.*withTransaction)(connection, argument)
                                       : (self.*withoutTransaction)(argument);
            if (self.fields.NumError != 0) com::Raise(self.fields.NumError);
            return result;
        },
        [] {});
}

void RequireText(const std::string& text) {
    if (text.empty()) com::Raise(base::err::EmptyArgument);
}

// The data layer's connection behind a connection argument.
ado::ConnectionRef AsConnection(const ObjectRef& object) {
    if (!object) com::Raise(com::err::ObjectRequired);
    auto connection = std::dynamic_pointer_cast<ado::Connection>(object->identity());
    if (!connection) com::Raise(com::err::TypeMismatch);
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
        com::Members<clsBD>()
            .property(
                "NumError", [](clsBD& c) { return Variant(c.fields.NumError); },
                [](clsBD& c, const Variant& v) { c.fields.NumError = v.toLong(); })
            .property(
                "UbicacioError", [](clsBD& c) { return Variant(c.fields.UbicacioError); },
                [](clsBD& c, const Variant& v) { c.fields.UbicacioError = v.toString(); })
            .property(
                "IdTransaccio", [](clsBD& c) { return Variant(c.IdTransaccio); }, {},
                [](clsBD& c, const Variant& v) { c.IdTransaccio = v.toObject(); })
            .property("RutaArxiuIni", [](clsBD&) { return Variant(RutaArxiuIni()); })
            .method("ConsultaXML", [](clsBD& c, Args a) { return Variant(c.ConsultaXML(Text(a, 0))); })
            .method("ExecutaSQL", [](clsBD& c, Args a) { return Variant(c.ExecutaSQL(Text(a, 0))); })
            .method("UpdateXML", [](clsBD& c, Args a) { return Variant(c.UpdateXML(Text(a, 0))); })
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
            .method("BeginTransaction", [](clsBD& c, Args) { return Variant(c.BeginTransaction()); })
            .method("CommitTransaction", [](clsBD& c, Args) { return Variant(c.CommitTransaction()); })
            .method("RollBackTransaction", [](clsBD& c, Args) { return Variant(c.RollBackTransaction()); })
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
    return profile::ConsultaArxiuIniModul(fields, kReader, "ConsultaArxiuIniBD", RutaArxiuIni(), strSeccio,
                                          strClau, LibraryFolder());
}

std::string clsBD::ConsultaArxiuIni(const std::string& strRutaArxiuIni, const std::string& strSeccio,
                                    const std::string& strClau) {
    return profile::ConsultaArxiuIni(fields, kReader, strRutaArxiuIni, strSeccio, strClau);
}

std::string clsBD::StrTran(const std::string& strStringbase, const std::string& strStringARemplacar,
                           const std::string& strStringRemplacable) {
    return profile::StrTran(fields, kReader, strStringbase, strStringARemplacar, strStringRemplacable);
}

std::string clsBD::connectionString() {
    std::string text = ConsultaArxiuIniBD("General", "CadenaConnexioBD");
    if (fields.NumError != 0) com::Raise(fields.NumError);
    return text;
}

// --- data operations -----------------------------------------------------------

std::string clsBD::ConsultaXML(const std::string& strSQL) {
    return PublicEntry(*this, "ConsultaXML", strSQL, &clsBD::ConsultaXMLSenseTransaccio,
                       &clsBD::ConsultaXMLAmbTransaccio);
}

bool clsBD::ExecutaSQL(const std::string& strSQL) {
    return PublicEntry(*this, "ExecutaSQL", strSQL, &clsBD::ExecutaSQLSenseTransaccio,
                       &clsBD::ExecutaSQLAmbTransaccio);
}

bool clsBD::UpdateXML(const std::string& strXML) {
    return PublicEntry(*this, "UpdateXML", strXML, &clsBD::UpdateXMLSenseTransaccio,
                       &clsBD::UpdateXMLAmbTransaccio);
}

std::string clsBD::ConsultaXMLSenseTransaccio(const std::string& strSQL) {
    return InnerForm<std::string>(fields, "ConsultaXMLSenseTransaccio", [&] {
        RequireText(strSQL);
        ado::Recordset recordset;
        recordset.Open(strSQL, connectionString());
        return recordset.ToXml();
    });
}

std::string clsBD::ConsultaXMLAmbTransaccio(const ObjectRef& cntSeccio, const std::string& strSQL) {
    return InnerForm<std::string>(fields, "ConsultaXMLAmbTransaccio", [&] {
        RequireText(strSQL);
        ado::Recordset recordset;
        recordset.Open(strSQL, AsConnection(cntSeccio));
        return recordset.ToXml();
    });
}

bool clsBD::ExecutaSQLSenseTransaccio(const std::string& strSQL) {
    return InnerForm<bool>(fields, "ExecutaSQLSenseTransaccio", [&] {
        RequireText(strSQL);
        ado::Connection connection;
        connection.Open(connectionString());
        connection.Execute(strSQL);
        connection.Close();
        return true;
    });
}

bool clsBD::ExecutaSQLAmbTransaccio(const ObjectRef& cntSeccio, const std::string& strSQL) {
    return InnerForm<bool>(fields, "ExecutaSQLAmbTransaccio", [&] {
        RequireText(strSQL);
        AsConnection(cntSeccio)->Execute(strSQL);
        return true;
    });
}

bool clsBD::UpdateXMLSenseTransaccio(const std::string& strXML) {
    return InnerForm<bool>(fields, "UpdateXMLSenseTransaccio", [&] {
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
    return InnerForm<bool>(fields, "UpdateXMLAmbTransaccio", [&] {
        RequireText(strXML);
        ado::Recordset changes = ado::Recordset::FromXml(strXML);
        changes.UpdateBatch(*AsConnection(cntSeccio));
        return true;
    });
}

// --- transactions ----------------------------------------------------------------

ObjectRef clsBD::BeginTransaction() {
    fields.clear();
    // The transaction's connection, or the new one: after a failure it is
    // closed, so that nobody goes on writing into a transaction that is lost.
    ObjectRef connection = IdTransaccio;
    return Handled(
        fields, "BeginTransaction", ObjectRef(),
        [&]() -> ObjectRef {
            if (connection) {
                com::Call(connection, "BeginTrans");
                return connection;
            }
            const std::string text = connectionString();
            auto opened = std::make_shared<ado::Connection>();
            connection = opened;
            opened->Open(text);
            opened->BeginTrans();
            registerWithCollector(opened);
            return opened;
        },
        [&] { Abandon(connection); });
}

void clsBD::registerWithCollector(const ObjectRef& connection) {
    const ObjectRef collector = com::CreateObject("Morune.clsDeixalla");
    com::Call(collector, "AfegeixConnexio", {Variant(connection)});
    const int32_t number = com::Get(collector, "NumError").toLong();
    if (number != 0) {
        fields.UbicacioError = com::Get(collector, "UbicacioError").toString();
        com::Raise(number);
    }
}

ObjectRef clsBD::CommitTransaction() { return endTransaction("CommitTransaction", "CommitTrans"); }

ObjectRef clsBD::RollBackTransaction() { return endTransaction("RollBackTransaction", "RollbackTrans"); }

ObjectRef clsBD::endTransaction(std::string_view operation, std::string_view end) {
    fields.clear();
    const ObjectRef connection = IdTransaccio;
    if (!connection) return nullptr;
    return Handled(
        fields, operation, ObjectRef(),
        [&]() -> ObjectRef {
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
        },
        [&] { Abandon(connection); });
}

COM_REGISTER_CLASS(Dravik, clsBD);

}  // namespace dravik
