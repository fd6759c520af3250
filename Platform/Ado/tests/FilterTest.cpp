// Recordset filters with the criteria the windows write.
#include "RecordsetTestSupport.h"

namespace adotest {
namespace {

using ado::Recordset;

// The codes of the rows the recordset shows, in order.
std::string Shown(Recordset& rs) {
    std::string codes;
    for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext())
        codes += (codes.empty() ? "" : " ") + rs.Value("CodZona").toString();
    return codes;
}

TEST(Filter, CriteriaAsTheWindowsWriteThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"CodZona = 'Z2'", "Z2"},
        {"codzona = 'z2'", "Z2"},
        {"CodZona  = 'Z2'", "Z2"},
        {"NumZona =  3", "Z3"},
        {"NumZona = -1 ", ""},
        {"NumZona = - 1", ""},
        {"NumZona = '3'", "Z3"},
        {"NumZona > 2 And Actiu = True", "Z3 Z5"},
        {"NumZona < 2 Or NumZona >= 5", "Z1 Z5"},
        {"NumZona <> 1 and Actiu = false", "Z2 Z4"},
        {"Actiu = True Or NumZona = 2 And Superficie > 0", "Z1 Z2 Z3 Z5"},
        {"NomZona = 'L''Horta'", "Z3"},
        {"NomZona = ''", "Z5"},
        {"NomZona <> 'Nord'", "Z2 Z3 Z5"},  // a Null name passes no comparison
        {"[NomZona] = 'Sud & Est'", "Z2"},
        {"DataAlta >= #2024-01-01#", "Z1"},
        {"DataAlta = #2023-12-31 23:59:59#", "Z2"},
        {"Superficie <= 0.1", "Z2 Z3 Z5"},
        {"Superficie > -3.5E0", "Z1 Z2 Z3 Z5"},
    };
    for (const auto& [criteria, shown] : cases) {
        Recordset rs = Zones();
        rs.SetFilter(criteria);
        EXPECT_EQ(Shown(rs), shown) << criteria;
        EXPECT_EQ(rs.Filter(), Variant(criteria));
    }
}

TEST(Filter, CriteriaThatCannotBeUsedAreRefused) {
    const char* cases[] = {
        "Nope = 1",
        "NumZona",
        "NumZona = ",
        "NumLluminariaModel = ",
        "NumZona == 1",
        "NumZona = 'abc'",
        "NumZona = abc",
        "NomZona = 'open",
        "DataAlta = #not a date#",
        "NumZona = 1 Xor NumZona = 2",
        "NumZona = 1 And",
        "[NomZona = 'x'",
    };
    Recordset rs = Zones();
    rs.SetFilter("Actiu = True");
    rs.MoveNext();
    for (const char* criteria : cases) {
        EXPECT_EQ(ErrorOf([&] { rs.SetFilter(criteria); }), ado::err::InvalidFilter) << criteria;
        // The filter and the position stay as they were.
        EXPECT_EQ(rs.Filter(), Variant("Actiu = True"));
        EXPECT_EQ(rs.Value("CodZona"), Variant("Z3"));
    }
}

TEST(Filter, NoFilterReadsAsZeroAndTheEmptyCriterionClearsIt) {
    Recordset rs = Zones();
    EXPECT_EQ(rs.Filter(), Variant(0));
    rs.SetFilter("Actiu = False");
    EXPECT_EQ(rs.RecordCount(), 2);
    rs.SetFilter("");
    EXPECT_EQ(rs.Filter(), Variant(0));
    EXPECT_EQ(rs.RecordCount(), 5);
    rs.SetFilter("Actiu = False");
    rs.ClearFilter();
    EXPECT_EQ(rs.Filter(), Variant(0));
    EXPECT_EQ(Shown(rs), "Z1 Z2 Z3 Z4 Z5");
}

TEST(Filter, SeesPendingRowsButNeverDeletedOnes) {
    Recordset rs = Zones();
    rs.AddNew();
    rs.SetValue("CodZona", "Z6");
    rs.SetValue("Actiu", true);
    rs.SetFilter("Actiu = True");  // ends the addition first
    EXPECT_EQ(Shown(rs), "Z1 Z3 Z5 Z6");

    rs.MoveFirst();
    rs.Delete();
    rs.MoveNext();
    rs.SetValue("Actiu", false);  // Z3 no longer matches, but stays until the filter is set again
    rs.Update();
    EXPECT_EQ(Shown(rs), "Z3 Z5 Z6");
    rs.SetFilter("Actiu = True");
    EXPECT_EQ(Shown(rs), "Z5 Z6");
    rs.SetFilter("Actiu = False");
    EXPECT_EQ(Shown(rs), "Z2 Z3 Z4");
}

// A filter on one key, as a window sets it at every move, finds its rows by
// the key's value; it still sees every edit, addition and deletion since.
TEST(Filter, AFilterOnOneKeyFollowsEditsAdditionsAndDeletions) {
    Recordset rs = Zones();
    rs.SetFilter("NumZona = 3");
    EXPECT_EQ(Shown(rs), "Z3");
    rs.SetFilter("NumZona = 2");
    rs.SetValue("NumZona", 3);
    rs.Update();
    rs.SetFilter("NumZona = 3");
    EXPECT_EQ(Shown(rs), "Z2 Z3");
    rs.AddNew();
    rs.SetValue("CodZona", "Z6");
    rs.SetValue("NumZona", 3.0);
    rs.SetFilter("NumZona = 3");
    EXPECT_EQ(Shown(rs), "Z2 Z3 Z6");
    rs.MoveFirst();
    rs.Delete();
    rs.SetFilter("NumZona = 3");
    EXPECT_EQ(Shown(rs), "Z3 Z6");
    rs.SetFilter("NumZona = 2");
    EXPECT_EQ(Shown(rs), "");
    rs.CancelUpdate();
    rs.ClearFilter();
    EXPECT_EQ(Shown(rs), "Z1 Z3 Z4 Z5 Z6");
    // A Boolean compares as its number.
    rs.SetFilter("Actiu = -1");
    EXPECT_EQ(Shown(rs), "Z1 Z3 Z5");
}

}  // namespace
}  // namespace adotest
