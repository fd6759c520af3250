// The managers on the real data access service and a fresh sample
// database, on each engine the test run offers.
#include <gtest/gtest.h>

#include "Ado/Recordset.h"
#include "Com/Registry.h"
#include "DatabaseSetup.h"
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

}  // namespace

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
