#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "Com/ComError.h"
#include "Com/Variant.h"

using com::Variant;

namespace {

using testsupport::ErrorOf;

}  // namespace

TEST(Variant, ToLongConvertsAndRoundsHalvesToEven) {
    struct Case { Variant in; int32_t out; };
    const Case cases[] = {
        {Variant(), 0},           {Variant(7), 7},           {Variant(2.5), 2},
        {Variant(3.5), 4},        {Variant(-2.5), -2},       {Variant(2.6), 3},
        {Variant("12"), 12},      {Variant(" 12 "), 12},     {Variant("2.5"), 2},
        {Variant("-7"), -7},      {Variant("1e3"), 1000},    {Variant(true), -1},
        {Variant(false), 0},      {Variant("2147483647"), 2147483647},
    };
    for (const Case& c : cases) EXPECT_EQ(c.in.toLong(), c.out) << com::TypeName(c.in);
}

TEST(Variant, ConversionErrorsCarryTheLegacyNumbers) {
    struct Case { Variant in; int32_t number; };
    const Case cases[] = {
        {Variant("abc"), 13}, {Variant(""), 13},           {Variant("12abc"), 13},
        {Variant("inf"), 13}, {Variant(3e9), 6},           {Variant("2147483648"), 6},
        {Variant(-3e9), 6},   {Variant::Null(), 94},       {Variant("1e400"), 6},
        {Variant("-9e99999999999999999999"), 6},
    };
    for (const Case& c : cases) EXPECT_EQ(ErrorOf([&] { c.in.toLong(); }), c.number);
    EXPECT_EQ(ErrorOf([] { Variant("1e400").toDouble(); }), 6) << "not read as 0";
    EXPECT_EQ(ErrorOf([] { Variant::Null().toString(); }), 94);
    EXPECT_EQ(ErrorOf([] { Variant("maybe").toBool(); }), 13);
}

TEST(Variant, ToBoolAndToString) {
    EXPECT_FALSE(Variant(0).toBool());
    EXPECT_TRUE(Variant(-3).toBool());
    EXPECT_TRUE(Variant(0.5).toBool());
    EXPECT_TRUE(Variant("true").toBool());
    EXPECT_FALSE(Variant("0").toBool());
    EXPECT_EQ(Variant(-7).toString(), "-7");
    EXPECT_EQ(Variant(0.1).toString(), "0.1");
    EXPECT_EQ(Variant(true).toString(), "True");
    EXPECT_EQ(Variant().toString(), "");
    EXPECT_EQ(Variant(com::Date::FromParts(2026, 12, 10, 8, 5, 3)).toString(), "2026-12-10T08:05:03");
}

TEST(Variant, ValReadsTheLeadingNumber) {
    struct Case { const char* in; double out; };
    const Case cases[] = {
        {"  42abc", 42}, {"1 2 3", 123}, {"-3.5x", -3.5}, {"abc", 0},
        {"", 0},         {".5", 0.5},    {"2e2", 200},    {"7 e", 7},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(com::Val(c.in), c.out) << c.in;
    // Beyond a double's range: too big overflows, too small is 0.
    for (const char* big : {"1e400", "-1e400", "99999e99999999999999", "0.001e312"})
        EXPECT_EQ(ErrorOf([&] { com::Val(big); }), 6) << big;
    for (const char* small : {"1e-400", "-0.001e-99999999999999999999", "0.0e999"})
        EXPECT_EQ(com::Val(small), 0) << small;
}

TEST(Variant, NumberForms) {
    EXPECT_EQ(com::Str(7), " 7");
    EXPECT_EQ(com::Str(0), " 0");
    EXPECT_EQ(com::Str(-7), "-7");
    EXPECT_EQ(com::Digits(7), "7");
    EXPECT_EQ(com::Digits(-7), "-7");
    EXPECT_EQ(com::Str(INT32_MIN), "-2147483648");
}

TEST(Variant, TypeNames) {
    EXPECT_EQ(com::TypeName(Variant()), "Empty");
    EXPECT_EQ(com::TypeName(Variant::Null()), "Null");
    EXPECT_EQ(com::TypeName(Variant(1)), "Long");
    EXPECT_EQ(com::TypeName(Variant(1.0)), "Double");
    EXPECT_EQ(com::TypeName(Variant(true)), "Boolean");
    EXPECT_EQ(com::TypeName(Variant("x")), "String");
    EXPECT_EQ(com::TypeName(Variant(com::Date{})), "Date");
    EXPECT_EQ(com::TypeName(Variant(com::ObjectRef())), "Nothing");
}

TEST(Variant, DatesRoundTripThroughIsoText) {
    com::Date d;
    ASSERT_TRUE(com::Date::Parse("1899-12-30T00:00:00", d));
    EXPECT_EQ(d.serial, 0);
    ASSERT_TRUE(com::Date::Parse("2024-02-29 23:59:59", d));
    EXPECT_EQ(d.ToIso(), "2024-02-29T23:59:59");
    ASSERT_TRUE(com::Date::Parse("1850-01-01", d));
    EXPECT_EQ(d.ToIso(), "1850-01-01T00:00:00");
    EXPECT_FALSE(com::Date::Parse("2024-13-01", d));
    EXPECT_FALSE(com::Date::Parse("yesterday", d));
}
