// The parameter records: created by ProgID, fields start empty, lets
// convert to the field's type.
#include <gtest/gtest.h>

#include "Com/Registry.h"

TEST(QuossaRecords, FieldsStartEmptyAndKeepTheirTypes) {
    const std::pair<const char*, std::vector<std::pair<const char*, com::Variant>>> records[] = {
        {"paramIdioma", {{"lngNumIdioma", 0}, {"strNomFormulari", ""}}},
        {"paramTextIdioma", {{"lngNumIdioma", 0}, {"strCodiText", ""}}},
        {"paramTaulaAuxiliar", {{"strNomTaula", ""}, {"strNomCampIdentificador", ""}, {"lngValorIdentificador", 0}}},
        {"paramListTaulaAuxiliar",
         {{"strNomTaula", ""}, {"strNomCampOrdre", ""}, {"strNomCampFiltre", ""}, {"lngValorCampFiltre", 0}}},
        {"paramUsuariProjecte", {{"lngUsuari", 0}, {"lngProjecte", 0}}},
        {"paramListEscomeses", {{"lngIdentificador", 0}, {"lngTipusIdentificador", 0}}},
        {"paramListEscomesaElements", {{"lngEscomesa", 0}, {"bolNomesSortida", false}}},
    };
    for (const auto& [className, fields] : records) {
        SCOPED_TRACE(className);
        const com::ObjectRef record = com::CreateObject(std::string("Quossa.") + className);
        EXPECT_EQ(record->className(), className);
        for (const auto& [name, initial] : fields) EXPECT_EQ(com::Get(record, name), initial) << name;
    }

    const com::ObjectRef record = com::CreateObject("quossa.PARAMLISTESCOMESAELEMENTS");
    com::Let(record, "LNGESCOMESA", com::Variant("12"));
    com::Let(record, "bolNomesSortida", com::Variant(5));
    EXPECT_EQ(com::Get(record, "lngEscomesa"), com::Variant(12));
    EXPECT_EQ(com::Get(record, "bolNomesSortida"), com::Variant(true));
    try {
        com::Let(record, "lngEscomesa", com::Variant("abc"));
        ADD_FAILURE() << "a number field took text";
    } catch (const com::ComError& e) {
        EXPECT_EQ(e.number(), 13);
    }
}
