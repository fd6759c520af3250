// Message texts looked up in a window's text recordset, with and without a
// built-in default.
#include <gtest/gtest.h>

#include "Ado/AdoError.h"
#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"

namespace {

using velmar::clsFuncionsCapaInterficie;
using velmar::RecordsetRef;

const char* const kTexts =
    "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882' xmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882'"
    " xmlns:rs='urn:schemas-microsoft-com:rowset' xmlns:z='#RowsetSchema'>\n"
    "<s:Schema id='RowsetSchema'><s:ElementType name='row' content='eltOnly'>"
    "<s:AttributeType name='CodTextIdioma'><s:datatype dt:type='string' dt:maxLength='50'/></s:AttributeType>"
    "<s:AttributeType name='TextTraduit'><s:datatype dt:type='string' dt:maxLength='255'/></s:AttributeType>"
    "<s:AttributeType name='EsControl'><s:datatype dt:type='boolean' dt:maxLength='2'/></s:AttributeType>"
    "</s:ElementType></s:Schema>\n<rs:data>\n"
    "<z:row CodTextIdioma='lblNom' TextTraduit='Nom' EsControl='True'/>\n"
    "<z:row CodTextIdioma='valNomBuit' TextTraduit='Cal un nom' EsControl='False'/>\n"
    "<z:row CodTextIdioma='valSenseText' EsControl='False'/>\n"
    "</rs:data>\n</xml>";

const std::string kEntry = "\rVelmar(exe) - FuncionsCapaInterficie - ";

class MessageText : public testing::Test {
protected:
    clsFuncionsCapaInterficie f_;
    RecordsetRef texts_ = f_.PassaXMLARecordset(std::string(kTexts));
};

TEST_F(MessageText, ACodeGivesItsTextAndLeavesEveryRowShown) {
    EXPECT_EQ(f_.TradueixMissatgeFormulariIdioma(texts_, "valNomBuit"), "Cal un nom");
    EXPECT_EQ(f_.TradueixDefecteMissatgeFormulariIdioma(texts_, "valNomBuit", "Name?"), "Cal un nom");
    EXPECT_EQ(f_.NumError, 0);
    EXPECT_EQ(texts_->RecordCount(), 3);
}

TEST_F(MessageText, ABlankCodeGivesNothingEvenWithADefault) {
    for (const char* code : {"", "   "}) {
        EXPECT_EQ(f_.TradueixMissatgeFormulariIdioma(texts_, code), "");
        EXPECT_EQ(f_.TradueixDefecteMissatgeFormulariIdioma(texts_, code, "Per defecte"), "");
        EXPECT_EQ(f_.NumError, 0);
    }
}

TEST_F(MessageText, AMissingCodeIs517OrTheDefault) {
    EXPECT_EQ(f_.TradueixMissatgeFormulariIdioma(texts_, "valNoHiEs"), "");
    EXPECT_EQ(f_.NumError, base::err::TextMissing);
    EXPECT_EQ(f_.UbicacioError, kEntry + "TradueixMissatgeFormulariIdioma");
    EXPECT_EQ(texts_->RecordCount(), 0) << "the filter of the missing code stays";

    EXPECT_EQ(f_.TradueixDefecteMissatgeFormulariIdioma(texts_, "valNoHiEs", "Per defecte"), "Per defecte");
    EXPECT_EQ(f_.NumError, 0);
    EXPECT_EQ(f_.UbicacioError, "");
}

TEST_F(MessageText, AWindowWithoutTextsMissesEveryCode) {
    EXPECT_EQ(f_.TradueixMissatgeFormulariIdioma(nullptr, "valNomBuit"), "");
    EXPECT_EQ(f_.NumError, base::err::TextMissing);
    EXPECT_EQ(f_.TradueixDefecteMissatgeFormulariIdioma(nullptr, "valTextEliminar", "valTextEliminar"),
              "valTextEliminar");
    EXPECT_EQ(f_.NumError, 0);
}

TEST_F(MessageText, OtherFailuresPassOnWithBothEntries) {
    struct Case {
        std::string code;
        int32_t number;
    };
    for (const Case& c : {Case{"valSenseText", com::err::InvalidUseOfNull}, Case{"it's", ado::err::InvalidFilter}}) {
        EXPECT_EQ(f_.TradueixDefecteMissatgeFormulariIdioma(texts_, c.code, "Per defecte"), "");
        EXPECT_EQ(f_.NumError, c.number) << c.code;
        EXPECT_EQ(f_.UbicacioError,
                  kEntry + "TradueixMissatgeFormulariIdioma" + kEntry + "TradueixDefecteMissatgeFormulariIdioma");
    }
}

}  // namespace
