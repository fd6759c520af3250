// The managers on the real data access service and a fresh sample
// database, on each engine the test run offers.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "Ado/Connection.h"
#include "Ado/Recordset.h"
#include "Base/Text.h"
#include "Com/Registry.h"
#include "DatabaseSetup.h"
#include "SchemaDescription.h"
#include "Managers.h"
#include "support/CollectorSandbox.h"
#include "support/DravikSettings.h"
#include "support/Files.h"
#include "support/TestDatabase.h"

using namespace quossatest;

namespace {

class QuossaOnDatabase : public testing::TestWithParam<testsupport::Engine> {
protected:
    QuossaOnDatabase()
        : database_(GetParam()),
          settings_(testsupport::DravikIni(), testsupport::DravikSettings(database_.connectionString(), "1000", "60000")) {
        database::CreateDatabase(database_.connectionString());
    }

    // The call's result, after checking that the manager reports success.
    static com::Variant Succeeds(const com::ObjectRef& view, const std::string& member, const Argument& argument) {
        const com::Variant result = CallMember(view, member, argument);
        EXPECT_EQ(com::Get(view, "NumError"), com::Variant(0))
            << member << ": " << testing::PrintToString(com::Get(view, "UbicacioError"));
        return result;
    }

    static ado::Recordset Rows(const com::Variant& text) { return ado::Recordset::FromXml(text.toString()); }

    testsupport::CollectorSandbox collector_;
    testsupport::TestDatabase database_;
    testsupport::ScopedFile settings_;
};

com::ObjectRef TransactionView() {
    return com::Call(com::CreateObject("Quossa.MngTransaccions"), "GetIT").toObject();
}

// The vertices of street 1 as (NumOrdre, VertexX) pairs, in list order.
std::vector<std::pair<int32_t, double>> Vertices(ado::Recordset r) {
    std::vector<std::pair<int32_t, double>> out;
    for (r.MoveFirst(); !r.IsEOF(); r.MoveNext())
        out.emplace_back(r.Value("NumOrdre").toLong(), r.Value("VertexX").toDouble());
    return out;
}

using Column = std::pair<std::string, std::string>;  // table, column

// The parts of `text` between the separators, each trimmed.
std::vector<std::string> Split(std::string text, const std::vector<std::string>& separators) {
    std::vector<std::string> parts;
    while (true) {
        size_t at = std::string::npos, length = 0;
        for (const std::string& s : separators)
            if (const size_t found = text.find(s); found < at) at = found, length = s.size();
        parts.emplace_back(base::Trim(text.substr(0, at)));
        if (at == std::string::npos) return parts;
        text = text.substr(at + length);
    }
}

// The columns a statement looks rows up by: each side of a comparison in
// its Where clause and its joins that names a column, found in the tables
// after From.
std::set<Column> LookedUp(const std::string& sql) {
    const size_t from = sql.find(" From ");
    if (from == std::string::npos) return {};
    const size_t where = sql.find(" Where ", from), order = sql.find(" Order By ", from);
    std::string tables = sql.substr(from + 6, std::min(where, order) - from - 6);
    std::string conditions = where == std::string::npos ? "" : sql.substr(where + 7, order - where - 7);
    if (const size_t on = tables.find(" On "); on != std::string::npos) {
        conditions += " And " + tables.substr(on + 4);
        tables.resize(on);
    }
    const std::vector<std::string> named = Split(tables, {",", " Inner Join "});
    static const std::regex column(R"(([A-Za-z_]\w*)(?:\.(\w+))?)");
    std::set<Column> columns;
    for (const std::string& term : Split(conditions, {" And "}))
        for (const std::string& side : Split(term, {"=", "<", ">"})) {
            std::smatch m;
            if (!std::regex_match(side, m, column) || side == "False") continue;
            if (m[2].matched) {
                columns.insert({m[1], m[2]});
                continue;
            }
            for (const std::string& table : named) {
                const auto* described = database::FindTable(database::Schema(), table);
                if (described && described->column(side)) {
                    columns.insert({described->name, described->column(side)->name});
                    break;
                }
            }
        }
    return columns;
}

// The columns the database finds rows by: each table's key and the first
// column of each of its indexes, as the engine's catalogue lists them.
std::set<Column> Indexed(ado::Connection& c) {
    std::set<Column> indexed;
    for (const auto& table : database::Schema()) {
        indexed.insert({table.name, table.key()->name});
        const std::string sql =
            c.provider() == ado::Provider::SQLite
                ? "Select ii.name From pragma_index_list('" + table.name + "') As il, "
                      "pragma_index_info(il.name) As ii Where ii.seqno = 0"
                : "Select a.attname From pg_index i Join pg_class t On t.oid = i.indrelid Join pg_attribute a "
                  "On a.attrelid = i.indrelid And a.attnum = i.indkey[0] Where t.relname = '" + table.name + "'";
        for (const auto& row : c.Query(sql).rows) {
            const auto* column = table.column(row.at(0).toString());
            if (column) indexed.insert({table.name, column->name});
        }
    }
    return indexed;
}

}  // namespace

