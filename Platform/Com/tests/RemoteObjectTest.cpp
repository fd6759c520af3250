// The out-of-process object model with real processes: this test program
// is also the server program and the extra client processes, chosen by
// environment variables that the tests set for the processes they start.
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

#include "support/ErrorOf.h"
#include "support/Eventually.h"
#include "Com/LocalServer.h"
#include "Com/Object.h"
#include "Com/Registry.h"
#include "Com/RemoteClient.h"
#include "Com/RemoteSocket.h"
#include "support/Files.h"

namespace {

using namespace std::chrono_literals;

constexpr const char* kServeVariable = "REMOTE_TEST_SERVE";    // be the server
constexpr const char* kClientVariable = "REMOTE_TEST_CLIENT";  // be a client doing this

using com::remote::ThisProgram;

// The served class. Objects count themselves; one object passed in is kept
// for the whole process, so that a test can call it after its owner ended.
class Thing : public com::Dispatch<Thing> {
public:
    static constexpr const char* kClassName = "Thing";
    static inline int live = 0;
    static inline com::ObjectRef kept;

    Thing() { ++live; }
    ~Thing() override { --live; }

    static const com::Members<Thing>& Interface() {
        static const com::Members<Thing> m =
            com::Members<Thing>()
                .property("Value", [](Thing& t) { return com::Variant(t.value); },
                          [](Thing& t, const com::Variant& v) { t.value = v.toLong(); })
                .method("Twice",
                        [](Thing&, com::Args a) {
                            com::Variant& x = com::Arg(a, 0);
                            x = com::Variant(x.toLong() * 2);
                            return x;
                        })
                .method("Fail", [](Thing&, com::Args) -> com::Variant { com::Raise(1234); })
                .method("Keep",
                        [](Thing&, com::Args a) {
                            kept = com::Arg(a, 0).toObject();
                            return com::Variant();
                        })
                .property("Kept", [](Thing&) { return com::Variant(kept); })
                .method("CallKept",
                        [](Thing&, com::Args a) { return com::Call(kept, com::Arg(a, 0).toString()); })
                .method("DropKept",
                        [](Thing&, com::Args) {
                            kept = nullptr;
                            return com::Variant();
                        })
                .property("Live", [](Thing&) { return com::Variant(live); })
                .property("Pid", [](Thing&) { return com::Variant(static_cast<int32_t>(::getpid())); });
        return m;
    }
    int32_t value = 0;
};

// An object of a client, called back by the server.
class Recorder : public com::Dispatch<Recorder> {
public:
    static constexpr const char* kClassName = "Recorder";
    static const com::Members<Recorder>& Interface() {
        static const com::Members<Recorder> m = com::Members<Recorder>().method(
            "Note", [](Recorder& r, com::Args) {
                r.thread = std::this_thread::get_id();
                return com::Variant(++r.notes);
            });
        return m;
    }
    std::atomic<int32_t> notes{0};
    std::thread::id thread;
};

com::ObjectRef NewThing() { return com::remote::ActivateLocalServer(ThisProgram(), "RemoteTest.Thing"); }

// A file whose presence lets the client processes go.
std::string ReleaseFile() { return std::string(std::getenv(com::remote::kRuntimeFolderVariable)) + "/release"; }

// What the extra client processes do: print the server's process number
// and hold the object until released, or leave an object of theirs with
// the server and end without a word.
int RunClient(const std::string& role) {
    com::ObjectRef thing = NewThing();
    std::printf("%d\n", com::Get(thing, "Pid").toLong());
    std::fflush(stdout);
    if (role == "keep-and-die") {
        com::Call(thing, "Keep", {com::Variant(std::make_shared<Recorder>())});
        ::_exit(0);
    }
    for (int i = 0; i < 1000 && !std::filesystem::exists(ReleaseFile()); ++i)
        std::this_thread::sleep_for(5ms);
    return 0;
}

const bool startedAsHelper [[maybe_unused]] = [] {
    if (const char* role = std::getenv(kClientVariable)) {
        const std::string what = role;
        ::unsetenv(kClientVariable);  // the server it starts is no client
        std::exit(RunClient(what));
    }
    if (std::getenv(kServeVariable)) {
        com::RegisterClass("RemoteTest.Thing", [] { return std::make_shared<Thing>(); });
        std::exit(com::LocalServer::Instance().run());
    }
    return false;
}();

using testsupport::ErrorOf;
using testsupport::Eventually;

class RemoteObject : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::permissions(folder_.path(), std::filesystem::perms::owner_all);
        ::setenv(com::remote::kRuntimeFolderVariable, folder_.path().c_str(), 1);
        ::setenv(kServeVariable, "1", 1);
    }
    void TearDown() override {
        if (const int pid = ServerPid(); pid > 0 && ServerRunning()) ::kill(pid, SIGKILL);
        ::unsetenv(kServeVariable);
    }

    std::string lockFile() const { return com::remote::LockPath(ThisProgram()); }
    int ServerPid() const {
        std::ifstream in(lockFile());
        int pid = 0;
        in >> pid;
        return pid;
    }
    // The server holds its lock file for as long as it lives.
    bool ServerRunning() const {
        const int fd = ::open(lockFile().c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0) return false;
        const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
        ::close(fd);
        return held;
    }
    // Starts a client process in `role`; its output is read with Finish.
    FILE* StartClient(const std::string& role) {
        return ::popen((std::string(kClientVariable) + "=" + role + " '" + ThisProgram() + "'").c_str(), "r");
    }
    static int Finish(FILE* client) {
        int pid = 0;
        if (std::fscanf(client, "%d", &pid) != 1) pid = -1;
        ::pclose(client);
        return pid;
    }

    testsupport::TempDir folder_;
};

