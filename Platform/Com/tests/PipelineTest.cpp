// Calls that a member posts to a peer that it does not wait for, as a
// client of an object server does, over a pair of connected sockets in this
// process: each case runs once on an object of this thread and once on one
// across the connection, and must end the same way.
#include <gtest/gtest.h>
#include <sys/socket.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "Base/Guard.h"
#include "Com/ErrorProperties.h"
#include "Com/Object.h"
#include "Com/Registry.h"
#include "Com/ThreadedChannel.h"
#include "support/ErrorOf.h"
#include "support/Eventually.h"

namespace {

using testsupport::ErrorOf;
using testsupport::Eventually;

constexpr const char* kThing = "PipelineTest.Thing";

// The served class: a value that takes numbers only, a note of what was
// done to it, and objects it makes.
class Thing : public com::Dispatch<Thing>, public base::ErrorFields {
public:
    static constexpr const char* kClassName = "Thing";
    static inline std::atomic<int> live = 0;

    Thing() { ++live; }
    ~Thing() override { --live; }

    static const com::Members<Thing>& Interface() {
        static const com::Members<Thing> m =
            com::ErrorProperties<Thing>()
                .property(
                    "Value", [](Thing& t) { return com::Variant(t.value); },
                    [](Thing& t, const com::Variant& v) {
                        t.value = v.toLong();
                        t.note("value " + std::to_string(t.value));
                    })
                .method("Note",
                        [](Thing& t, com::Args a) {
                            t.note(com::Arg(a, 0).toString());
                            return com::Variant();
                        })
                .property("Notes",
                          [](Thing& t) {
                              std::lock_guard lock(t.mutex);
                              return com::Variant(t.notes);
                          })
                .method("Make", [](Thing& t, com::Args) {
                    t.note("make");
                    return com::Variant(std::make_shared<Thing>());
                });
        return m;
    }

    void note(const std::string& what) {
        std::lock_guard lock(mutex);
        notes += what + ";";
    }

    int32_t value = 0;
    std::mutex mutex;
    std::string notes;
};

const bool registered [[maybe_unused]] = com::RegisterClass(kThing, [] { return std::make_shared<Thing>(); });

// A client channel that pipelines and a serving one, joined by a socket pair.
struct Connection {
    Connection() {
        int fds[2];
        EXPECT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fds), 0);
        com::remote::ThreadedChannel::Options clientOptions;
        clientOptions.pipelines = true;
        clientOptions.closeWhenIdle = false;
        client = std::make_shared<com::remote::ThreadedChannel>(std::make_unique<com::remote::Transport>(fds[0]),
                                                                clientOptions);
        com::remote::ThreadedChannel::Options serverOptions;
        serverOptions.closeWhenIdle = false;
        serverOptions.serveOnReader = true;
        server = std::make_shared<com::remote::ThreadedChannel>(std::make_unique<com::remote::Transport>(fds[1]),
                                                                serverOptions);
        client->start();
        server->start();
    }
    ~Connection() {
        client->disconnect();
        server->disconnect();
    }
    std::shared_ptr<com::remote::ThreadedChannel> client;
    std::shared_ptr<com::remote::ThreadedChannel> server;
};

// A class under the error convention whose members run what a case gives.
struct Member : base::ErrorFields {
    void run(std::string_view operation, const std::function<void()>& body) {
        base::Guard(*this, {base::label::Brintel, "clsProva"}, operation, body);
    }
};

// How a case ended: the caller's error fields and what the thing noted.
struct Outcome {
    int32_t number;
    std::string trail;
    std::string notes;
    bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Outcome& o) {
    return out << o.number << " [" << o.trail << "] " << o.notes;
}

// Runs `work` on a thing of this process and on one across `connection`.
template <class Work>
void ExpectTheSameEnd(Connection& connection, Work work) {
    const auto outcome = [&](const com::ObjectRef& thing) {
        Member caller;
        work(caller, thing);
        return Outcome{caller.NumError, caller.UbicacioError, com::Get(thing, "Notes").toString()};
    };
    const Outcome here = outcome(com::CreateObject(kThing));
    const Outcome there = outcome(connection.client->create(kThing));
    EXPECT_EQ(there, here);
}

class Pipeline : public ::testing::Test {
protected:
    Connection connection_;
    // The class is known on the connection, so that creations are posted.
    const com::ObjectRef first_ = connection_.client->create(kThing);
};

