// The XML text of a recordset: the shapes the window side cuts by string,
// values that come back unchanged, the change blocks, and documents of
// other writers.
#include <filesystem>
#include <optional>

#include "Ado/XmlWriter.h"
#include "RecordsetTestSupport.h"

namespace adotest {
namespace {

using ado::Recordset;
using std::string_literals::operator""s;

// The edits that turn zones.xml into zones-edited.xml: an update with a
// line break and markup characters, a delete, an insert.
void EditZones(Recordset& rs) {
    rs.MoveFirst();
    rs.MoveNext();
    rs.SetValue("NomZona", "Sud\r\nEst\t<b> \"x\"");
    rs.Update();
    rs.MoveNext();
    rs.MoveNext();
    rs.Delete();
    rs.AddNew();
    rs.SetValue("CodZona", "Z6");
    rs.SetValue("NomZona", "Nova");
    rs.SetValue("Actiu", true);
    rs.SetValue("DataAlta", "2024-02-29T08:30:00");
    rs.Update();
}

TEST(XmlText, WritesTheGoldenShapes) {
    const std::string input = DataFile("zones.xml");
    Recordset rs = Recordset::FromXml(input);
    EXPECT_EQ(rs.ToXml(), input);

    EditZones(rs);
    const std::string edited = rs.ToXml();
    EXPECT_EQ(edited, DataFile("zones-edited.xml"));
    // What the window side relies on when it cuts the text.
    EXPECT_NE(edited.find("\n<rs:data>\n"), std::string::npos);
    EXPECT_TRUE(edited.ends_with("</rs:data>\n</xml>"));
    EXPECT_NE(edited.find("NomZona='L&apos;Horta'"), std::string::npos);
    EXPECT_NE(edited.find("NomZona='Sud&#13;&#10;Est&#9;&lt;b&gt; &quot;x&quot;'"),
              std::string::npos);
    EXPECT_NE(edited.find("<z:row NumZona='5' CodZona='Z5' NomZona='' Actiu='True' Superficie='0'/>"),
              std::string::npos);
}

TEST(XmlText, PendingChangesComeBackAsTheSameChanges) {
    const std::string edited = DataFile("zones-edited.xml");
    Recordset rs = Recordset::FromXml(edited);
    EXPECT_EQ(rs.ToXml(), edited);
    EXPECT_EQ(rs.RecordCount(), 5);  // the deleted row is not shown
    rs.Move(1, Recordset::MoveStart::First);
    EXPECT_EQ(rs.Value("NomZona"), Variant("Sud\r\nEst\t<b> \"x\""));
}

TEST(XmlText, ChangeSetCutByStringStillReads) {
    // The window keeps the head through <rs:data>, the change blocks and the
    // tail from </rs:data>, joined by CR LF.
    const std::string text = DataFile("zones-edited.xml");
    const size_t dataOpen = text.find("<rs:data>") + 9;
    const size_t dataClose = text.find("</rs:data>");
    std::string blocks;
    for (const char* tag : {"rs:update", "rs:delete", "rs:insert"}) {
        const size_t start = text.find(std::string("<") + tag + ">");
        const std::string close = std::string("</") + tag + ">";
        blocks += text.substr(start, text.find(close, start) + close.size() - start);
    }
    const std::string changeSet =
        text.substr(0, dataOpen) + "\r\n" + blocks + "\r\n" + text.substr(dataClose);

    Recordset rs = Recordset::FromXml(changeSet);
    EXPECT_EQ(rs.RecordCount(), 2);  // the updated and the inserted row
    rs.MoveLast();
    EXPECT_EQ(rs.Value("CodZona"), Variant("Z6"));
    EXPECT_EQ(rs.Value("NumZona"), Variant::Null());
    const std::string again = rs.ToXml();
    EXPECT_NE(again.find("<rs:delete>\n\t\t<z:row NumZona='4' CodZona='Z4' Actiu='False'/>"),
              std::string::npos);
}

TEST(XmlText, TheChangeSetOfATextIsItsHeadItsBlocksAndItsTail) {
    const std::string text = DataFile("zones-edited.xml");
    const std::optional<std::string> changes = ado::xml::ChangeSet(text);
    ASSERT_TRUE(changes);
    const size_t data = text.find("<rs:data>") + 9;
    EXPECT_TRUE(changes->starts_with(text.substr(0, data) + "\r\n<rs:update>")) << *changes;
    EXPECT_TRUE(changes->ends_with("</rs:insert>\r\n</rs:data>\n</xml>")) << *changes;
    EXPECT_EQ(changes->find("Z1"), std::string::npos) << "an unchanged row is left out";
    Recordset rs = Recordset::FromXml(*changes);
    EXPECT_EQ(rs.RecordCount(), 2);
    EXPECT_EQ(ado::xml::ChangeSet(rs.ToXml()), changes);

    for (const std::string& broken : {text.substr(0, data), text.substr(0, data) + "<rs:insert></rs:data>"})
        EXPECT_FALSE(ado::xml::ChangeSet(broken)) << broken;
}

TEST(XmlText, ShownRowsAreTheViewAsItStands) {
    Recordset rs = Zones();
    rs.SetFilter("Actiu = True");
    rs.MoveNext();
    rs.SetValue("NomZona", "L'Horta & <Nova>");
    const std::string shown = rs.ShownRowsXml();
    const std::string text = DataFile("zones.xml");
    EXPECT_EQ(shown, text.substr(0, text.find("<rs:data>") + 9) +
                         "\r\n<z:row NumZona='1' CodZona='Z1' NomZona='Nord' DataAlta='2024-01-05T00:00:00' "
                         "Actiu='True' Superficie='12.5' />\r\n"
                         "<z:row NumZona='3' CodZona='Z3' NomZona='L&apos;Horta &amp; &lt;Nova&gt;' Actiu='True' "
                         "Superficie='-3' />\r\n"
                         "<z:row NumZona='5' CodZona='Z5' NomZona='' Actiu='True' Superficie='0' />\r\n"
                         "\r\n</rs:data>\r\n</xml>");
    Recordset reread = Recordset::FromXml(shown);
    EXPECT_EQ(reread.RecordCount(), 3);
    EXPECT_EQ(reread.ToXml().find("<rs:update>"), std::string::npos) << "no change is pending";
}

TEST(XmlText, NoRowsStillHasBothDataTags) {
    std::string text = DataFile("zones.xml");
    text = text.substr(0, text.find("<rs:data>")) + "<rs:data/>\n</xml>";
    Recordset rs = Recordset::FromXml(text);
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_TRUE(rs.IsBOF() && rs.IsEOF());
    EXPECT_TRUE(rs.ToXml().ends_with("</s:Schema>\n<rs:data>\n</rs:data>\n</xml>"));
}

TEST(XmlText, ValuesComeBackUnchanged) {
    std::string text = DataFile("zones.xml");
    text = text.substr(0, text.find("<rs:data>")) + "<rs:data>\n</rs:data>\n</xml>";
    const std::vector<std::pair<const char*, Variant>> cases = {
        {"NomZona", "a&b<c>d'e\"f"},
        {"NomZona", "line one\r\nline two\nthree\rfour\tfive"},
        {"NomZona", "  blanks kept  "},
        {"NomZona", "control \x01 and \x1f"},
        {"NomZona", "Línia d'enllumenat àèéíòóú ç"},
        {"NomZona", ""},
        {"Superficie", 0.1},
        {"Superficie", 123456789.123456},
        {"Superficie", 1e-300},
        {"Superficie", -2.5e20},
        {"NumZona", 0},
        {"NumZona", INT32_MIN},
        {"DataAlta", com::Date::FromParts(1899, 12, 30)},
        {"DataAlta", com::Date::FromParts(2024, 2, 29, 23, 59, 59)},
        {"Actiu", false},
    };
    Recordset rs = Recordset::FromXml(text);
    for (const auto& [field, value] : cases) {
        rs.AddNew();
        rs.SetValue(field, value);
        rs.Update();
    }
    Recordset back = Recordset::FromXml(rs.ToXml());
    ASSERT_EQ(back.RecordCount(), static_cast<int32_t>(cases.size()));
    back.MoveFirst();
    for (const auto& [field, value] : cases) {
        EXPECT_EQ(back.Value(field), value) << field << " " << com::TypeName(value);
        back.MoveNext();
    }
}

TEST(XmlText, ReadsWhatOtherWritersWrite) {
    const std::string text =
        "<xml xmlns:s=\"uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882\"\r\n"
        " xmlns:dt=\"uuid:C2F41010-65B3-11d1-A29F-00AA00C14882\"\r\n"
        " xmlns:rs=\"urn:schemas-microsoft-com:rowset\" xmlns:z=\"#RowsetSchema\">\r\n"
        "<s:Schema id=\"RowsetSchema\"><s:ElementType name=\"row\" content=\"eltOnly\" rs:CommandTimeout=\"30\">\n"
        "<s:AttributeType name=\"a\" rs:number=\"7\" rs:maydefer=\"true\"><s:datatype dt:type=\"i4\"/></s:AttributeType>\n"
        "<s:AttributeType name=\"b\" rs:name=\"Display Name\"><s:datatype dt:type=\"r8\" dt:lookup=\"true\"/></s:AttributeType>\n"
        "<s:AttributeType name=\"c\"><s:datatype dt:type=\"datetime\"/></s:AttributeType>\n"
        "<s:AttributeType name=\"d\"><s:datatype dt:type=\"boolean\"/></s:AttributeType>\n"
        "<s:AttributeType name=\"e\"><s:datatype dt:type=\"ui1\"/></s:AttributeType>\n"
        "<s:AttributeType name=\"f\"><s:datatype dt:type=\"number\"/></s:AttributeType>\n"
        "<s:AttributeType name=\"g\"/>\n"
        "</s:ElementType></s:Schema><scopes><scope id=\"{1}\"/></scopes>\r\n"
        "<rs:data ItemCount=\"4\">\r\n"
        "<z:row a=\"1\" b=\"2.5\" c=\"2012-05-01T22:13:47Z\" d=\"1\" e=\"7\" f=\"2635.23\" g=\"x\" other=\"dropped\"/>\n"
        "<z:row a=\"0x0120\" c=\"1;#2012\" d=\"-1\"/>\n"
        "<z:row d=\"true\"/>\n"
        "<z:row d=\"0\"/>\n"
        "</rs:data></xml>";
    Recordset rs = Recordset::FromXml(text);
    ASSERT_EQ(rs.FieldCount(), 7);
    EXPECT_EQ(rs.Field(1).name, "Display Name");
    EXPECT_EQ(rs.Field(0).type, ado::DataType::Integer);
    EXPECT_EQ(rs.Field(2).type, ado::DataType::DateTime);
    EXPECT_EQ(rs.Field(6).type, ado::DataType::String);
    EXPECT_EQ(rs.Value("a"), Variant(1));
    EXPECT_EQ(rs.Value("Display Name"), Variant(2.5));
    EXPECT_EQ(rs.Value("c"), Variant(com::Date::FromParts(2012, 5, 1, 22, 13, 47)));
    EXPECT_EQ(rs.Value("f"), Variant(2635.23));
    // A value that does not read as its column's type is kept as written.
    rs.MoveNext();
    EXPECT_EQ(rs.Value("a"), Variant("0x0120"));
    EXPECT_EQ(rs.Value("c"), Variant("1;#2012"));
    const Variant booleans[] = {true, true, true, false};
    rs.MoveFirst();
    for (const Variant& expected : booleans) {
        EXPECT_EQ(rs.Value("d"), expected);
        rs.MoveNext();
    }

    // What this layer does not use is written back; the alias and the other
    // spellings of the types too.
    const std::string out = rs.ToXml();
    for (const char* kept : {"rs:CommandTimeout='30'", "rs:maydefer='true'", "dt:lookup='true'",
                             "<scopes><scope id='{1}'/></scopes>", "name='b' rs:name='Display Name'",
                             "dt:type='i4'", "dt:type='r8'", "dt:type='datetime'", "a='0x0120'"})
        EXPECT_NE(out.find(kept), std::string::npos) << kept;
    EXPECT_NE(out.find("\n<rs:data>\n"), std::string::npos);
    EXPECT_EQ(out.find("other="), std::string::npos);
    EXPECT_EQ(Recordset::FromXml(out).ToXml(), out);
}

TEST(XmlText, RowsNameTheirColumnsInAnyOrderAndSpelling) {
    // Each row's attributes find their columns however the rows before
    // named theirs: in order, in another, among names of no column, beside
    // a namespace the row declares, or after an element that is no row.
    // Values are decoded whatever their length and where their references
    // and blanks stand.
    struct Case {
        std::string row;
        std::optional<std::string> a, b;  // none: Null
    };
    const std::string longText(300, 'x');
    const Case cases[] = {
        {"<z:row a='1' b='2'/>", "1", "2"},
        {"<z:row b='3' a='4'/>", "4", "3"},
        {"<z:row a='5'/>", "5", std::nullopt},
        {"<z:row c='x' b='6'/>", std::nullopt, "6"},
        {"<z:row\tb='7' c='y' a='8'/>", "8", "7"},
        {"<z:row b='9' rs:forcenull='a'/>", std::nullopt, "9"},
        {"<z:row xmlns:p='urn:p' p:a='no' a='10' b='11'/>", "10", "11"},
        {"<z:row a='12' b='13'/>", "12", "13"},
        {"<z:row a='&amp;14' b='caf\xC3\xA9 &lt;15&gt;'/>", "&14", "caf\xC3\xA9 <15>"},
        {"<z:row a='x\ty\r\nz\r' b='\n'/>", "x y z ", " "},
        {"<z:row a='" + longText + "&#65;&apos;' b='" + longText + "\t&quot;'/>", longText + "A'", longText + " \""},
    };
    std::string rows;
    for (const Case& c : cases) rows += c.row + "<z:rows a='not a row'/>\n";
    Recordset rs = Recordset::FromXml(TwoColumns(rows));
    ASSERT_EQ(rs.RecordCount(), static_cast<int32_t>(std::size(cases)));
    for (const Case& c : cases) {
        EXPECT_EQ(rs.Value("a"), c.a ? Variant(*c.a) : Variant::Null()) << c.row;
        EXPECT_EQ(rs.Value("b"), c.b ? Variant(*c.b) : Variant::Null()) << c.row;
        rs.MoveNext();
    }
}

TEST(XmlText, RefusesTextThatIsNotARowset) {
    const std::string schema = DataFile("zones.xml").substr(0, DataFile("zones.xml").find("<rs:data>"));
    const std::string cases[] = {
        "",
        "not xml at all",
        schema,                                  // no closing tags
        "<xml><rs:data></rs:data></xml>",        // no schema
        schema.substr(0, schema.find("<s:Schema")) + "<s:Schema/><rs:data/></xml>",
        "<root><s:Schema><s:ElementType/></s:Schema><rs:data/></root>",
        "<xml><s:Schema><s:ElementType><s:AttributeType/></s:ElementType></s:Schema><rs:data/></xml>",
        "<xml><s:Schema><s:ElementType><s:AttributeType name='a'/></s:ElementType></s:Schema>"
        "<rs:data><rs:update><z:row a='1'/></rs:update></rs:data></xml>",
    };
    for (const std::string& text : cases)
        EXPECT_EQ(ErrorOf([&] { Recordset::FromXml(text); }), ado::err::InvalidXml) << text;
}

TEST(XmlText, RefusesDocumentsThatAreNotWellFormed) {
    ASSERT_EQ(Recordset::FromXml(TwoColumns("<rs:insert><z:row a='1'/></rs:insert>")).RecordCount(), 1);
    const std::string rows[] = {
        // Invalid UTF-8, and characters XML does not allow as they stand.
        "<z:row a='\xff'/>", "<z:row a='\xc3\x28'/>", "<z:row a='\xc0\xaf'/>",
        "<z:row a='\xed\xa0\x80'/>", "<z:row a='\xf4\x90\x80\x80'/>", "<z:row a='\xe2\x82'/>",
        "<z:row a='x\x01y'/>", std::string("<z:row a='x\0y'/>", 16), "<z:row a='\xef\xbf\xbe'/>",
        // An attribute given twice, also under two prefixes of one namespace.
        "<z:row a='1' a='2'/>", "<z:row a='1' b='2' a='3'/>",
        "<z:row xmlns:p='urn:p' xmlns:q='urn:p' p:c='1' q:c='2'/>",
        // The same after a row whose names were told apart, which rows
        // that repeat its names in its order are matched against.
        "<z:row a='1' b='2'/><z:row a='1' a='2'/>", "<z:row a='1' b='2'/><z:row a='1' b='2' b='3'/>",
        "<z:row a='1' b='2'/><z:row b='1' a='2' b='3'/>", "<z:row a='1' b='2'/><z:row b='2'/><z:row b='1' b='2'/>",
        "<z:row a='1' b='2'/><z:row a ='1' a='2'/>", "<z:row a='1' b='2'/><z:row a='1' b='2'/><z:row a='1'b='2'/>",
        // Entities that are not defined, and references to no character.
        "<z:row a='&nbsp;'/>", "<z:row a='&foo;'/>", "<z:row a='a & b'/>", "<z:row a='&amp'/>",
        "<z:row a='&#;'/>", "<z:row a='&#x;'/>", "<z:row a='&#12a;'/>", "<z:row a='&#0;'/>",
        "<z:row a='&#x0;'/>", "<z:row a='&#xD800;'/>", "<z:row a='&#xDFFF;'/>",
        "<z:row a='&#55296;'/>", "<z:row a='&#xFFFE;'/>", "<z:row a='&#x110000;'/>",
        "<z:row a='&#99999999999999999999;'/>",
        // Markup in a value; names in no declared namespace, or in one that
        // takes a prefix of the format.
        "<z:row a='a<b'/>", "<z:row p:a='1'/>", "<z:row xmlns:s='urn:other' a='1'/>",
        "<z:row xmlns:p='' a='1'/>",
        // Tags and attributes not written as XML writes them.
        "<z:row a='1'b='2'/>", "<z:row a=1/>", "<z:row a='1></z:row>", "<z:row a='1'></z:rom>",
        "<z:row a='1'>x ]]> y</z:row>", "<!-- a -- b --><z:row a='1'/>", "<?xml version='1.0'?><z:row/>",
        "<![CDATA[x]]", "<z:row a='1' <b='2'/>",
    };
    std::vector<std::string> documents;
    for (const std::string& row : rows) documents.push_back(TwoColumns("<rs:insert>" + row + "</rs:insert>"));
    const std::string valid = TwoColumns("<rs:insert><z:row a='1'/></rs:insert>");
    documents.push_back(valid + "<xml/>");
    documents.push_back(valid + "text after the document");
    documents.push_back("<!DOCTYPE xml [<!ENTITY e 'x'>]>" +
                        TwoColumns("<rs:insert><z:row a='&e;'/></rs:insert>"));
    documents.push_back(TwoColumns("<z:row a='1'/>", ""));  // no namespace declared
    documents.push_back("\xff\xfe<\0x\0m"s);                  // UTF-16 cut in a character
    documents.push_back("\xff\xfe\x3d\xd8<\0"s);             // a lone surrogate
    for (const std::string& text : documents)
        EXPECT_EQ(ErrorOf([&] { Recordset::FromXml(text); }), ado::err::InvalidXml) << text;
}

// Comments, processing instructions, CDATA and the order of the parts are
// read as XML has them; data before the schema is read once it is known.
TEST(XmlText, ReadsWhatXmlAllowsAroundTheRows) {
    const std::string head =
        "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882' xmlns:rs='urn:schemas-microsoft-com:rowset' "
        "xmlns:z='#RowsetSchema'>";
    const std::string schema =
        "<s:Schema id='RowsetSchema'><s:ElementType name='row' content='eltOnly'>"
        "<s:AttributeType name='a'/></s:ElementType></s:Schema>";
    const std::string rows =
        "<rs:data><!-- a comment --><z:row a='one&#13;&#10;two'/><?note rows follow?>"
        "<z:row a='tab\tline\r\nend'/></rs:data>";
    const std::string kept = "<notes><![CDATA[<b>&</b>]]> &amp; text</notes>";
    const std::string documents[] = {
        "<?xml version='1.0'?>\r\n<!-- written by hand -->" + head + schema + kept + rows + "</xml>\n<!-- end -->",
        head + rows + kept + schema + "</xml>",
    };
    for (const std::string& text : documents) {
        SCOPED_TRACE(text);
        Recordset rs = Recordset::FromXml(text);
        ASSERT_EQ(rs.RecordCount(), 2);
        EXPECT_EQ(rs.Value("a"), Variant("one\r\ntwo"));
        rs.MoveNext();
        EXPECT_EQ(rs.Value("a"), Variant("tab line end")) << "blanks in a value as XML reads them";
        EXPECT_NE(rs.ToXml().find("<notes><![CDATA[<b>&</b>]]> &amp; text</notes>"), std::string::npos);
    }
}

// `text` (ASCII and UTF-16 literals alike) as UTF-16 with its byte-order mark.
std::string Utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xfe\xff" : "\xff\xfe";
    for (char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xff);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

TEST(XmlText, KnowsNamespacesByTheirNameAndReadsUtf16) {
    const std::string expected = Recordset::FromXml(DataFile("zones.xml")).ToXml();
    // Other prefixes for the same namespaces, and the schema's as default.
    std::string renamed = DataFile("zones.xml");
    for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
             {"xmlns:s=", "xmlns:sch="}, {"xmlns:dt=", "xmlns:t="}, {"xmlns:rs=", "xmlns:r="},
             {"xmlns:z=", "xmlns:row="}, {"s:Schema", "Schema"}, {"<s:", "<sch:"}, {"</s:", "</sch:"},
             {"dt:", "t:"}, {"rs:", "r:"}, {"z:row", "row:row"}})
        for (size_t at = renamed.find(from); at != std::string::npos; at = renamed.find(from, at + to.size()))
            renamed.replace(at, from.size(), to);
    renamed.replace(renamed.find("<Schema "), 8,
                    "<Schema xmlns='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882' ");
    ASSERT_EQ(renamed.find("<s:"), std::string::npos);
    ASSERT_EQ(renamed.find("rs:"), std::string::npos);
    EXPECT_EQ(Recordset::FromXml(renamed).ToXml(), expected);