TEST_F(RemoteObject, CallsTravelByNameWithArgumentsResultsAndErrorNumbers) {
    com::ObjectRef thing = NewThing();
    EXPECT_EQ(com::TypeName(com::Variant(thing)), "Thing");
    EXPECT_NE(com::Get(thing, "Pid").toLong(), ::getpid());

    com::Let(thing, "value", com::Variant("41"));
    EXPECT_EQ(com::Get(thing, "VALUE").toLong(), 41);
    std::vector<com::Variant> args{com::Variant(21)};
    EXPECT_EQ(com::CallRef(thing, "Twice", args).toLong(), 42);
    EXPECT_EQ(args[0].toLong(), 42) << "an argument passed by reference comes back changed";

    EXPECT_EQ(ErrorOf([&] { com::Call(thing, "Fail"); }), 1234);
    EXPECT_EQ(ErrorOf([&] { com::Call(thing, "NoSuchMember"); }), 438);
    EXPECT_EQ(ErrorOf([&] { com::Call(thing, "Twice"); }), 449);
    EXPECT_EQ(ErrorOf([] { return com::remote::ActivateLocalServer(ThisProgram(), "RemoteTest.Nothing"); }), 429)
        << "a class the server lacks fails, and does not start the server again";
    EXPECT_EQ(ErrorOf([] { return com::remote::ActivateLocalServer("/no/such/program", "RemoteTest.Thing"); }), 429);
}

TEST_F(RemoteObject, ACreationWithOneCallLetsTheObjectGoAndGivesTheArgumentsBack) {
    com::SetLocalServerProgram("RemoteTest", ThisProgram());
    std::vector<com::Variant> args{com::Variant(21)};
    EXPECT_EQ(com::CallOnNew("RemoteTest.Thing", "Twice", args).toLong(), 42);
    EXPECT_EQ(args[0].toLong(), 42);
    EXPECT_EQ(ErrorOf([] {
                  std::vector<com::Variant> none;
                  com::CallOnNew("RemoteTest.Thing", "Fail", none);
              }),
              1234);
    EXPECT_EQ(com::Get(NewThing(), "Live").toLong(), 1) << "the objects of those calls are gone";
}

TEST_F(RemoteObject, AnObjectPassedStaysInItsProcessAndLivesWhileTheServerHoldsIt) {
    com::ObjectRef thing = NewThing();
    auto recorder = std::make_shared<Recorder>();
    std::weak_ptr<Recorder> watch = recorder;
    com::Call(thing, "Keep", {com::Variant(recorder)});

    EXPECT_EQ(com::Call(thing, "CallKept", {com::Variant("Note")}).toLong(), 1);
    EXPECT_EQ(recorder->notes, 1) << "the call ran on this process's object";
    EXPECT_NE(recorder->thread, std::this_thread::get_id()) << "on a thread of the object model";
    EXPECT_EQ(com::Get(thing, "Kept").toObject(), recorder) << "it comes back as itself, not a proxy";

    recorder.reset();
    EXPECT_FALSE(watch.expired()) << "the server still holds it";
    com::Call(thing, "DropKept");
    EXPECT_TRUE(Eventually([&] { return watch.expired(); })) << "released once the server let it go";
}

TEST_F(RemoteObject, TheServerEndsWhenIdleAndTheNextCreationStartsItAgain) {
    com::ObjectRef thing = NewThing();
    const int32_t first = com::Get(thing, "Pid").toLong();
    com::Call(thing, "Keep", {com::Variant(std::make_shared<Recorder>())});
    thing.reset();
    std::this_thread::sleep_for(100ms);
    EXPECT_TRUE(ServerRunning()) << "it holds an object of ours";

    com::Call(NewThing(), "DropKept");
    EXPECT_TRUE(Eventually([&] { return !ServerRunning(); })) << "nothing held either way: it ends";

    thing = NewThing();
    EXPECT_NE(com::Get(thing, "Pid").toLong(), first);
    EXPECT_EQ(com::Get(thing, "Live").toLong(), 1);
}

TEST_F(RemoteObject, ClientsStartingAtOnceShareOneServer) {
    std::vector<FILE*> clients;
    for (int i = 0; i < 4; ++i) clients.push_back(StartClient("pid"));
    std::vector<int> pids;
    for (FILE* c : clients) {
        int pid = 0;
        pids.push_back(std::fscanf(c, "%d", &pid) == 1 ? pid : -1);
    }
    testsupport::WriteFile(ReleaseFile(), "");
    for (FILE* c : clients) ::pclose(c);
    for (int pid : pids) {
        EXPECT_GT(pid, 0);
        EXPECT_EQ(pid, pids.front());
    }
}

TEST_F(RemoteObject, ADeadClientIsDroppedAndCallsToItFailWithoutWaiting) {
    com::ObjectRef thing = NewThing();
    EXPECT_GT(Finish(StartClient("keep-and-die")), 0);
    EXPECT_TRUE(Eventually([&] { return com::Get(thing, "Live").toLong() == 1; }))
        << "the dead client's object was let go";
    EXPECT_EQ(ErrorOf([&] { com::Call(thing, "CallKept", {com::Variant("Note")}); }), 462);
    EXPECT_EQ(com::Get(thing, "Value").toLong(), 0) << "the server goes on serving";
}

TEST_F(RemoteObject, ADeadServerFailsTheCallsAndTheNextCreationStartsAnother) {
    com::ObjectRef thing = NewThing();
    const int32_t pid = com::Get(thing, "Pid").toLong();
    ASSERT_EQ(::kill(pid, SIGKILL), 0);
    EXPECT_EQ(ErrorOf([&] { com::Get(thing, "Value"); }), 462);
    EXPECT_NE(com::Get(NewThing(), "Pid").toLong(), pid);
}

}  // namespace
