// Recordsets to and from their text, the change set cut from a recordset's
// text, and the text rebuilt from a recordset's current rows.
#include <gtest/gtest.h>

#include "Ado/AdoError.h"
#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"

namespace {

using velmar::clsFuncionsCapaInterficie;
using velmar::RecordsetRef;

const std::string kHead =
    "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882'\n"
    "\txmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882'\n"
    "\txmlns:rs='urn:schemas-microsoft-com:rowset'\n"
    "\txmlns:z='#RowsetSchema'>\n"
    "<s:Schema id='RowsetSchema'>\n"
    "\t<s:ElementType name='row' content='eltOnly' rs:updatable='true'>\n"
    "\t\t<s:AttributeType name='NumZona' rs:number='1' rs:basetable='T_Zona' rs:basecolumn='NumZona' "
    "rs:keycolumn='true' rs:autoincrement='true'>\n"
    "\t\t\t<s:datatype dt:type='int' dt:maxLength='4' rs:precision='10' rs:fixedlength='true' "
    "rs:maybenull='false'/>\n"
    "\t\t</s:AttributeType>\n"
    "\t\t<s:AttributeType name='NomZona' rs:number='2' rs:nullable='true' rs:writeunknown='true' "
    "rs:basetable='T_Zona' rs:basecolumn='NomZona'>\n"
    "\t\t\t<s:datatype dt:type='string' dt:maxLength='50'/>\n"
    "\t\t</s:AttributeType>\n"
    "\t\t<s:AttributeType name='Actiu' rs:number='3' rs:nullable='true' rs:writeunknown='true' "
    "rs:basetable='T_Zona' rs:basecolumn='Actiu'>\n"
    "\t\t\t<s:datatype dt:type='boolean' dt:maxLength='2' rs:fixedlength='true'/>\n"
    "\t\t</s:AttributeType>\n"
    "\t\t<s:extends type='rs:rowbase'/>\n"
    "\t</s:ElementType>\n"
    "</s:Schema>\n"
    "<rs:data>";

std::string Zones(const std::string& rows) { return kHead + "\n" + rows + "</rs:data>\n</xml>"; }

const std::string kThreeZones = Zones(
    "\t<z:row NumZona='1' NomZona='Nord' Actiu='True'/>\n"
    "\t<z:row NumZona='2' NomZona='L&apos;Horta &amp; &lt;Sud&gt;' Actiu='False'/>\n"
    "\t<z:row NumZona='3'/>\n");

class RecordsetText : public testing::Test {
protected:
    RecordsetRef open(const std::string& text) {
        RecordsetRef rst = f_.PassaXMLARecordset(text);
        EXPECT_EQ(f_.NumError, 0) << f_.UbicacioError;
        return rst;
    }
    std::string entry(const std::string& member) { return "\rVelmar(exe) - FuncionsCapaInterficie - " + member; }

