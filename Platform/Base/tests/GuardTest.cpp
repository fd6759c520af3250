// The error convention: a member called from outside stores its failure,
// one called by another member of the same object passes it on with its
// entry, and a callee's reported failure continues the caller's trail.
#include <gtest/gtest.h>

#include <new>

#include "Base/Guard.h"

namespace {

constexpr base::Location kWhere{base::label::Dravik, "clsProva"};

std::string Entry(const char* operation) { return base::TrailEntry(kWhere, operation); }

// A class with members that call each other as the components' classes do.
struct Sample : base::ErrorFields {
    std::string Read(int32_t failure) {
        return base::Guard(*this, kWhere, "Read", [&] {
            if (failure) base::Raise(failure);
            return std::string("valor");
        });
    }
    std::string Query(int32_t failure) {
        return base::Guard(*this, kWhere, "Query", [&] { return Read(failure) + "!"; });
    }
    bool Save(int32_t failure) {
        return base::Guard(*this, kWhere, "Save", [&] { return !Query(failure).empty(); });
    }
    void PassOn(const base::ErrorFields& callee) {
        base::Guard(*this, kWhere, "PassOn", [&] { base::RaiseReported(callee); });
    }
    int32_t Fail(std::exception_ptr error) {
        return base::Guard(*this, kWhere, "Fail", int32_t(-1), [&]() -> int32_t { std::rethrow_exception(error); });
    }
};

TEST(Guard, AMemberFromOutsideClearsOnEntryAndStoresItsFailureWithItsEntry) {
    Sample sample;
    sample.NumError = 77;
    sample.UbicacioError = "stale";
    EXPECT_EQ(sample.Read(0), "valor");
    EXPECT_EQ(sample.NumError, 0);
    EXPECT_EQ(sample.UbicacioError, "");

    EXPECT_EQ(sample.Read(513), "");
    EXPECT_EQ(sample.NumError, 513);
    EXPECT_EQ(sample.UbicacioError, Entry("Read"));
}

TEST(Guard, MembersInsideAMemberPassTheFailureOnEachWithItsEntry) {
    Sample sample;
    EXPECT_FALSE(sample.Save(515));
    EXPECT_EQ(sample.NumError, 515);
    EXPECT_EQ(sample.UbicacioError, Entry("Read") + Entry("Query") + Entry("Save"));

    // The object is outside every member again: the next call starts afresh.
    EXPECT_TRUE(sample.Save(0));
    EXPECT_EQ(sample.NumError, 0);
    EXPECT_EQ(sample.UbicacioError, "");
    EXPECT_EQ(sample.Query(514), "");
    EXPECT_EQ(sample.UbicacioError, Entry("Read") + Entry("Query"));
}

TEST(Guard, ACalleesReportedFailureComesFirstInTheCallersTrail) {
    base::ErrorFields callee;
    Sample sample;
    sample.PassOn(callee);
    EXPECT_EQ(sample.NumError, 0) << "a callee that reports nothing raises nothing";

    callee.NumError = 3021;
    callee.UbicacioError = "\rQuossa - MngClients - DeleteClient";
    sample.UbicacioError = "earlier";
    sample.PassOn(callee);
    EXPECT_EQ(sample.NumError, 3021);
    EXPECT_EQ(sample.UbicacioError, callee.UbicacioError + Entry("PassOn"));
}

TEST(Guard, ACheckedCallGivesTheMembersResultOrRaisesWhatTheCalleeReported) {
    Sample callee;
    base::ErrorFields caller;
    const auto list = [&](int32_t failure) {
        return base::Guard(caller, {base::label::Brintel, "SvrProva"}, "Llista",
                           [&] { return base::CallChecked(callee, &Sample::Read, failure); });
    };
    EXPECT_EQ(list(0), "valor");
    EXPECT_EQ(caller.NumError, 0);

    EXPECT_EQ(list(513), "");
    EXPECT_EQ(caller.NumError, 513);
    EXPECT_EQ(caller.UbicacioError, Entry("Read") + base::TrailEntry(base::label::Brintel, "SvrProva", "Llista"));
}

TEST(Guard, AHelperHeldInsideAMemberPassesItsFailureOnAsIfReported) {
    struct Window : base::ErrorFields {
        Sample helper;
        std::string Load() {
            return base::Guard(*this, {base::label::Velmar, "frmProva"}, "Load", [&] {
                const base::Nesting inside(helper);
                return helper.Query(0) + helper.Query(517);
            });
        }
    } window;
    EXPECT_EQ(window.Load(), "");
    EXPECT_EQ(window.NumError, 517);
    EXPECT_EQ(window.UbicacioError, Entry("Read") + Entry("Query") +
                                        base::TrailEntry(base::label::Velmar, "frmProva", "Load"));
    EXPECT_EQ(window.helper.Query(0), "valor!") << "outside the member the helper reports again";
}

TEST(Guard, TheTextAFailureWasRaisedWithTravelsUpTheTrailToWhoeverShowsIt) {
    Sample sample;
    base::ErrorFields caller;
    const auto passOn = [&] {
        base::Guard(caller, {base::label::Brintel, "SvrProva"}, "Llista", [&] { base::RaiseReported(sample); });
    };
    sample.Fail(std::make_exception_ptr(base::Error(-2147467259, "database is locked")));
    passOn();
    EXPECT_EQ(caller.NumError, -2147467259);
    EXPECT_EQ(base::DescriptionOf(caller.NumError, caller.UbicacioError), "database is locked");
    EXPECT_EQ(base::DescriptionOf(caller.NumError, caller.UbicacioError + "\rVelmar(exe) - frmProva - Save"),
              "database is locked")
        << "the window adds its own entries";
    EXPECT_EQ(base::DescriptionOf(513, caller.UbicacioError), "") << "another number is another failure";
    EXPECT_EQ(base::DescriptionOf(caller.NumError, "\rDravik - clsBD - ConsultaXML"), "")
        << "another trail is another failure";

    EXPECT_EQ(sample.Save(515), false);
    EXPECT_EQ(base::DescriptionOf(515, sample.UbicacioError), "") << "raised with its number alone";
    EXPECT_EQ(base::DescriptionOf(-2147467259, caller.UbicacioError), "") << "only the last failure counts";
}

TEST(Guard, FailuresWithoutANumberGetTheirs) {
    Sample sample;
    EXPECT_EQ(sample.Fail(std::make_exception_ptr(std::bad_alloc())), -1);
    EXPECT_EQ(sample.NumError, 7);
    EXPECT_EQ(sample.Fail(std::make_exception_ptr(std::logic_error("x"))), -1);
    EXPECT_EQ(sample.NumError, 440);
    EXPECT_EQ(sample.UbicacioError, Entry("Fail"));
}

}  // namespace