    // UTF-16 either way round, a character beyond the first plane included.
    const std::u16string text =
        u"<?xml version='1.0' encoding='UTF-16'?>\r\n<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882' "
        u"xmlns:rs='urn:schemas-microsoft-com:rowset' xmlns:z='#RowsetSchema'><s:Schema id='RowsetSchema'>"
        u"<s:ElementType name='row' content='eltOnly'><s:AttributeType name='a'/></s:ElementType>"
        u"</s:Schema><rs:data><z:row a='L\u00EDnia \U0001F4A1'/></rs:data></xml>";
    for (const bool bigEndian : {false, true}) {
        Recordset rs = Recordset::FromXml(Utf16(text, bigEndian));
        EXPECT_EQ(rs.Value("a"), Variant("L\xC3\xADnia \xF0\x9F\x92\xA1"));
    }
    EXPECT_EQ(Recordset::FromXml("\xEF\xBB\xBF" + DataFile("zones.xml")).ToXml(), expected);
}

TEST(XmlText, ChangesOfOtherWritersAreReadAsWritten) {
    std::string text = DataFile("zones-edited.xml");
    const size_t current = text.find("<z:row", text.find("</rs:original>"));
    const size_t end = text.find("/>", current) + 2;
    auto withCurrentRow = [&](const std::string& row) {
        return text.substr(0, current) + row + text.substr(end);
    };
    // The row as it is now carries only what changed; the rest is the
    // original's. rs:forcenull makes values Null.
    Recordset rs = Recordset::FromXml(withCurrentRow("<z:row NomZona='Sud' rs:forcenull='DataAlta Superficie'/>"));
    rs.Move(1, Recordset::MoveStart::First);
    EXPECT_EQ(rs.Value("NumZona"), Variant(2));
    EXPECT_EQ(rs.Value("CodZona"), Variant("Z2"));
    EXPECT_EQ(rs.Value("NomZona"), Variant("Sud"));
    EXPECT_EQ(rs.Value("DataAlta"), Variant::Null());
    EXPECT_EQ(rs.Value("Actiu"), Variant(false));
    EXPECT_EQ(rs.Value("Superficie"), Variant::Null());
    EXPECT_EQ(ErrorOf([&] { Recordset::FromXml(withCurrentRow("<z:row NomZona='Sud' rs:forcenull='NomZona'/>")); }),
              ado::err::InvalidXml);

    // This layer writes rs:forcenull too, so that a value made Null stays so.
    rs.SetValue("CodZona", Variant::Null());
    rs.Update();
    const std::string written = rs.ToXml();
    EXPECT_NE(written.find("rs:forcenull='CodZona DataAlta Superficie'"), std::string::npos) << written;
    Recordset back = Recordset::FromXml(written);
    back.Move(1, Recordset::MoveStart::First);
    EXPECT_EQ(back.Value("CodZona"), Variant::Null());
    EXPECT_EQ(back.ToXml(), written);
}

