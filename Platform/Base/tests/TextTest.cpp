#include <gtest/gtest.h>

#include <map>

#include "Base/Text.h"

namespace {

TEST(Text, TrimTakesTheBlanksAskedForFromBothEnds) {
    struct Case { std::string_view text, blanks, trimmed; };
    const Case cases[] = {
        {" \t a b \r\n", base::kBlanks, "a b"},
        {"\t\t", base::kBlanks, ""},
        {"", base::kBlanks, ""},
        {"ab", base::kBlanks, "ab"},
        {" \ta\t ", " ", "\ta\t"},  // spaces only
    };
    for (const Case& c : cases) EXPECT_EQ(base::Trim(c.text, c.blanks), c.trimmed) << c.text;
}

TEST(Text, NamesCompareWithoutRegardToCase) {
    EXPECT_TRUE(base::SameName("GetById", "GetByID"));
    EXPECT_FALSE(base::SameName("GetById", "GetByIDs"));
    EXPECT_FALSE(base::SameName("\xC3\xA9", "\xC3\x89")) << "only ASCII letters";
    EXPECT_EQ(base::Lower("Dravik.clsBD"), "dravik.clsbd");

    std::map<std::string, int, base::NameLess> byName{{"Dravik.clsBD", 1}, {"Quossa.MngZones", 2}};
    EXPECT_EQ(byName.find(std::string_view("DRAVIK.CLSBD"))->second, 1);
    EXPECT_EQ(byName.count("quossa.mngzones"), 1u);
    EXPECT_EQ(byName.count("Quossa.MngZona"), 0u);
}

}  // namespace
