#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "Com/Object.h"
#include "Com/Registry.h"

namespace {

// A class with a property, a method that changes its by-reference argument,
// and a second interface sharing its fields.
class Sample : public com::Dispatch<Sample> {
public:
    static constexpr const char* kClassName = "SampleThing";
    static const com::Members<Sample>& Interface() {
        static const com::Members<Sample> m = com::Members<Sample>()
            .property("Counter", [](Sample& s) { return com::Variant(s.counter); },
                      [](Sample& s, const com::Variant& v) { s.counter = v.toLong(); })
            .method("Twice", [](Sample&, com::Args a) {
                com::Variant& x = com::Arg(a, 0);
                x = com::Variant(x.toLong() * 2);
                return x;
            })
            .method("Fails", [](Sample&, com::Args) -> com::Variant { com::Raise(1234); })
            .method("GetOther", [](Sample& s, com::Args) { return com::Variant(s.viewAs(Other())); });
        return m;
    }
    static const com::Members<Sample>& Other() {
        static const com::Members<Sample> m = com::Members<Sample>().property(
            "Counter", [](Sample& s) { return com::Variant(s.counter); });
        return m;
    }
    int32_t counter = 0;
};

const bool registered [[maybe_unused]] =
    com::RegisterClass("TestLib.Sample", [] { return std::make_shared<Sample>(); });

using testsupport::ErrorOf;

}  // namespace

TEST(Object, CreatedByProgIdAndCalledByNameInAnyCase) {
    com::ObjectRef o = com::CreateObject("testlib.SAMPLE");
    ASSERT_TRUE(o);
    EXPECT_EQ(o->className(), "SampleThing");
    EXPECT_EQ(com::TypeName(com::Variant(o)), "SampleThing");

    com::Let(o, "counter", com::Variant("41"));
    EXPECT_EQ(com::Get(o, "COUNTER").toLong(), 41);

    std::vector<com::Variant> args{com::Variant(21)};
    EXPECT_EQ(com::CallRef(o, "twice", args).toLong(), 42);
    EXPECT_EQ(args[0].toLong(), 42) << "argument passed by reference comes back changed";
}

TEST(Object, FailuresCarryTheirNumbers) {
    com::ObjectRef o = com::CreateObject("TestLib.Sample");
    EXPECT_EQ(ErrorOf([&] { com::Call(o, "NoSuchMember"); }), 438);
    EXPECT_EQ(ErrorOf([&] { com::Set(o, "Counter", nullptr); }), 438) << "no Set for a value property";
    EXPECT_EQ(ErrorOf([&] { com::Call(o, "Twice"); }), 449);
    EXPECT_EQ(ErrorOf([&] { com::Call(o, "Fails"); }), 1234);
    EXPECT_EQ(ErrorOf([&] { com::Call(nullptr, "Twice"); }), 424);
    EXPECT_EQ(ErrorOf([] { return com::CreateObject("TestLib.Nothing"); }), 429);
    EXPECT_EQ(ErrorOf([] { return com::CreateObject("NoLibrary.Sample"); }), 429);
    EXPECT_EQ(ErrorOf([] { return com::CreateObject("NoDot"); }), 429);
    EXPECT_EQ(ErrorOf([] { return com::CreateObject("TestLib.Sample", "127.0.0.1:1"); }), 462)
        << "an object server that cannot be reached";
    EXPECT_EQ(ErrorOf([] { return com::CreateObject("TestLib.Sample", "[::1"); }), 462) << "no server name";
}

TEST(Object, LocalServerNamesCreateHere) {
    EXPECT_TRUE(com::CreateObject("TestLib.Sample", ""));
    EXPECT_TRUE(com::CreateObject("TestLib.Sample", "LocalHost"));
    char host[256] = {};
    ASSERT_EQ(gethostname(host, sizeof host - 1), 0);
    EXPECT_TRUE(com::CreateObject("TestLib.Sample", host));
    // The loopback addresses are this machine too; any other address is
    // not, and neither is any name with a port, which names an object server
    // (these are only classified: no test reaches another machine).
    for (const char* loopback : {"127.0.0.1", "127.1.2.3", "::1", "::ffff:127.0.0.1", "[::1]"})
        EXPECT_TRUE(com::CreateObject("TestLib.Sample", loopback)) << loopback;
    for (const char* other : {"128.0.0.1", "::2", "10.0.0.1", "127.0.0.1.example", "far-away-host", "127.0.0.1:7306",
                              "localhost:7306", "[::1]:7306", "[::1", "localhost:0", "localhost:65536", ":7306"})
        EXPECT_FALSE(com::IsLocalMachine(other)) << other;
}

TEST(Object, AViewSharesTheObjectAndItsClassName) {
    com::ObjectRef o = com::CreateObject("TestLib.Sample");
    com::Let(o, "Counter", com::Variant(5));
    com::ObjectRef view = com::Call(o, "GetOther").toObject();
    EXPECT_EQ(com::Get(view, "Counter").toLong(), 5);
    EXPECT_EQ(view->className(), "SampleThing");
    EXPECT_EQ(view->identity(), o);
    EXPECT_EQ(ErrorOf([&] { com::Call(view, "Twice", {com::Variant(1)}); }), 438)
        << "a view answers only with its own members";
}

TEST(Object, ALaterRegistrationReplacesTheClass) {
    com::RegisterClass("TestLib.Sample", [] {
        auto s = std::make_shared<Sample>();
        s->counter = 99;
        return s;
    });
    EXPECT_EQ(com::Get(com::CreateObject("TestLib.Sample"), "Counter").toLong(), 99);
    com::RegisterClass("TestLib.Sample", [] { return std::make_shared<Sample>(); });
}
