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
struct Prova : base::ErrorFields {
    std::string Llegeix(int32_t failure) {
        return base::Guard(*this, kWhere, "Llegeix", [&] {
            if (failure) base::Raise(failure);
            return std::string("valor");
        });
    }
    std::string Consulta(int32_t failure) {
        return base::Guard(*this, kWhere, "Consulta", [&] { return Llegeix(failure) + "!"; });
    }
    bool Desa(int32_t failure) {
        return base::Guard(*this, kWhere, "Desa", [&] { return !Consulta(failure).empty(); });
    }
    void Passa(const base::ErrorFields& callee) {
        base::Guard(*this, kWhere, "Passa", [&] { base::RaiseReported(callee); });
    }
    int32_t Falla(std::exception_ptr error) {
        return base::Guard(*this, kWhere, "Falla", int32_t(-1), [&]() -> int32_t { std::rethrow_exception(error); });
    }
};

TEST(Guard, AMemberFromOutsideClearsOnEntryAndStoresItsFailureWithItsEntry) {
    Prova prova;
    prova.NumError = 77;
    prova.UbicacioError = "stale";
    EXPECT_EQ(prova.Llegeix(0), "valor");
    EXPECT_EQ(prova.NumError, 0);
    EXPECT_EQ(prova.UbicacioError, "");

    EXPECT_EQ(prova.Llegeix(513), "");
    EXPECT_EQ(prova.NumError, 513);
    EXPECT_EQ(prova.UbicacioError, Entry("Llegeix"));
}

TEST(Guard, MembersInsideAMemberPassTheFailureOnEachWithItsEntry) {
    Prova prova;
    EXPECT_FALSE(prova.Desa(515));
    EXPECT_EQ(prova.NumError, 515);
    EXPECT_EQ(prova.UbicacioError, Entry("Llegeix") + Entry("Consulta") + Entry("Desa"));

    // The object is outside every member again: the next call starts afresh.
    EXPECT_TRUE(prova.Desa(0));
    EXPECT_EQ(prova.NumError, 0);
    EXPECT_EQ(prova.UbicacioError, "");
    EXPECT_EQ(prova.Consulta(514), "");
    EXPECT_EQ(prova.UbicacioError, Entry("Llegeix") + Entry("Consulta"));
}

TEST(Guard, ACalleesReportedFailureComesFirstInTheCallersTrail) {
    base::ErrorFields callee;
    Prova prova;
    prova.Passa(callee);
    EXPECT_EQ(prova.NumError, 0) << "a callee that reports nothing raises nothing";

    callee.NumError = 3021;
    callee.UbicacioError = "\rQuossa - MngClients - DeleteClient";
    prova.UbicacioError = "earlier";
    prova.Passa(callee);
    EXPECT_EQ(prova.NumError, 3021);
    EXPECT_EQ(prova.UbicacioError, callee.UbicacioError + Entry("Passa"));
}

TEST(Guard, ACheckedCallGivesTheMembersResultOrRaisesWhatTheCalleeReported) {
    Prova callee;
    base::ErrorFields caller;
    const auto list = [&](int32_t failure) {
        return base::Guard(caller, {base::label::Brintel, "SvrProva"}, "Llista",
                           [&] { return base::CallChecked(callee, &Prova::Llegeix, failure); });
    };
    EXPECT_EQ(list(0), "valor");
    EXPECT_EQ(caller.NumError, 0);

    EXPECT_EQ(list(513), "");
    EXPECT_EQ(caller.NumError, 513);
    EXPECT_EQ(caller.UbicacioError, Entry("Llegeix") + base::TrailEntry(base::label::Brintel, "SvrProva", "Llista"));
}

TEST(Guard, AHelperHeldInsideAMemberPassesItsFailureOnAsIfReported) {
    struct Finestra : base::ErrorFields {
        Prova helper;
        std::string Carrega() {
            return base::Guard(*this, {base::label::Velmar, "frmProva"}, "Carrega", [&] {
                const base::Nesting inside(helper);
                return helper.Consulta(0) + helper.Consulta(517);
            });
        }
    } finestra;
    EXPECT_EQ(finestra.Carrega(), "");
    EXPECT_EQ(finestra.NumError, 517);
    EXPECT_EQ(finestra.UbicacioError, Entry("Llegeix") + Entry("Consulta") +
                                          base::TrailEntry(base::label::Velmar, "frmProva", "Carrega"));
    EXPECT_EQ(finestra.helper.Consulta(0), "valor!") << "outside the member the helper reports again";
}

TEST(Guard, TheTextAFailureWasRaisedWithTravelsUpTheTrailToWhoeverShowsIt) {
    Prova prova;
    base::ErrorFields caller;
    const auto passOn = [&] {
        base::Guard(caller, {base::label::Brintel, "SvrProva"}, "Llista", [&] { base::RaiseReported(prova); });
    };
    prova.Falla(std::make_exception_ptr(base::Error(-2147467259, "database is locked")));
    passOn();
    EXPECT_EQ(caller.NumError, -2147467259);
    EXPECT_EQ(base::DescriptionOf(caller.NumError, caller.UbicacioError), "database is locked");
    EXPECT_EQ(base::DescriptionOf(caller.NumError, caller.UbicacioError + "\rVelmar(exe) - frmProva - Desa"),
              "database is locked")
        << "the window adds its own entries";
    EXPECT_EQ(base::DescriptionOf(513, caller.UbicacioError), "") << "another number is another failure";
    EXPECT_EQ(base::DescriptionOf(caller.NumError, "\rDravik - clsBD - ConsultaXML"), "")
        << "another trail is another failure";

    EXPECT_EQ(prova.Desa(515), false);
    EXPECT_EQ(base::DescriptionOf(515, prova.UbicacioError), "") << "raised with its number alone";
    EXPECT_EQ(base::DescriptionOf(-2147467259, caller.UbicacioError), "") << "only the last failure counts";
}

TEST(Guard, FailuresWithoutANumberGetTheirs) {
    Prova prova;
    EXPECT_EQ(prova.Falla(std::make_exception_ptr(std::bad_alloc())), -1);
    EXPECT_EQ(prova.NumError, 7);
    EXPECT_EQ(prova.Falla(std::make_exception_ptr(std::logic_error("x"))), -1);
    EXPECT_EQ(prova.NumError, 440);
    EXPECT_EQ(prova.UbicacioError, Entry("Falla"));
}

}  // namespace