// Every column by which the entity layer's statements look rows up or join
// tables is the key or leads an index, on each engine.
TEST_P(QuossaOnDatabase, EveryColumnTheStatementsLookRowsUpByIsIndexed) {
    ado::Connection c;
    c.Open(database_.connectionString());
    const std::set<Column> indexed = Indexed(c);
    std::set<Column> lookedUp;
    for (const SqlCase& sqlCase : SqlCases())
        for (const std::string& sql : sqlCase.sent) lookedUp.merge(LookedUp(sql));
    for (const Column& column : {Column{"CapaPuntLlum", "NumPuntLlum"}, Column{"TTE_ElementTipus", "CodElementTipus"},
                                 Column{"T_Idioma", "CodTextIdioma"}, Column{"T_UsuariProjecte", "NumUsuari"}})
        EXPECT_TRUE(lookedUp.contains(column)) << "the statements read: " << column.first << "." << column.second;
    for (const Column& column : lookedUp)
        EXPECT_TRUE(indexed.contains(column)) << column.first << "." << column.second << " has no index";
}

TEST_P(QuossaOnDatabase, EveryRecordedStatementRunsOnTheSchema) {
    for (const SqlCase& c : SqlCases()) {
        if (c.member == "Save") continue;  // change sets: see the vertex list below
        SCOPED_TRACE(c.className + "." + c.member + " " + c.sent.back());
        const com::ObjectRef view = ViewOf(c.className, c.view);
        const com::Variant result = Succeeds(view, c.member, c.argument);
        if (AnswersText(c.member)) EXPECT_NO_THROW(Rows(result)) << "a complete recordset";
        else EXPECT_EQ(result, com::Variant(true));
    }
}

TEST_P(QuossaOnDatabase, OutputLinesCarryTheCodeOfTheirValue) {
    // An output line whose value has no row among the values (none was
    // chosen: a value that names no row is refused) is left out.
    const com::ObjectRef elements = ViewOf("MngEscomesaElements", View::IM);
    ado::Recordset added = Rows(Succeeds(elements, "GetEmpty", {}));
    added.AddNew();
    added.SetValue("NumEscomesa", 1);
    added.SetValue("NumElementTipus", 6);
    added.Update();
    EXPECT_EQ(Succeeds(elements, "Save", com::Variant(added.ToXml())), com::Variant(true));

    const auto list = [](bool outputsOnly) {
        return Rows(Succeeds(ViewOf("MngEscomesaElements", View::IV), "GetList",
                             Record("paramListEscomesaElements",
                                    {{"lngEscomesa", 1}, {"bolNomesSortida", outputsOnly}})));
    };
    EXPECT_EQ(list(false).RecordCount(), 8);
    ado::Recordset outputs = list(true);
    ASSERT_EQ(outputs.RecordCount(), 2);
    EXPECT_EQ(outputs.Fields().back().name, "CodElementValor");

    const com::ObjectRef lookup = ViewOf("MngTaulesAuxiliars", View::IV);
    for (outputs.MoveFirst(); !outputs.IsEOF(); outputs.MoveNext()) {
        EXPECT_EQ(outputs.Value("NumElementTipus"), com::Variant(6));
        ado::Recordset value = Rows(Succeeds(lookup, "GetByID",
            Record("paramTaulaAuxiliar", {{"strNomTaula", "TTE_ElementValor"},
                                          {"strNomCampIdentificador", "NumElementValor"},
                                          {"lngValorIdentificador", outputs.Value("NumElementValor")}})));
        ASSERT_EQ(value.RecordCount(), 1);
        EXPECT_EQ(outputs.Value("CodElementValor"), value.Value("CodElementValor"));
    }
}