TEST(XmlText, SchemasAndValuesOfOtherWritersAreReadAsWritten) {
    // The older form of the schema: the row type refers to columns defined
    // beside it, or names a column of text; a type may stand on the column.
    const std::string older =
        "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882' xmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882'"
        " xmlns:rs='urn:schemas-microsoft-com:rowset' xmlns:z='#RowsetSchema'><s:Schema id='RowsetSchema'>"
        "<s:ElementType name='row' content='eltOnly'><s:attribute type='s1'/><s:attribute type='CompanyName'/>"
        "<s:attribute type='s3'/><s:AttributeType name='n' dt:type='i8'/><s:extends type='rs:rowbase'/></s:ElementType>"
        "<s:AttributeType name='s1' rs:name='ShipperID' rs:number='1'><s:datatype dt:type='i4' rs:maybenull='false'/>"
        "</s:AttributeType><s:AttributeType name='s3' rs:name='When'><s:datatype dt:type='dateTime'/></s:AttributeType>"
        "</s:Schema><rs:data>"
        "<z:row s1='1' CompanyName='Speedy Express' s3='2012-05-01T22:13:47.125' n='9007199254740993'/>"
        "<z:row s1='2' s3='2012-05-01T22:13:47.1234567' n='-9223372036854775808'/>"
        "<z:row s1='3' s3='2024-02-30' n='1e400'/>"
        "</rs:data></xml>";
    Recordset rs = Recordset::FromXml(older);
    ASSERT_EQ(rs.FieldCount(), 4);
    const char* const names[] = {"ShipperID", "CompanyName", "When", "n"};
    const ado::DataType types[] = {ado::DataType::Integer, ado::DataType::String,
                                   ado::DataType::DateTime, ado::DataType::BigInt};
    for (int32_t f = 0; f < 4; ++f) {
        EXPECT_EQ(rs.Field(f).name, names[f]);
        EXPECT_EQ(rs.Field(f).type, types[f]);
        EXPECT_EQ(rs.Field(f).nullable, f != 0);  // Null unless the text says otherwise
    }
    EXPECT_EQ(rs.Value("CompanyName"), Variant("Speedy Express"));
    // Milliseconds are kept; a finer fraction, a whole number that a double
    // would round and anything that reads only as another value stay text.
    EXPECT_EQ(rs.Value("When"), Variant(com::Date{com::Date::FromParts(2012, 5, 1, 22, 13, 47).serial +
                                                   0.125 / 86400}));
    EXPECT_EQ(rs.Value("n"), Variant("9007199254740993"));
    rs.MoveNext();
    EXPECT_EQ(rs.Value("When"), Variant("2012-05-01T22:13:47.1234567"));
    EXPECT_EQ(rs.Value("n"), Variant("-9223372036854775808"));
    rs.MoveNext();
    EXPECT_EQ(rs.Value("When"), Variant("2024-02-30"));
    EXPECT_EQ(rs.Value("n"), Variant("1e400"));

    const std::string out = rs.ToXml();
    for (const char* kept : {"s3='2012-05-01T22:13:47.125'", "n='9007199254740993'",
                             "s3='2012-05-01T22:13:47.1234567'", "n='-9223372036854775808'", "s3='2024-02-30'"})
        EXPECT_NE(out.find(kept), std::string::npos) << kept;
    EXPECT_EQ(Recordset::FromXml(out).ToXml(), out);

    const std::string numbers = TwoColumns("<z:row a='1'/>").replace(
        TwoColumns("").find("<s:AttributeType name='b'/>"), 27,
        "<s:AttributeType name='b'><s:datatype dt:type='float'/></s:AttributeType>");
    for (const char* value : {"1e400", "-1e-400", "NaN", "inf", "1,5"}) {
        std::string text = numbers;
        text.replace(text.find("a='1'"), 5, std::string("b='") + value + "'");
        EXPECT_EQ(Recordset::FromXml(text).Value("b"), Variant(value));
    }
    // A whole number is its digits, with a "-": within 32 bits a Long,
    // beyond them a Double; anything else stays the text it is.
    std::string wholes = numbers;
    wholes.replace(wholes.find("'float'"), 7, "'i8'");
    const std::pair<const char*, Variant> wholeValues[] = {
        {"12", Variant(12)},          {"-0", Variant(0)},       {"-2147483648", Variant(-2147483647 - 1)},
        {"2147483648", Variant(2147483648.0)}, {"-", Variant("-")}, {"", Variant("")},
        {"+5", Variant("+5")},        {"1.0", Variant("1.0")},  {"12a", Variant("12a")},
        {"123456789012345678901", Variant("123456789012345678901")}};
    for (const auto& [value, expected] : wholeValues) {
        std::string text = wholes;
        text.replace(text.find("a='1'"), 5, std::string("b='") + value + "'");
        EXPECT_EQ(Recordset::FromXml(text).Value("b"), expected) << value;
    }
}