    clsFuncionsCapaInterficie f_;
};

TEST_F(RecordsetText, TextOpensAsARecordsetAndComesBackWithItsPendingChanges) {
    RecordsetRef rst = open(kThreeZones);
    ASSERT_NE(rst, nullptr);
    EXPECT_EQ(rst->RecordCount(), 3);
    EXPECT_EQ(f_.PassaRecordsetAXML(rst), kThreeZones);

    rst->MoveFirst();
    rst->Delete();
    const std::string text = f_.PassaRecordsetAXML(rst);
    EXPECT_NE(text.find("<rs:delete>"), std::string::npos);
    EXPECT_EQ(open(text)->RecordCount(), 2);
}

TEST_F(RecordsetText, UnreadableTextAndMissingRecordsetsFailWithTheirEntries) {
    for (const std::string text : {"", "<xml>no rowset"}) {
        EXPECT_EQ(f_.PassaXMLARecordset(text), nullptr);
        EXPECT_EQ(f_.NumError, ado::err::InvalidXml) << text;
        EXPECT_EQ(f_.UbicacioError, entry("PassaXMLARecordset"));
    }
    EXPECT_EQ(f_.PassaRecordsetAXML(nullptr), "");
    EXPECT_EQ(f_.NumError, com::err::ObjectRequired);
    EXPECT_EQ(f_.UbicacioError, entry("PassaRecordsetAXML"));

    // A failure is cleared by the next call that succeeds.
    open(kThreeZones);
    EXPECT_EQ(f_.UbicacioError, "");
}

TEST_F(RecordsetText, ChangeSetKeepsTheBlocksInDocumentOrderAndDropsEverythingElse) {
    struct Case {
        const char* name;
        std::string data;
        std::string blocks;
    };
    const std::string update = "<rs:update>\n\t\t<rs:original>\n\t\t\t<z:row NumZona='1' NomZona='Nord'/>\n"
                               "\t\t</rs:original>\n\t\t<z:row NomZona='Nou'/>\n\t</rs:update>";
    const std::string insert = "<rs:insert>\n\t\t<z:row NumZona='9'/>\n\t</rs:insert>";
    const std::string insert2 = "<rs:insert><z:row NumZona='10'/></rs:insert>";
    const std::string del = "<rs:delete>\n\t\t<z:row NumZona='3'/>\n\t</rs:delete>";
    const std::string nested = "<rs:update><rs:original><z:row NumZona='1'/></rs:original>"
                               "<z:row NomZona='&lt;rs:insert&gt;'/><rs:insert></rs:update>";
    const Case cases[] = {
        {"no changes", "\t<z:row NumZona='1'/>\n", ""},
        {"update, rows, insert, delete", "\t" + update + "\n\t<z:row NumZona='2'/>\n\t" + insert + "\n\t" + del + "\n",
         update + insert + del},
        {"two of one kind", "\t" + insert + "\n\t" + insert2 + "\n", insert + insert2},
        {"an opening tag inside a kept block", nested + "\n\t" + del + "\n", nested + del},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(f_.ObteActualitzacionsDeXML(Zones(c.data)), kHead + "\r\n" + c.blocks + "\r\n</rs:data>\n</xml>")
            << c.name;
        EXPECT_EQ(f_.NumError, 0) << c.name;
    }
}

TEST_F(RecordsetText, ChangeSetOfEditsReadsBackAsThoseEdits) {
    RecordsetRef rst = open(kThreeZones);
    rst->MoveFirst();
    rst->SetValue("NomZona", "Nord\r\nNou");
    rst->Update();
    rst->MoveLast();
    rst->Delete();
    rst->AddNew();
    rst->SetValue("NomZona", "Est");
    rst->Update();

    const std::string changes = f_.ObteActualitzacionsDeXML(f_.PassaRecordsetAXML(rst));
    ASSERT_EQ(f_.NumError, 0);
    EXPECT_EQ(changes.find("NumZona='2'"), std::string::npos) << "an unchanged row is dropped";
    RecordsetRef sent = open(changes);
    ASSERT_NE(sent, nullptr);
    EXPECT_EQ(f_.ObteActualitzacionsDeXML(f_.PassaRecordsetAXML(sent)), changes);
    sent->MoveFirst();
    EXPECT_EQ(sent->Value("NomZona").toString(), "Nord\r\nNou");
    sent->MoveNext();
    EXPECT_EQ(sent->Value("NomZona").toString(), "Est");
}

TEST_F(RecordsetText, ChangeSetOfTextWithoutItsDataSectionIsAnInvalidArgument) {
    for (const std::string& text : {kHead + "\n</xml>", std::string("</rs:data><rs:data>"), kHead + "<rs:insert>"}) {
        EXPECT_EQ(f_.ObteActualitzacionsDeXML(text), "");
        EXPECT_EQ(f_.NumError, base::err::InvalidProcedureCall);
        EXPECT_TRUE(f_.UbicacioError.ends_with(entry("ObteActualitzacionsDeXML"))) << f_.UbicacioError;
    }
}

TEST_F(RecordsetText, RebuiltTextHoldsTheShownRowsAsUnchangedRows) {
    RecordsetRef rst = open(kThreeZones);
    rst->MoveFirst();
    rst->SetValue("NomZona", "Nord 'nou'");
    rst->Update();
    rst->AddNew();
    rst->Update();  // every field Null: no line

    const std::string rebuilt = f_.PurgaActualitzacionsRecordset(rst);
    ASSERT_EQ(f_.NumError, 0) << f_.UbicacioError;
    EXPECT_EQ(rebuilt, kHead + "\r\n"
                               "<z:row NumZona='1' NomZona='Nord &apos;nou&apos;' Actiu='True' />\r\n"
                               "<z:row NumZona='2' NomZona='L&apos;Horta &amp; &lt;Sud&gt;' Actiu='False' />\r\n"
                               "<z:row NumZona='3' />\r\n"
                               "\r\n</rs:data>\r\n</xml>");
    EXPECT_TRUE(rst->IsEOF());

    RecordsetRef reopened = open(rebuilt);
    EXPECT_EQ(f_.ObteActualitzacionsDeXML(f_.PassaRecordsetAXML(reopened)),
              kHead + "\r\n\r\n</rs:data>\n</xml>") << "no pending changes";
    reopened->Move(1, ado::Recordset::MoveStart::First);
    EXPECT_EQ(reopened->Value("NomZona").toString(), "L'Horta & <Sud>");
    EXPECT_EQ(reopened->Value("Actiu").toBool(), false);
}

TEST_F(RecordsetText, RebuiltTextFollowsTheFilter) {
    RecordsetRef rst = open(kThreeZones);
    rst->SetFilter("NumZona = 99");
    EXPECT_EQ(f_.PurgaActualitzacionsRecordset(rst), kHead + "\r\n\r\n</rs:data>\r\n</xml>");

    EXPECT_EQ(f_.PurgaActualitzacionsRecordset(nullptr), "");
    EXPECT_EQ(f_.NumError, com::err::ObjectRequired);
    EXPECT_EQ(f_.UbicacioError, entry("PassaRecordsetAXML") + entry("PurgaActualitzacionsRecordset"));
}

}  // namespace
