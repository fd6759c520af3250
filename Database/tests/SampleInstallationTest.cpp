// The seed holds together: every number that names a row of another table
// names one, element trees hang from their own connection, vertex lists are
// numbered in order, photo paths name files, no lookup list is empty, and
// every window text is there in every language.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "Queries.h"
#include "SchemaDescription.h"
#include "ScriptFiles.h"
#include "support/Files.h"
#include "support/SampleDatabase.h"

namespace database {
namespace {

using testsupport::Engine;

// A column that holds the key of a row of `target`.
struct Reference {
    std::string table, column, target, key;
};

// The columns whose name is not the key they hold.
const Reference kRenamed[] = {
    {"T_Escomesa", "NumComptadorTipus", "TTE_Comptador", "NumComptador"},
    {"T_Escomesa", "NumConjuntMesura", "TTE_ConjuntMesura", "NumiConjuntMesura"},
    {"T_Escomesa", "NumSeccioE", "TT_SeccioCable", "NumSeccioCable"},
    {"T_Escomesa", "NumFusibleE", "TT_FusibleA", "NumFusibleA"},
    {"T_Tram", "NumSeccioTram", "TT_SeccioCable", "NumSeccioCable"},
    {"T_Tram", "NumSeccio2N", "TT_SeccioCable", "NumSeccioCable"},
    {"T_PuntLlum", "NumTerraSeccio", "TT_SeccioCable", "NumSeccioCable"},
    {"T_Lluminaria", "NumTipusLlum", "TTLL_TipusLlum", "NumLlumTipus"},
    {"T_Lluminaria", "NumFusiblesAmpers", "TT_FusibleA", "NumFusibleA"},
};

// Whole numbers that name no row; an element's parent is checked with its tree.
const std::set<std::string> kNoReference = {"NumOrdre", "BombetaNumero", "FusiblesNumero", "ElementOrigen"};

// Every whole-number column of the schema with the table it refers to; a
// column named as a table's key refers to that table. Columns of neither
// kind go to `unknown`.
std::vector<Reference> References(const std::vector<TableDescription>& tables, std::vector<std::string>& unknown) {
    std::map<std::string, std::string> tableOfKey;
    for (const auto& t : tables)
        if (t.key()) tableOfKey.emplace(t.key()->name, t.name);
    std::vector<Reference> references;
    for (const auto& t : tables)
        for (const auto& column : t.columns) {
            if (column.type != ColumnType::Integer || kNoReference.contains(column.name)) continue;
            const auto renamed = std::find_if(std::begin(kRenamed), std::end(kRenamed), [&](const Reference& r) {
                return r.table == t.name && r.column == column.name;
            });
            if (renamed != std::end(kRenamed))
                references.push_back(*renamed);
            else if (const auto found = tableOfKey.find(column.name); found != tableOfKey.end())
                references.push_back({t.name, column.name, found->second, column.name});
            else
                unknown.push_back(t.name + "." + column.name);
        }
    return references;
}

class SampleInstallation : public testing::TestWithParam<Engine> {
protected:
    void SetUp() override { c.Open(db->connectionString()); }

