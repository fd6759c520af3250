// The recordset in memory: navigation, bookmarks, editing kept pending, its
// errors and its change notifications.
#include <functional>

#include "RecordsetTestSupport.h"

namespace adotest {
namespace {

using ado::EditState;
using ado::Recordset;
namespace err = ado::err;

// Where the recordset stands: the current zone's code ("null" for a row
// without one), "BOF", "EOF", "empty" or "deleted".
std::string Where(const Recordset& rs) {
    if (rs.IsBOF() && rs.IsEOF()) return "empty";
    if (rs.IsBOF()) return "BOF";
    if (rs.IsEOF()) return "EOF";
    if (ErrorOf([&] { rs.Value("CodZona"); }) == err::NoCurrentRecord) return "deleted";
    const Variant code = rs.Value("CodZona");
    return code.isNull() ? "null" : code.toString();
}

TEST(RecordsetNavigation, MovesThroughTheRowsAndStopsAtEitherEnd) {
    using Start = Recordset::MoveStart;
    struct Step {
        const char* what;
        std::function<void(Recordset&)> move;
        const char* at;
        int32_t position;
        int32_t error = 0;
    };
    const Step steps[] = {
        {"opened", [](Recordset&) {}, "Z1", 1},
        {"next", [](Recordset& rs) { rs.MoveNext(); }, "Z2", 2},
        {"last", [](Recordset& rs) { rs.MoveLast(); }, "Z5", 5},
        {"next past the last", [](Recordset& rs) { rs.MoveNext(); }, "EOF", Recordset::kPositionEOF},
        {"next at EOF", [](Recordset& rs) { rs.MoveNext(); }, "EOF", Recordset::kPositionEOF,
         err::NoCurrentRecord},
        {"previous from EOF", [](Recordset& rs) { rs.MovePrevious(); }, "Z5", 5},
        {"first", [](Recordset& rs) { rs.MoveFirst(); }, "Z1", 1},
        {"previous before the first", [](Recordset& rs) { rs.MovePrevious(); }, "BOF",
         Recordset::kPositionBOF},
        {"previous at BOF", [](Recordset& rs) { rs.MovePrevious(); }, "BOF",
         Recordset::kPositionBOF, err::NoCurrentRecord},
        {"move 2 from BOF", [](Recordset& rs) { rs.Move(2); }, "Z2", 2},
        {"move 2 from the first", [](Recordset& rs) { rs.Move(2, Start::First); }, "Z3", 3},
        {"move -1", [](Recordset& rs) { rs.Move(-1); }, "Z2", 2},
        {"move 0 from the first", [](Recordset& rs) { rs.Move(0, Start::First); }, "Z1", 1},
        {"move 10", [](Recordset& rs) { rs.Move(10); }, "EOF", Recordset::kPositionEOF},
        {"move 1 at EOF", [](Recordset& rs) { rs.Move(1); }, "EOF", Recordset::kPositionEOF,
         err::NoCurrentRecord},
        {"move -10 from the first", [](Recordset& rs) { rs.Move(-10, Start::First); }, "BOF",
         Recordset::kPositionBOF},
    };
    Recordset rs = Zones();
    EXPECT_EQ(rs.RecordCount(), 5);
    for (const Step& step : steps) {
        EXPECT_EQ(ErrorOf([&] { step.move(rs); }), step.error) << step.what;
        EXPECT_EQ(Where(rs), step.at) << step.what;
        EXPECT_EQ(rs.AbsolutePosition(), step.position) << step.what;
    }
}

TEST(RecordsetNavigation, BookmarksHoldAcrossFiltersAdditionsAndDeletions) {
    Recordset rs = Zones();
    rs.Move(2, Recordset::MoveStart::First);
    const Variant z3 = rs.Bookmark();
    rs.MoveNext();
    const Variant z4 = rs.Bookmark();

    rs.SetFilter("Actiu = True");  // Z1, Z3, Z5
    rs.SetBookmark(z3);
    EXPECT_EQ(Where(rs), "Z3");
    EXPECT_EQ(rs.AbsolutePosition(), 2);
    EXPECT_EQ(ErrorOf([&] { rs.SetBookmark(z4); }), err::NoCurrentRecord);  // filtered out
    EXPECT_EQ(Where(rs), "Z3");

    rs.MoveFirst();
    rs.Delete();  // Z1
    rs.AddNew();
    rs.SetValue("CodZona", "Z6");
    const Variant z6 = rs.Bookmark();
    rs.Update();
    rs.SetBookmark(z3);
    EXPECT_EQ(Where(rs), "Z3");
    EXPECT_EQ(rs.AbsolutePosition(), 1);

    rs.ClearFilter();  // Z2 Z3 Z4 Z5 Z6
    rs.SetBookmark(z6);
    EXPECT_EQ(Where(rs), "Z6");
    EXPECT_EQ(rs.AbsolutePosition(), 5);
    rs.SetBookmark(z3);
    EXPECT_EQ(rs.AbsolutePosition(), 2);

    for (const Variant& bad : {Variant(1) /* Z1, deleted */, Variant(0), Variant(99), Variant("x")})
        EXPECT_EQ(ErrorOf([&] { rs.SetBookmark(bad); }), err::NoCurrentRecord) << bad.toString();

    // A recordset made again from the text keeps the rows in the same places.
    Recordset again = Recordset::FromXml(Zones().ToXml());
    again.SetBookmark(z4);
    EXPECT_EQ(Where(again), "Z4");
}

TEST(RecordsetNavigation, AnEmptyRecordsetIsAtBothEnds) {
    Recordset rs = Zones();
    rs.SetFilter("NumZona = -1");
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_EQ(Where(rs), "empty");
    EXPECT_EQ(rs.AbsolutePosition(), Recordset::kPositionUnknown);
    rs.MoveFirst();
    rs.MoveLast();
    EXPECT_EQ(Where(rs), "empty");
    EXPECT_EQ(ErrorOf([&] { rs.Bookmark(); }), err::NoCurrentRecord);
    EXPECT_EQ(ErrorOf([&] { rs.Value(0); }), err::NoCurrentRecord);
    EXPECT_EQ(ErrorOf([&] { rs.Delete(); }), err::NoCurrentRecord);
}

TEST(RecordsetEditing, ChangesStayPendingUntilSaved) {
    const std::string unchanged = Zones().ToXml();
    Recordset rs = Zones();

    // An edit shows its values at once and can be dropped.
    rs.SetValue("NomZona", "Altre");
    EXPECT_EQ(rs.EditMode(), EditState::InProgress);
    EXPECT_EQ(rs.Value("NomZona"), Variant("Altre"));
    EXPECT_EQ(rs.ToXml(), unchanged);  // not part of the text before Update
    rs.CancelUpdate();
    EXPECT_EQ(rs.EditMode(), EditState::None);
    EXPECT_EQ(rs.Value("NomZona"), Variant("Nord"));

    // Edited back to what was read: nothing pending.
    rs.SetValue("NomZona", "Altre");
    rs.Update();
    rs.SetValue("NomZona", "Nord");
    rs.Update();
    EXPECT_EQ(rs.ToXml(), unchanged);

    // Leaving a row with an edit open ends the edit.
    rs.SetValue("NomZona", "Nord-est");
    rs.MoveNext();
    EXPECT_EQ(rs.EditMode(), EditState::None);
    const std::string text = rs.ToXml();
    EXPECT_NE(text.find("<rs:update>"), std::string::npos);
    EXPECT_NE(text.find("NomZona='Nord-est'"), std::string::npos);
}

TEST(RecordsetEditing, AddedRowsAreNewUntilCancelledOrDeleted) {
    const std::string unchanged = Zones().ToXml();
    Recordset rs = Zones();
    rs.Move(1, Recordset::MoveStart::First);

    rs.AddNew();
    EXPECT_EQ(rs.EditMode(), EditState::Add);
    EXPECT_EQ(rs.RecordCount(), 6);
    EXPECT_EQ(rs.AbsolutePosition(), 6);
    EXPECT_EQ(rs.Value("CodZona"), Variant::Null());
    EXPECT_EQ(rs.ToXml(), unchanged);  // an open addition is not in the text
    rs.CancelUpdate();
    EXPECT_EQ(rs.RecordCount(), 5);
    EXPECT_EQ(Where(rs), "Z2");  // the row current before AddNew

    rs.AddNew();
    rs.SetValue("CodZona", "Z6");
    rs.MoveFirst();  // ends the addition with Update
    EXPECT_NE(rs.ToXml().find("<rs:insert>\n\t\t<z:row CodZona='Z6'/>"), std::string::npos);
    rs.MoveLast();
    rs.Delete();
    EXPECT_EQ(rs.ToXml(), unchanged);  // an added row deleted leaves no trace
}

TEST(RecordsetEditing, ADeletedRowStaysCurrentUntilTheNextMove) {
    Recordset rs = Zones();
    rs.Move(1, Recordset::MoveStart::First);
    rs.SetValue("NomZona", "changed, then deleted");
    rs.Delete();
    EXPECT_EQ(Where(rs), "deleted");
    EXPECT_EQ(rs.RecordCount(), 4);
    EXPECT_EQ(rs.EditMode(), EditState::None);
    rs.MoveNext();
    EXPECT_EQ(Where(rs), "Z3");

    rs.Delete();
    rs.MovePrevious();
    EXPECT_EQ(Where(rs), "Z1");

    // The delete block holds the row as it was read.
    const std::string text = rs.ToXml();
    EXPECT_NE(text.find("<rs:delete>\n\t\t<z:row NumZona='2' CodZona='Z2' NomZona='Sud &amp; Est'"),
              std::string::npos);
    EXPECT_EQ(text.find("changed, then deleted"), std::string::npos);

    while (rs.RecordCount() > 0) {
        rs.MoveFirst();
        rs.Delete();
    }
    rs.MoveNext();
    EXPECT_EQ(Where(rs), "empty");
}

TEST(RecordsetEditing, ValuesAreConvertedToTheFieldType) {
    struct Case {
        const char* field;
        Variant value;
        Variant stored;
    };
    const Case fits[] = {
        {"NumZona", "12", 12},
        {"NumZona", 2.5, 2},  // halves go to the even neighbour
        {"NumZona", true, -1},
        {"Superficie", " 1.5 ", 1.5},
        {"Actiu", "False", false},
        {"Actiu", 7, true},
        {"DataAlta", "2024-01-02", com::Date::FromParts(2024, 1, 2)},
        {"CodZona", 12, "12"},
        {"NomZona", Variant(), Variant::Null()},
        {"NomZona", Variant::Null(), Variant::Null()},
    };
    Recordset rs = Zones();
    for (const Case& c : fits) {
        rs.SetValue(c.field, c.value);
        EXPECT_EQ(rs.Value(c.field), c.stored) << c.field << " " << com::TypeName(c.value);
    }
    const Case refused[] = {
        {"NumZona", "abc", {}},
        {"NumZona", 3e10, {}},
        {"DataAlta", "yesterday", {}},
        {"Actiu", "maybe", {}},
        {"Superficie", "1,5", {}},
    };
    for (const Case& c : refused)
        EXPECT_EQ(ErrorOf([&] { rs.SetValue(c.field, c.value); }), err::TypeMismatch) << c.field;
}

TEST(RecordsetEditing, ErrorsNameWhatIsWrong) {
    Recordset closed;
    EXPECT_EQ(ErrorOf([&] { closed.RecordCount(); }), err::ObjectClosed);
    EXPECT_EQ(ErrorOf([&] { closed.ToXml(); }), err::ObjectClosed);
    EXPECT_EQ(ErrorOf([&] { closed.MoveFirst(); }), err::ObjectClosed);

    Recordset rs = Zones();
    EXPECT_EQ(ErrorOf([&] { rs.Value("Nope"); }), err::FieldNotFound);
    EXPECT_EQ(ErrorOf([&] { rs.SetValue(6, 1); }), err::FieldNotFound);
    EXPECT_EQ(ErrorOf([&] { rs.Field(-1); }), err::FieldNotFound);
    EXPECT_EQ(rs.FieldIndex("nomzona"), 2);
    rs.MoveLast();
    rs.MoveNext();
    EXPECT_EQ(ErrorOf([&] { rs.SetValue("NomZona", "x"); }), err::NoCurrentRecord);
}

TEST(RecordsetEditing, NotifiesMovesValuesAndRows) {
    Recordset rs = Zones();
    std::vector<std::string> heard;
    const ado::Subscription subscription = rs.Listen({
        .currentRowChanged = [&] { heard.push_back("row " + Where(rs)); },
        .fieldChanged = [&](int32_t field) { heard.push_back("field " + std::to_string(field)); },
        .rowsChanged = [&] { heard.push_back("rows " + std::to_string(rs.RecordCount())); },
    });

    rs.MoveNext();
    rs.SetValue("NomZona", "x");
    rs.SetFilter("Actiu = True");
    rs.AddNew();
    rs.CancelUpdate();
    rs.Delete();
    const std::vector<std::string> expected = {
        "row Z2", "field 2", "rows 3", "row Z1", "rows 4",
        "row null", "rows 3", "row Z1", "rows 2", "row deleted",
    };
    EXPECT_EQ(heard, expected);
}

TEST(RecordsetEditing, EveryListenerHearsUntilItsSubscriptionEnds) {
    auto rs = std::make_unique<Recordset>(Zones());
    std::vector<std::string> heard;
    ado::Subscription first = rs->Listen({.currentRowChanged = [&] { heard.push_back("first"); }});
    // A listener may subscribe another while it is told; the new one hears
    // from the next change on.
    ado::Subscription second;
    ado::Subscription adder = rs->Listen({.currentRowChanged = [&] {
        if (std::exchange(heard, {}).size() == 1 && heard.empty())
            second = rs->Listen({.currentRowChanged = [&] { heard.push_back("second"); }});
    }});
    rs->MoveNext();
    EXPECT_TRUE(heard.empty());
    adder.reset();
    rs->MoveNext();
    EXPECT_EQ(heard, (std::vector<std::string>{"first", "second"}));

    // One that ends while another is told is not told.
    heard.clear();
    first.reset();
    second.reset();
    ado::Subscription victim;
    ado::Subscription ender = rs->Listen({.currentRowChanged = [&] { victim.reset(); }});
    victim = rs->Listen({.currentRowChanged = [&] { heard.push_back("victim"); }});
    ado::Subscription last = rs->Listen({.currentRowChanged = [&] { heard.push_back("last"); }});
    rs->MoveNext();
    EXPECT_EQ(heard, std::vector<std::string>{"last"});

    // A subscription outliving its recordset ends quietly.
    rs.reset();
    last.reset();
}

TEST(RecordsetEditing, ACloneKeepsRowsEditsFilterAndPlaceButNoListener) {
    Recordset rs = Zones();
    int heard = 0;
    const ado::Subscription s = rs.Listen({.currentRowChanged = [&] { ++heard; }});
    rs.SetFilter("Actiu = True");
    rs.MoveNext();
    rs.SetValue("NomZona", "Horta Nova");
    heard = 0;

    Recordset copy = rs.Clone();
    EXPECT_EQ(copy.Filter(), Variant("Actiu = True"));
    EXPECT_EQ(Where(copy), "Z3");
    EXPECT_EQ(copy.EditMode(), EditState::InProgress);
    EXPECT_EQ(copy.Value("NomZona"), Variant("Horta Nova"));
    copy.CancelUpdate();
    copy.MoveFirst();
    EXPECT_EQ(heard, 0);
    EXPECT_EQ(rs.Value("NomZona"), Variant("Horta Nova")) << "the original keeps its edit";
    EXPECT_EQ(rs.ToXml(), Zones().ToXml()) << "an edit still open is not in the text";
}

TEST(RecordsetEditing, RowsReadWithoutMoving) {
    Recordset rs = Zones();
    rs.SetFilter("Actiu = True");  // Z1, Z3, Z5
    rs.MoveNext();
    rs.SetValue("NomZona", "Horta Nova");
    EXPECT_EQ(rs.ValueAt(1, 1), Variant("Z1"));
    EXPECT_EQ(rs.ValueAt(2, 2), Variant("Horta Nova")) << "the edit of the current row";
    EXPECT_EQ(rs.ValueAt(3, 2), Variant(""));
    EXPECT_EQ(ErrorOf([&] { rs.ValueAt(4, 1); }), err::NoCurrentRecord);
    EXPECT_EQ(ErrorOf([&] { rs.ValueAt(0, 1); }), err::NoCurrentRecord);
    EXPECT_EQ(Where(rs), "Z3");
    EXPECT_EQ(rs.EditMode(), EditState::InProgress);

    // Every row but the deleted ones, whatever the filter, an added one with
    // its edit.
    rs.Update();
    rs.MoveFirst();
    rs.Delete();
    rs.AddNew();
    rs.SetValue("CodZona", "Z6");
    const std::vector<Variant> codes = rs.ColumnValues(1);
    EXPECT_EQ(codes, (std::vector<Variant>{"Z2", "Z3", "Z4", "Z5", "Z6"}));
    EXPECT_EQ(rs.ColumnValues(2)[1], Variant("Horta Nova"));
    EXPECT_EQ(rs.EditMode(), EditState::Add);
}

}  // namespace
}  // namespace adotest