// Documents written by other programs, kept outside the project.
class RowsetSample : public testing::TestWithParam<std::tuple<const char*, int, int>> {};

TEST_P(RowsetSample, ReadsAndWritesBackEveryValue) {
    const std::filesystem::path folder = "/work/shared/rowset-samples";
    if (!std::filesystem::exists(folder)) GTEST_SKIP() << "no sample documents here";
    const auto [file, fields, rows] = GetParam();
    Recordset rs = Recordset::FromXml(testsupport::ReadFile((folder / file).string()));
    EXPECT_EQ(rs.FieldCount(), fields);
    EXPECT_EQ(rs.RecordCount(), rows);

    Recordset back = Recordset::FromXml(rs.ToXml());
    ASSERT_EQ(back.FieldCount(), fields);
    ASSERT_EQ(back.RecordCount(), rows);
    for (int32_t f = 0; f < fields; ++f) {
        EXPECT_EQ(back.Field(f).name, rs.Field(f).name);
        EXPECT_EQ(back.Field(f).type, rs.Field(f).type);
    }
    for (rs.MoveFirst(), back.MoveFirst(); !rs.IsEOF(); rs.MoveNext(), back.MoveNext()) {
        for (int32_t f = 0; f < fields; ++f) {
            EXPECT_EQ(back.Value(f), rs.Value(f)) << file << " field " << rs.Field(f).name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, RowsetSample,
                         testing::Values(std::make_tuple("01-northwind-orders-sqloledb.xml", 3, 830),
                                         std::make_tuple("02-jet-debtors-currency.xml", 6, 9),
                                         std::make_tuple("03-visio-rsname-alias.xml", 1, 2),
                                         std::make_tuple("04-sharepoint-listitem.xml", 48, 1),
                                         std::make_tuple("05-winmss-stage.xml", 22, 10),
                                         std::make_tuple("06-winmss-thematch.xml", 12, 1),
                                         std::make_tuple("07-winmss-classify-empty.xml", 5, 0)));

TEST(RowsetSamples, TypesAndNamesAsTheWritersMeantThem) {
    const std::filesystem::path folder = "/work/shared/rowset-samples";
    if (!std::filesystem::exists(folder)) GTEST_SKIP() << "no sample documents here";
    auto open = [&](const char* file) {
        return Recordset::FromXml(testsupport::ReadFile((folder / file).string()));
    };
    Recordset orders = open("01-northwind-orders-sqloledb.xml");
    EXPECT_TRUE(orders.Field(orders.FieldIndex("OrderID")).keyColumn);
    EXPECT_EQ(orders.Value("ShippedDate"), Variant(com::Date::FromParts(1996, 7, 16)));
    int notShipped = 0;
    for (; !orders.IsEOF(); orders.MoveNext()) notShipped += orders.Value("ShippedDate").isNull();
    EXPECT_GT(notShipped, 0);

    Recordset cities = open("03-visio-rsname-alias.xml");
    EXPECT_EQ(cities.Field(0).name, "Cities");
    EXPECT_EQ(cities.Value("Cities"), Variant("Seattle"));

    Recordset list = open("04-sharepoint-listitem.xml");
    EXPECT_EQ(list.Value("Attachments"), Variant(false));
    EXPECT_EQ(list.Value("Created"), Variant(com::Date::FromParts(2012, 5, 1, 22, 13, 47)));
    EXPECT_NE(list.ToXml().find("<scopes>"), std::string::npos);

    Recordset match = open("06-winmss-thematch.xml");
    EXPECT_EQ(match.Value("Chrono"), Variant(false));
    EXPECT_EQ(match.Value("ClubId"), Variant::Null());
}

}  // namespace
}  // namespace adotest
