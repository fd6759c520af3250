// The parts that windows of one record at a time share: moving with the
// four buttons and the counter's text, the vertex list, and the chooser
// with its echo.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QTreeWidget>

#include "Ado/Recordset.h"
#include "framework/LlistaPunts.h"
#include "framework/Navegacio.h"
#include "framework/Triador.h"

namespace {

// Three map points, the second without a Y.
ado::Recordset Punts(int rows = 3) {
    std::string text =
        "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882' xmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882' "
        "xmlns:rs='urn:schemas-microsoft-com:rowset' xmlns:z='#RowsetSchema'>"
        "<s:Schema id='RowsetSchema'><s:ElementType name='row' content='eltOnly'>"
        "<s:AttributeType name='Num' rs:number='1'><s:datatype dt:type='int' dt:maxLength='4'/></s:AttributeType>"
        "<s:AttributeType name='X' rs:number='2'><s:datatype dt:type='float' dt:maxLength='8'/></s:AttributeType>"
        "<s:AttributeType name='Y' rs:number='3' rs:nullable='true'><s:datatype dt:type='float' dt:maxLength='8'/>"
        "</s:AttributeType></s:ElementType></s:Schema><rs:data>";
    const char* kRows[] = {"<z:row Num='7' X='1.5' Y='2'/>", "<z:row Num='8' X='3'/>", "<z:row Num='9' X='4' Y='5'/>"};
    for (int i = 0; i < rows; ++i) text += kRows[i];
    return ado::Recordset::FromXml(text + "</rs:data></xml>");
}

TEST(Navegacio, MovesStopAtTheEndsAndTheCounterFollows) {
    ado::Recordset rows = Punts();
    const auto after = [&rows](velmar::Moviment moviment) {
        velmar::MouRegistre(rows, moviment);
        return velmar::TextComptador(rows, "PuntLlum", "de");
    };
    EXPECT_EQ(after(velmar::Moviment::Recula), "PuntLlum 1 de 3");
    EXPECT_EQ(after(velmar::Moviment::Avanca), "PuntLlum 2 de 3");
    EXPECT_EQ(after(velmar::Moviment::Fi), "PuntLlum 3 de 3");
    EXPECT_EQ(after(velmar::Moviment::Avanca), "PuntLlum 3 de 3");
    EXPECT_EQ(after(velmar::Moviment::Principi), "PuntLlum 1 de 3");

    ado::Recordset none = Punts(0);
    velmar::MouRegistre(none, velmar::Moviment::Fi);
    EXPECT_EQ(velmar::TextComptador(none, "PuntLlum", "de"), "PuntLlum 0 de 0");
}

TEST(Navegacio, TheVertexListKeysEachPointByItsPlaceAndShowsANullAsEmpty) {
    QTreeWidget list;
    list.setColumnCount(2);
    ado::Recordset rows = Punts();
    velmar::OmpleLlistaPunts(&list, rows, "X", "Y");
    ASSERT_EQ(list.topLevelItemCount(), 3);
    EXPECT_EQ(list.topLevelItem(0)->text(0), "1.5");
    EXPECT_EQ(list.topLevelItem(1)->text(1), "");
    EXPECT_EQ(list.topLevelItem(2)->data(0, Qt::UserRole).toString(), "Clau3");
    EXPECT_EQ(list.currentItem(), list.topLevelItem(0));
}

TEST(Navegacio, TheChooserAndItsEchoListTheSameRows) {
    QComboBox tria;
    QComboBox eco;
    ado::Recordset rows = Punts();
    velmar::OmpleTriador(rows, "X", "Num", &tria, &eco);
    EXPECT_EQ(tria.count(), 3);
    EXPECT_EQ(eco.currentText(), "1.5");
    tria.setCurrentIndex(2);
    EXPECT_EQ(velmar::SegueixTriador(&tria, &eco), 9);
    EXPECT_EQ(eco.currentText(), "4");
}

}  // namespace