    const std::unique_ptr<testsupport::TestDatabase> db = testsupport::SampleDatabase(GetParam());
    ado::Connection c;
    const std::vector<TableDescription> tables = ParseSchema(SchemaFile().text);
};

INSTANTIATE_TEST_SUITE_P(Engines, SampleInstallation, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

TEST_P(SampleInstallation, EveryNumberNamesARowOfItsTableAndNoLookupListIsEmpty) {
    std::vector<std::string> unknown;
    for (const auto& r : References(tables, unknown))
        EXPECT_EQ(Count(c, "Select Count(*) From " + r.table + " Where " + r.column + " Is Not Null And " + r.column +
                               " Not In (Select " + r.key + " From " + r.target + ")"),
                  0)
            << r.table << "." << r.column << " names a missing row of " << r.target;
    EXPECT_EQ(unknown, std::vector<std::string>{}) << "whole-number columns whose table this test does not know";

    for (const auto& t : tables) {
        if (!t.name.starts_with("TT") && !t.name.starts_with("TSP_")) continue;
        EXPECT_GT(Count(c, "Select Count(*) From " + t.name), 0) << t.name << " would leave its combo empty";
    }
}

TEST_P(SampleInstallation, ElementTreesHangFromTheirOwnConnection) {
    struct Element {
        int64_t connection, parent, type, code, value;
    };
    std::map<int64_t, Element> elements;
    for (const auto& row : c.Query("Select NumElement, NumEscomesa, ElementOrigen, NumElementTipus, NumElementCodi, "
                                   "NumElementValor From T_EscomesaElements")
                               .rows)
        elements[row[0].toLong()] = {row[1].toLong(), row[2].toLong(), row[3].toLong(), row[4].toLong(),
                                     row[5].toLong()};
    auto typeOf = [&](const std::string& table, const std::string& key) {
        std::map<int64_t, int64_t> types;
        for (const auto& row : c.Query("Select " + key + ", NumElementTipus From " + table).rows)
            types[row[0].toLong()] = row[1].toLong();
        return types;
    };
    const auto codeType = typeOf("TTE_ElementCodi", "NumElementCodi");
    const auto valueType = typeOf("TTE_ElementValor", "NumElementValor");

    std::set<std::pair<int64_t, int64_t>> codes;
    for (const auto& [number, e] : elements) {
        SCOPED_TRACE("element " + std::to_string(number));
        // The parent chain reaches the connection, within the connection.
        int64_t at = number;
        for (size_t steps = 0; at != 0 && steps <= elements.size(); ++steps) {
            const auto parent = elements.find(elements.at(at).parent);
            ASSERT_TRUE(elements.at(at).parent == 0 || parent != elements.end());
            if (parent != elements.end()) {
                EXPECT_EQ(parent->second.connection, e.connection);
            }
            at = elements.at(at).parent;
        }
        EXPECT_EQ(at, 0) << "a cycle of parents";
        // The property dialog finds an element by its code, and lists codes
        // and values of the element's type.
        EXPECT_TRUE(codes.insert({e.connection, e.code}).second) << "a code repeated in its connection";
        EXPECT_EQ(codeType.at(e.code), e.type);
        EXPECT_EQ(valueType.at(e.value), e.type);
    }
    // A cable segment leaves an output line.
    EXPECT_EQ(Count(c, "Select Count(*) From T_Tram Where NumElement Not In (Select NumElement From "
                       "T_EscomesaElements, TTE_ElementTipus Where T_EscomesaElements.NumElementTipus = "
                       "TTE_ElementTipus.NumElementTipus And CodElementTipus = 'Sortida')"),
              0);
}

TEST_P(SampleInstallation, VertexListsAreNumberedFromOneWithoutGaps) {
    for (const auto& [layer, parent] : {std::pair{"CapaCarrer", "NumCarrer"}, std::pair{"CapaZona", "NumZona"},
                                        std::pair{"CapaTram", "NumTram"}}) {
        std::map<int64_t, std::vector<int64_t>> orders;
        for (const auto& row :
             c.Query(std::string("Select ") + parent + ", NumOrdre From " + layer + " Order By NumOrdre").rows)
            orders[row[0].toLong()].push_back(row[1].toLong());
        EXPECT_FALSE(orders.empty()) << layer;
        for (const auto& [owner, numbers] : orders)
            for (size_t i = 0; i < numbers.size(); ++i)
                EXPECT_EQ(numbers[i], static_cast<int64_t>(i + 1)) << layer << " of " << owner;
    }
}

// Whether `folder` is `top` or lies inside it.
bool Inside(const std::filesystem::path& folder, const std::filesystem::path& top) {
    return std::mismatch(top.begin(), top.end(), folder.begin(), folder.end()).first == top.end();
}

// The photos lie outside the folder of the sample database, so that a
// person who browses for one never lists the database's files.
TEST_P(SampleInstallation, EveryPhotoPathNamesAPictureFileOutsideTheDatabasesFolder) {
    const std::filesystem::path databases = std::filesystem::canonical(testsupport::BuildPath("Database"));
    for (const auto& t : tables)
        for (const auto& column : t.columns) {
            if (!column.name.starts_with("Foto")) continue;
            const auto paths = FirstColumn(c, "Select " + column.name + " From " + t.name + " Where " + column.name +
                                                  " Is Not Null");
            EXPECT_FALSE(paths.empty()) << t.name << "." << column.name << " has no photo in the sample";
            for (const auto& path : paths) {
                EXPECT_TRUE(std::filesystem::path(path).is_absolute() && std::filesystem::is_regular_file(path))
                    << t.name << "." << column.name << ": " << path;
                EXPECT_FALSE(Inside(std::filesystem::canonical(std::filesystem::path(path).parent_path()), databases))
                    << path << " lies in the database's folder";
            }
        }
}

TEST_P(SampleInstallation, EveryWindowTextIsThereInEveryLanguage) {
    EXPECT_EQ(Count(c, "Select Count(*) From T_Idioma Where NumIdioma Not In (Select NumIdioma From TTI_Idioma)"), 0);
    EXPECT_EQ(FirstColumn(c, "Select NomFormulari || '.' || CodTextIdioma From T_Idioma "
                             "Group By NomFormulari, CodTextIdioma "
                             "Having Count(*) <> (Select Count(*) From TTI_Idioma) Or Count(Distinct EsControl) <> 1"),
              Texts{})
        << "a text missing in some language, or a caption in one language and a message in another";
    EXPECT_EQ(FirstColumn(c, "Select NomFormulari || '.' || CodTextIdioma From T_Idioma "
                             "Where TextTraduit Is Null Or TextTraduit = '' Or EsControl Is Null"),
              Texts{});
}

}  // namespace
}  // namespace database