TEST_P(QuossaOnDatabase, AVertexListIsReplacedInOneTransactionOrNotAtAll) {
    const com::ObjectRef it = TransactionView();
    const com::ObjectRef points = ViewOf("MngCarrerPunts", View::IM);
    const auto listOfStreet1 = [] { return Vertices(Rows(Succeeds(ViewOf("MngCarrerPunts", View::IV), "GetList", 1))); };
    const auto original = listOfStreet1();
    ASSERT_EQ(original.size(), 3u);
    // The new list, inserted in reverse order.
    ado::Recordset fresh = Rows(Succeeds(points, "GetEmpty", {}));
    for (const auto& [order, x] : {std::pair{2, 390300.5}, std::pair{1, 390100.25}}) {
        fresh.AddNew();
        fresh.SetValue("NumCarrer", 1);
        fresh.SetValue("NumOrdre", order);
        fresh.SetValue("VertexX", x);
        fresh.SetValue("VertexY", 4581400.0);
        fresh.Update();
    }

    // A save that fails after the delete: the rollback brings the old list back.
    com::Set(points, "IdTransaccio", com::Call(it, "BeginTransaction").toObject());
    EXPECT_EQ(Succeeds(points, "Delete", 1), com::Variant(true));
    EXPECT_EQ(Rows(Succeeds(ViewOf("MngCarrerPunts", View::IV), "GetList", 1)).RecordCount(), 3)
        << "outside the transaction the old list stands until the commit";
    EXPECT_EQ(CallMember(points, "Save", "<xml not a change set"), com::Variant(false));
    EXPECT_NE(com::Get(points, "NumError"), com::Variant(0));
    EXPECT_EQ(com::Call(it, "RollBackTransaction").toObject(), nullptr);
    EXPECT_EQ(listOfStreet1(), original);

    // Delete and save committed together: the new list, in NumOrdre order.
    com::Set(points, "IdTransaccio", com::Call(it, "BeginTransaction").toObject());
    EXPECT_EQ(Succeeds(points, "Delete", 1), com::Variant(true));
    EXPECT_EQ(Succeeds(points, "Save", com::Variant(fresh.ToXml())), com::Variant(true));
    EXPECT_EQ(com::Call(it, "CommitTransaction").toObject(), nullptr);
    EXPECT_EQ(listOfStreet1(), (std::vector<std::pair<int32_t, double>>{{1, 390100.25}, {2, 390300.5}}));
}

TEST_P(QuossaOnDatabase, NestedTransactionsShareOneConnectionUntilTheOutermostCommit) {
    const com::ObjectRef it = TransactionView();
    const com::ObjectRef outer = com::Call(it, "BeginTransaction").toObject();
    ASSERT_TRUE(outer) << testing::PrintToString(com::Get(it, "UbicacioError"));
    EXPECT_EQ(com::Call(it, "BeginTransaction").toObject(), outer);
    EXPECT_EQ(com::Call(it, "CommitTransaction").toObject(), outer);
    EXPECT_EQ(com::Call(it, "CommitTransaction").toObject(), nullptr);
    EXPECT_EQ(com::Get(it, "IdTransaccio").toObject(), nullptr);
    EXPECT_EQ(com::Get(it, "NumError"), com::Variant(0));
}

TEST_P(QuossaOnDatabase, LookupColumnsThatAreNotInTheTableAreRefusedByTheDatabase) {
    struct NameCase {
        std::string member;
        Argument argument;
        std::string procedure;
    };
    const NameCase cases[] = {
        // Names the database itself would read as something else than a column.
        {"Delete", Record("paramTaulaAuxiliar", {{"strNomTaula", "TTI_Idioma"},
                                                 {"strNomCampIdentificador", "True"},
                                                 {"lngValorIdentificador", 1}}), "DeleteTaulaAuxiliar"},
        {"GetByID", Record("paramTaulaAuxiliar", {{"strNomTaula", "TTI_Idioma"},
                                                  {"strNomCampIdentificador", "NumIdiomaX"}}), "GetRegistreById"},
        {"GetEmpty", "T_NoSuchTable", "GetEmptyRecordset"},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.procedure);
        const com::ObjectRef view = ViewOf("MngTaulesAuxiliars", View::IM);
        EXPECT_EQ(CallMember(view, c.member, c.argument),
                  AnswersText(c.member) ? com::Variant("") : com::Variant(false));
        EXPECT_NE(com::Get(view, "NumError"), com::Variant(0));
        EXPECT_TRUE(com::Get(view, "UbicacioError").toString().ends_with("\rQuossa - MngTaulesAuxiliars - " + c.procedure));
    }
    const com::ObjectRef list = ViewOf("MngTaulesAuxiliars", View::IV);
    EXPECT_EQ(CallMember(list, "GetList", Record("paramListTaulaAuxiliar", {{"strNomTaula", "TTI_Idioma"},
                                                                           {"strNomCampOrdre", "Null"}})),
              com::Variant(""));
    EXPECT_EQ(Rows(Succeeds(list, "GetList", Record("paramListTaulaAuxiliar", {{"strNomTaula", "TTI_Idioma"}})))
                  .RecordCount(),
              3) << "no language was deleted";
}

INSTANTIATE_TEST_SUITE_P(Engines, QuossaOnDatabase, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);