// A posted let that fails: the member that made it fails with its number
// and trail, and what came after it on the peer does not run.
TEST_F(Pipeline, APostedCallFailsInTheMemberThatMadeItAndNothingAfterItRuns) {
    SCOPED_TRACE("the next call that waits");
    ExpectTheSameEnd(connection_, [](Member& caller, const com::ObjectRef& thing) {
        caller.run("Desa", [&] {
            com::Let(thing, "Value", "dotze");
            com::Let(thing, "Value", 12);
            com::Call(thing, "Note", {"after"});
        });
    });
    SCOPED_TRACE("the end of an inner member, whose failure its caller raises");
    ExpectTheSameEnd(connection_, [](Member& caller, const com::ObjectRef& thing) {
        Member inner;
        caller.run("Desa", [&] {
            inner.run("Posa", [&] { com::Let(thing, "Value", "dotze"); });
            base::RaiseReported(inner);
            com::Let(thing, "Value", 12);
        });
    });
    SCOPED_TRACE("a failure of the member itself after it");
    ExpectTheSameEnd(connection_, [](Member& caller, const com::ObjectRef& thing) {
        caller.run("Desa", [&] {
            com::Let(thing, "Value", "dotze");
            base::Raise(base::err::InvalidProcedureCall);
        });
    });
    SCOPED_TRACE("the start of an inner member");
    ExpectTheSameEnd(connection_, [](Member& caller, const com::ObjectRef& thing) {
        Member inner;
        caller.run("Desa", [&] {
            com::Let(thing, "Value", "dotze");
            inner.run("Posa", [&] { com::Let(thing, "Value", 12); });
        });
        EXPECT_EQ(inner.NumError, 0) << "it never ran";
    });
    SCOPED_TRACE("a posted creation, a call whose result is an object, and calls on that object");
    ExpectTheSameEnd(connection_, [](Member& caller, const com::ObjectRef& thing) {
        caller.run("Desa", [&] {
            com::Let(thing, "Value", 3);
            const com::ObjectRef made = com::CallForObject(thing, "Make");
            com::Let(made, "Value", "set");
            com::Call(thing, "Note", {"after"});
        });
    });
}

TEST_F(Pipeline, PostedCallsRunInTheirOrderAndAPromisedObjectIsTheOneReturned) {
    Member caller;
    com::ObjectRef made;
    com::ObjectRef thing;
    caller.run("Fa", [&] {
        thing = connection_.client->create(kThing);
        com::Let(thing, "Value", 1);
        made = com::CallForObject(thing, "Make");
        com::Let(made, "Value", 7);
        com::Let(thing, "Value", 2);
        EXPECT_EQ(com::Get(thing, "Notes").toString(), "value 1;make;value 2;");
    });
    EXPECT_EQ(caller.NumError, 0) << caller.UbicacioError;
    EXPECT_EQ(com::TypeName(com::Variant(made)), "Thing");
    EXPECT_EQ(com::Get(made, "Value").toLong(), 7);
}

// Releases of objects a member dropped leave with its end, though nothing
// waits after them.
TEST_F(Pipeline, WhatAMemberReleasesIsReleasedWhenItEnds) {
    const int before = Thing::live;
    Member caller;
    caller.run("Fa", [&] {
        std::vector<com::ObjectRef> held;
        for (int i = 0; i < 3; ++i) {
            held.push_back(connection_.client->create(kThing));
            held.push_back(com::CallForObject(held.back(), "Make"));
        }
        com::Call(held.front(), "Note", {"x"});  // waits: nothing posted is left but the releases
    });
    EXPECT_EQ(caller.NumError, 0) << caller.UbicacioError;
    EXPECT_TRUE(Eventually([&] { return Thing::live == before; })) << Thing::live - before << " left";
}

// NumError and UbicacioError come back with the reply of a call, and are
// asked for again once anything else was sent.
TEST_F(Pipeline, TheErrorFieldsOfACallComeWithItsReply) {
    const com::ObjectRef thing = connection_.client->create(kThing);
    com::Let(thing, "NumError", 7);
    com::Call(thing, "Note", {"x"});
    const uint64_t sent = connection_.client->messagesSent();
    EXPECT_EQ(com::Get(thing, "NumError").toLong(), 7);
    EXPECT_EQ(com::Get(thing, "UbicacioError").toString(), "");
    EXPECT_EQ(connection_.client->messagesSent(), sent) << "read from the reply";
    com::Let(thing, "NumError", 8);
    EXPECT_EQ(com::Get(thing, "NumError").toLong(), 8);
}

TEST_F(Pipeline, OutsideAMemberNothingIsPosted) {
    const com::ObjectRef thing = connection_.client->create(kThing);
    EXPECT_EQ(ErrorOf([&] { com::Let(thing, "Value", "dotze"); }), base::err::TypeMismatch);
    EXPECT_EQ(com::Get(thing, "Notes").toString(), "");
}

}  // namespace
