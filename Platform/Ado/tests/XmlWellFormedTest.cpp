// What XML the rowset reader takes and refuses beyond the shapes of the
// format: the declaration against the byte-order mark, the characters of
// XML 1.0 and 1.1, and elements with very many attributes or namespace
// declarations, which are read in linear time.
#include <string>
#include <vector>

#include "Ado/XmlPullParser.h"
#include "Ado/XmlWriter.h"
#include "RecordsetTestSupport.h"

namespace adotest {
namespace {

using ado::Recordset;

int32_t ReadError(const std::string& text) {
    return ErrorOf([&] { Recordset::FromXml(text); });
}

TEST(XmlDeclaration, NamesAVersionOneAndTheEncodingTheDocumentIsIn) {
    const std::string row = TwoColumns("<z:row a='1'/>");
    const std::string read[] = {
        "<?xml version='1.0'?>" + row,
        "<?xml version=\"1.0\" encoding=\"utf-8\" standalone='no'?>\r\n" + row,
        "<?xml version = '1.0'\tencoding = 'UTF-8' standalone='yes' ?>" + row,
        "\xEF\xBB\xBF<?xml version='1.0' encoding='UTF-8'?>" + row,
        AsciiAsUtf16("<?xml version='1.0' encoding='utf-16'?>" + row),
        AsciiAsUtf16(row),
        "<?xml version='1.7'?>" + row,         // a later 1.x is read as 1.0
        "<?xml-stylesheet href='a.xsl'?>" + row,  // an instruction, not the declaration
    };
    for (const std::string& text : read) EXPECT_EQ(ReadError(text), 0) << text;

    const std::string refused[] = {
        "\xEF\xBB\xBF<?xml version='1.0' encoding='UTF-16'?>" + row,  // a UTF-8 mark
        AsciiAsUtf16("<?xml version='1.0' encoding='UTF-8'?>" + row),        // a UTF-16 mark
        AsciiAsUtf16("<?xml version='1.0' encoding='UTF-16LE'?>" + row),     // that one has no mark
        "<?xml version='1.0' encoding='UTF-16'?>" + row,              // no mark: not UTF-16
        "<?xml version='1.0' encoding='EBCDIC-US'?>" + row,           // encodings not read
        "<?xml version='1.0' encoding='ISO-8859-1'?>" + row,
        "<?xml version='2.0'?>" + row,
        "<?xml version='1'?>" + row,
        "<?xml version='1.x'?>" + row,
        "<?xml?>" + row,
        "<?xml encoding='UTF-8'?>" + row,
        "<?xml encoding='UTF-8' version='1.0'?>" + row,
        "<?xml version='1.0' standalone='yes' encoding='UTF-8'?>" + row,
        "<?xml version='1.0'encoding='UTF-8'?>" + row,
        "<?xml version='1.0' encoding='8BIT'?>" + row,
        "<?xml version='1.0' standalone='maybe'?>" + row,
        "<?xml version='1.0' other='x'?>" + row,
        "<?xml version='1.0\"?>" + row,
        "<?xml version='1.0'" + row,
        " <?xml version='1.0'?>" + row,
        "<?XML version='1.0'?>" + row,
        "<?xml version='1.0'?><?xml version='1.0'?>" + row,
    };
    for (const std::string& text : refused) EXPECT_EQ(ReadError(text), ado::err::InvalidXml) << text;
}

TEST(XmlCharacters, AreThoseOfTheVersionTheDocumentDeclares) {
    struct Case {
        std::string row;
        bool in10;  // read as XML 1.0
        bool in11;  // read as XML 1.1
    };
    const Case cases[] = {
        // Control characters: as references in 1.1 only, as they stand never.
        {"<z:row a='&#x1;'/>", false, true},
        {"<z:row a='x&#1;y'/>", false, true},
        {"<z:row a='&#x1F;'/>", false, true},
        {"<z:row a='&#31;'/>", false, true},
        {"<z:row a='&#x0;'/>", false, false},
        {"<z:row a='\x01'/>", false, false},
        {"<z:row a='\x1f'/>", false, false},
        {"<z:row a='&#x9;&#xA;&#xD;&#x20;&#0000000065;'/>", true, true},
        // DEL and the controls beyond ASCII: as they stand in 1.0 only.
        {"<z:row a='\x7f'/>", true, false},
        {"<z:row a='&#x7F;'/>", true, true},
        {"<z:row a='\xC2\x80'/>", true, false},
        {"<z:row a='\xC2\x9F'/>", true, false},
        {"<z:row a='&#x80;'/>", true, true},
        {"<z:row a='\xC2\x85 \xE2\x80\xA8'/>", true, true},  // NEL and LS
        {"<z:row a='&#xFFFE;'/>", false, false},
        {"<z:row a='&#X41;'/>", false, false},
        // Names by the characters XML gives them.
        {"<z:row a\xC3\x97='1'/>", false, false},     // a multiplication sign
        {"<z:row \xC3\xA9s='1'/>", true, true},       // e acute starts a name
        {"<z:row a\xC2\xB7" "b='1'/>", true, true},   // a middle dot goes inside one
        {"<z:row \xC2\xB7" "b='1'/>", false, false},  // but starts none
        {"<z:row \xE2\x80\xA8='1'/>", false, false},
        // Texts, comments, instructions and CDATA sections alike.
        {"<z:row a='1'>\x01</z:row>", false, false},
        {"<z:row a='1'>&#x1;</z:row>", false, true},
        {"<z:row a='1'><!-- \x01 --></z:row>", false, false},
        {"<z:row a='1'><?pi \x01?></z:row>", false, false},
        {"<z:row a='1'><![CDATA[\x01]]></z:row>", false, false},
        {"<z:row a='1'><![CDATA[\xC2\x80]]></z:row>", true, false},
    };
    for (const Case& c : cases) {
        for (const bool xml11 : {false, true}) {
            const std::string text =
                (xml11 ? "<?xml version='1.1'?>" : "") + TwoColumns("<rs:insert>" + c.row + "</rs:insert>");
            EXPECT_EQ(ReadError(text), (xml11 ? c.in11 : c.in10) ? 0 : ado::err::InvalidXml) << text;
        }
    }
}

TEST(XmlCharacters, LineEndsAndControlsReadAsTheVersionReadsThem) {
    // 1.1: the control character; NEL and LS end lines, so make blanks in
    // a value and LF in a text, as CR LF does in both.
    // An element of another writer is kept with its text as read.
    auto withKept = [](std::string text) {
        return text.insert(text.find("<rs:data>"),
                           "<notes>1\r\n2\r3\xC2\x85" "4\xE2\x80\xA8" "5<![CDATA[6\r\n7]]></notes>");
    };
    Recordset rs = Recordset::FromXml("<?xml version='1.1'?>" +
                                      withKept(TwoColumns("<z:row a='x&#1;y' b='p\xC2\x85q\xE2\x80\xA8r\r\ns'/>")));
    EXPECT_EQ(rs.Value("a"), Variant("x\x01y"));
    EXPECT_EQ(rs.Value("b"), Variant("p q r s"));
    EXPECT_NE(rs.ToXml().find("<notes>1\n2\n3\n4\n5<![CDATA[6\n7]]></notes>"), std::string::npos) << rs.ToXml();

    // 1.0: NEL and LS are characters like any other.
    rs = Recordset::FromXml(withKept(TwoColumns("<z:row b='p\xC2\x85q\xE2\x80\xA8r\r\ns'/>")));
    EXPECT_EQ(rs.Value("b"), Variant("p\xC2\x85q\xE2\x80\xA8r s"));
    EXPECT_NE(rs.ToXml().find("<notes>1\n2\n3&#133;4&#8232;5<![CDATA[6\n7]]></notes>"), std::string::npos)
        << rs.ToXml();
}

// The writer declares 1.1 only for a text that needs it, and writes the
// controls that would read otherwise in either version as references.
TEST(XmlCharacters, WrittenAsTheReaderReadsThemBack) {
    Recordset rs = Recordset::FromXml(TwoColumns(""));
    const std::vector<std::string> values = {"del \x7f, c1 \xC2\x80\xC2\x9F, nel \xC2\x85, ls \xE2\x80\xA8",
                                             "bell \x07 and escape \x1b"};
    for (const std::string& value : values) {
        rs.AddNew();
        rs.SetValue("a", Variant(value));
        rs.Update();
        const std::string text = rs.ToXml();
        Recordset back = Recordset::FromXml(text);
        back.MoveLast();
        EXPECT_EQ(back.Value("a"), Variant(value));
        const std::optional<std::string> changes = ado::xml::ChangeSet(text);
        ASSERT_TRUE(changes);
        EXPECT_EQ(Recordset::FromXml(*changes).RecordCount(), rs.RecordCount());
    }
    // The first value alone: XML 1.0, with references to the characters.
    Recordset first = Recordset::FromXml(TwoColumns(""));
    first.AddNew();
    first.SetValue("a", Variant(values[0]));
    first.Update();
    const std::string text10 = first.ToXml();
    EXPECT_TRUE(text10.starts_with("<xml ")) << text10;
    EXPECT_NE(text10.find("a='del &#127;, c1 &#128;&#159;, nel &#133;, ls &#8232;'"), std::string::npos) << text10;
    // With the second: 1.1, declared at the very start.
    const std::string text11 = rs.ToXml();
    EXPECT_TRUE(text11.starts_with("<?xml version='1.1'?>\n<xml ")) << text11;
    EXPECT_NE(text11.find("a='bell &#7; and escape &#27;'"), std::string::npos) << text11;
}

// One row of a0 and `count` attributes more a1, a2, ... (or namespace
// declarations xmlns:p1, ...), then `tail`.
std::string WideRow(int count, bool declarations = false, const std::string& tail = "") {
    std::string row = "<z:row a='x'";
    for (int i = 1; i <= count; ++i) {
        const std::string n = std::to_string(i);
        row += declarations ? " xmlns:p" + n + "='urn:" + n + "'" : " a" + n + "='" + n + "'";
    }
    return row + tail + "/>";
}

TEST(XmlAttributes, ManyOnOneElementAreReadAndToldApart) {
    // What took a quadratic reader minutes is read at once.
    EXPECT_EQ(Recordset::FromXml(TwoColumns(WideRow(100000))).Value("a"), Variant("x"));
    EXPECT_EQ(Recordset::FromXml(TwoColumns(WideRow(100000, true))).Value("a"), Variant("x"));
    EXPECT_EQ(ReadError(TwoColumns(WideRow(100000, false, " a1='again'"))), ado::err::InvalidXml);
    EXPECT_EQ(ReadError(TwoColumns(WideRow(100000, true, " xmlns:p1='urn:1'"))), ado::err::InvalidXml);
    // Two prefixes of one namespace name one attribute, among few or many.
    for (const int others : {2, 50}) {
        const std::string row = WideRow(others, false, " xmlns:p='urn:p' xmlns:q='urn:p' p:c='1' q:c='2'");
        EXPECT_EQ(ReadError(TwoColumns(row)), ado::err::InvalidXml) << others;
        const std::string apart = WideRow(others, false, " xmlns:p='urn:p' xmlns:q='urn:q' p:c='1' q:c='2'");
        EXPECT_EQ(ReadError(TwoColumns(apart)), 0) << others;
    }
    // An element holds no more attributes than the parser keeps.
    constexpr int kMost = static_cast<int>(ado::xml::XmlPullParser::kMaxAttributes);
    EXPECT_EQ(ReadError(TwoColumns(WideRow(kMost - 1))), 0);
    EXPECT_EQ(ReadError(TwoColumns(WideRow(kMost))), ado::err::InvalidXml);
}

}  // namespace
}  // namespace adotest
