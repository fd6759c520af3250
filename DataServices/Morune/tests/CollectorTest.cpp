// The collector's registrations, sweep and settings, driven through its
// test control with a stopped clock: no test here waits for the timer.
#include <csignal>

#include "CollectorFixture.h"
#include "Morune/MoruneNames.h"
#include "support/Installation.h"

namespace morune::test {
namespace {

using com::Variant;
using testsupport::RecordingConnection;

using Collector = CollectorTest;

TEST_F(Collector, AnOldOpenConnectionGetsEveryLevelRolledBackAndIsClosedFromTheOwnersProcess) {
    setClock(0);
    auto open = std::make_shared<RecordingConnection>(1, 3);
    auto closed = std::make_shared<RecordingConnection>(0, 0);
    EXPECT_EQ(NumError(Register(Variant(open))), 0);
    EXPECT_EQ(NumError(Register(Variant(closed))), 0);
    EXPECT_EQ(keys(), "Clau1 Clau2|");

    setClock(1001);
    sweep();
    EXPECT_EQ(open->calls(), "State BeginTrans RollbackTrans RollbackTrans RollbackTrans RollbackTrans Close");
    EXPECT_EQ(open->levels, 0);
    EXPECT_FALSE(open->calledOnThisThread()) << "calls come back on a thread of the object model";
    EXPECT_EQ(closed->calls(), "State") << "a connection its owner closed is only dropped";
    EXPECT_EQ(keys(), "") << "with nothing left the collector tears down";
    EXPECT_FALSE(active());
}

TEST_F(Collector, EachCollectionIsSweptEverySecondTickAndAnEntryAsOldAsTheMaximumStays) {
    setClock(0);
    auto first = std::make_shared<RecordingConnection>(1, 1);
    auto second = std::make_shared<RecordingConnection>(1, 1);
    Register(Variant(first));

    setClock(1000);
    sweep();  // collection 1: its age is exactly the maximum
    EXPECT_EQ(keys(), "Clau1|");
    Register(Variant(second));
    EXPECT_EQ(keys(), "Clau1|Clau2") << "registrations go to the other collection after a sweep";

    setClock(5000);
    sweep();  // collection 2 only
    EXPECT_EQ(keys(), "Clau1|");
    EXPECT_EQ(first->calls(), "");
    sweep();  // collection 1 again
    EXPECT_EQ(first->calls(), "State BeginTrans RollbackTrans RollbackTrans Close");
    EXPECT_EQ(keys(), "");
}

TEST_F(Collector, OldEntriesInARowGoInOneSweepAndYoungerOnesStay) {
    setClock(0);
    Register(Variant(std::make_shared<RecordingConnection>(1, 1)));
    Register(Variant(std::make_shared<RecordingConnection>(0, 0)));
    setClock(500);
    Register(Variant(std::make_shared<RecordingConnection>(1, 1)));
    Register(Variant(std::make_shared<RecordingConnection>(1, 1)));
    setClock(1200);
    sweep();
    EXPECT_EQ(keys(), "Clau3 Clau4|");
    EXPECT_TRUE(active());
}

TEST_F(Collector, AFailingCallOrAnEmptyEntryDoesNotStopTheSweep) {
    setClock(0);
    auto stateFails = std::make_shared<RecordingConnection>(1, 1, "State");
    auto rollbackFails = std::make_shared<RecordingConnection>(1, 2, "RollbackTrans");
    auto sound = std::make_shared<RecordingConnection>(1, 1);
    Register(Variant(stateFails));
    Register(Variant());
    Register(Variant(rollbackFails));
    Register(Variant(sound));
    EXPECT_EQ(keys(), "Clau1 Clau2 Clau3 Clau4|");
    setClock(2000);
    sweep();
    EXPECT_EQ(stateFails->calls(), "State");
    EXPECT_EQ(rollbackFails->calls(), "State BeginTrans RollbackTrans Close") << "closed all the same";
    EXPECT_EQ(sound->calls(), "State BeginTrans RollbackTrans RollbackTrans Close");
    EXPECT_EQ(keys(), "");
}

TEST_F(Collector, EverySetUpReadsTheSettingsAndNumbersFromOne) {
    setClock(0);
    Register(Variant(std::make_shared<RecordingConnection>(0, 0)));
    Register(Variant(std::make_shared<RecordingConnection>(0, 0)));
    settings_.replace("[General]\nMaximTempsDeTransaccio=1000\n");
    EXPECT_EQ(NumError(Register(Variant(std::make_shared<RecordingConnection>(0, 0)))), 0)
        << "an active collector does not read the settings";
    EXPECT_EQ(keys(), "Clau1 Clau2 Clau3|");

    setClock(2000);
    sweep();
    EXPECT_FALSE(active());
    com::ObjectRef refused = Register(Variant(std::make_shared<RecordingConnection>(0, 0)));
    EXPECT_EQ(NumError(refused), 513) << "the first registration after tear-down reads them again";
    EXPECT_EQ(keys(), "");

    settings_.replace(std::string(kSettings));
    EXPECT_EQ(NumError(Register(Variant(std::make_shared<RecordingConnection>(0, 0)))), 0);
    EXPECT_EQ(keys(), "Clau1|");
    EXPECT_TRUE(active());
}

TEST_F(Collector, SettingsThatCannotBeUsedAreRefusedAtSetUp) {
    const std::string reader = Trail({"ConsultaArxiuIni", "AfegeixConnexio"});
    const std::string own = Trail({"AfegeixConnexio"});
    const struct {
        std::optional<std::string> period;  // nullopt: the key is missing
        std::optional<std::string> maxAge;
        int32_t number;
        std::string trail;
    } kCases[] = {
        {std::nullopt, "1000", 513, reader},
        {"1000", std::nullopt, 513, reader},
        {"@#&", "1000", 513, reader},
        {"0", "1000", 513, own},
        {"1000", "-5", 513, own},
        {"soon", "1000", 513, own},
        {"1000", "0.4", 513, own},
        {"1e10", "1000", 6, own},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE("period " + c.period.value_or("missing") + ", age " + c.maxAge.value_or("missing"));
        std::string file = "[General]\n";
        if (c.period) file += "PeriodicitatRecolectorDeixalla=" + *c.period + "\n";
        if (c.maxAge) file += "MaximTempsDeTransaccio=" + *c.maxAge + "\n";
        settings_.replace(file);
        com::ObjectRef collector = Register(Variant(std::make_shared<RecordingConnection>(1, 1)));
        EXPECT_EQ(NumError(collector), c.number);
        EXPECT_EQ(UbicacioError(collector), c.trail);
        EXPECT_FALSE(active()) << "nothing of the set-up remains";
    }
    settings_.replace(std::nullopt);
    com::ObjectRef collector = Register(Variant(std::make_shared<RecordingConnection>(1, 1)));
    EXPECT_EQ(NumError(collector), 515);
    EXPECT_EQ(UbicacioError(collector), reader);
    EXPECT_EQ(keys(), "");
}

TEST_F(Collector, AValueThatIsNoConnectionIsRefusedAfterTheSetUp) {
    com::ObjectRef collector = Register(Variant("a connection"));
    EXPECT_EQ(NumError(collector), 13);
    EXPECT_EQ(UbicacioError(collector), Trail({"AfegeixConnexio"}));
    EXPECT_EQ(keys(), "|");
    EXPECT_TRUE(active());
}

TEST_F(Collector, ARegistrationInOneCallCountsItsAgeAndHandsTheErrorFieldsBack) {
    const auto registerAged = [](const com::ObjectRef& connection, int32_t age) {
        std::vector<Variant> args{Variant(connection), Variant(age), Variant(-1), Variant("before")};
        com::CallOnNew("Morune.clsDeixalla", "AddConnectionWithAge", args);
        return std::pair(args[2].toLong(), args[3].toString());
    };
    settings_.replace("[General]\nMaximTempsDeTransaccio=1000\n");
    EXPECT_EQ(registerAged(std::make_shared<RecordingConnection>(1, 1), 0),
              std::pair(513, Trail({"ConsultaArxiuIni", "AfegeixConnexio"})))
        << "a failure reports as AfegeixConnexio does";

    settings_.replace(std::string(kSettings));
    setClock(5000);
    auto old = std::make_shared<RecordingConnection>(1, 1);
    auto young = std::make_shared<RecordingConnection>(1, 1);
    EXPECT_EQ(registerAged(old, 800), std::pair(0, std::string()));
    EXPECT_EQ(registerAged(young, 0), std::pair(0, std::string()));
    EXPECT_EQ(registerAged(old, 0), std::pair(0, std::string()));
    EXPECT_EQ(keys(), "Clau1 Clau2|") << "a connection registered again stays as it was";

    setClock(5201);  // 1001 ms since the first began, 201 since the second
    sweep();
    EXPECT_EQ(old->calls(), "State BeginTrans RollbackTrans RollbackTrans Close");
    EXPECT_EQ(young->calls(), "");
    EXPECT_EQ(keys(), "Clau2|");
}

TEST_F(Collector, InfoClasseDeixallaMakesTheCollectionsOnlyWhenIdleAndNeverStopsASetUp) {
    com::ObjectRef collector = com::CreateObject("Morune.clsDeixalla");
    com::Let(collector, "NumError", Variant(7));
    com::Call(collector, names::InfoClasseDeixalla);
    EXPECT_EQ(NumError(collector), 7) << "it reports nothing";
    EXPECT_EQ(keys(), "|");
    EXPECT_FALSE(active());

    setClock(0);
    com::Call(collector, "AfegeixConnexio", {Variant(std::make_shared<RecordingConnection>(1, 1))});
    EXPECT_EQ(NumError(collector), 0);
    EXPECT_TRUE(active()) << "the registration still sets the collector up";
    com::Call(collector, names::InfoClasseDeixalla);
    Register(Variant(std::make_shared<RecordingConnection>(1, 1)));
    EXPECT_EQ(keys(), "Clau1 Clau2|") << "on an active collector it changes nothing";

    setClock(2000);
    sweep();
    EXPECT_EQ(keys(), "") << "a sweep empties it as usual";
}

TEST_F(Collector, ItsSettingsLieInTheDataLibrarysFolder) {
    com::ObjectRef collector = com::CreateObject("Morune.clsDeixalla");
    EXPECT_EQ(com::Get(collector, "RutaArxiuIni").toString(), DravikIni());
    std::vector<Variant> args{Variant(DravikIni()), Variant("General"), Variant("MaximTempsDeTransaccio")};
    EXPECT_EQ(com::CallRef(collector, "ConsultaArxiuIni", args).toString(), "1000");
    args[2] = Variant("Nothing");
    EXPECT_EQ(com::CallRef(collector, "ConsultaArxiuIni", args).toString(), "");
    EXPECT_EQ(NumError(collector), 513);
    EXPECT_EQ(UbicacioError(collector), Trail({"ConsultaArxiuIni"}));
}

// Two installations of one user, each with its settings: a client of each
// reaches the collector of its own installation, which reads that
// installation's settings, even in one runtime folder.
TEST(CollectorInstallations, EachInstallationOfOneUserHasACollectorOfItsOwn) {
    testsupport::Installation installations[2];
    const std::string collectors[] = {installations[0].path("DataServices/Morune/MoruneTestServer"),
                                      installations[1].path("DataServices/Morune/MoruneTestServer")};
    testsupport::CollectorSandbox sandbox(collectors[0]);
    int32_t pids[2] = {};
    for (int i = 0; i < 2; ++i) {
        const std::string settings = installations[i].path("DataServices/Dravik/Dravik.INI");
        testsupport::WriteFile(settings, "[General]\nPeriodicitatRecolectorDeixalla=600000\nMaximTempsDeTransaccio=" +
                                             std::to_string(1000 + i) + "\n");
        testsupport::UseCollector(collectors[i]);
        pids[i] = com::Get(com::CreateObject("Morune.TestControl"), "Pid").toLong();
        const com::ObjectRef collector = com::CreateObject("Morune.clsDeixalla");
        EXPECT_EQ(com::Get(collector, "RutaArxiuIni").toString(), settings);
        std::vector<Variant> args{Variant(settings), Variant("General"), Variant("MaximTempsDeTransaccio")};
        EXPECT_EQ(com::CallRef(collector, "ConsultaArxiuIni", args).toString(), std::to_string(1000 + i));
    }
    EXPECT_NE(pids[0], pids[1]);
    if (pids[1] != pids[0] && pids[1] > 0) ::kill(pids[1], SIGKILL);
}

}  // namespace
}  // namespace morune::test
