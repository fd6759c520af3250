// The two views of a manager share one set of fields, and the factory
// hands the caller's transaction to each new data object.
#include <gtest/gtest.h>

#include "Com/Registry.h"
#include "Managers.h"
#include "RecordingClsBD.h"

using namespace quossatest;

TEST(QuossaViews, BothViewsShareTheFieldsAndTheDataObjectReceivesTheTransaction) {
    RecordingDataLayer data;
    const com::ObjectRef manager = com::CreateObject("Quossa.MngLluminaries");
    const com::ObjectRef iv = com::Call(manager, "GetIV").toObject();
    const com::ObjectRef im = com::Call(manager, "GetIM").toObject();
    EXPECT_EQ(iv->identity(), im->identity());
    EXPECT_EQ(com::TypeName(com::Variant(iv)), "MngLluminaries");

    EXPECT_EQ(com::Get(im, "NumError"), com::Variant(0));
    EXPECT_EQ(com::Get(im, "UbicacioError"), com::Variant(""));
    EXPECT_EQ(com::Get(im, "IdTransaccio").toObject(), nullptr);

    com::Let(iv, "NumError", com::Variant("12"));
    com::Let(iv, "UbicacioError", com::Variant(5));
    EXPECT_EQ(com::Get(im, "NumError"), com::Variant(12));
    EXPECT_EQ(com::Get(im, "UbicacioError"), com::Variant("5"));
    com::Set(im, "NumError", manager);
    com::Set(im, "UbicacioError", manager);
    EXPECT_EQ(com::Get(iv, "NumError"), com::Variant(12)) << "a property set changes nothing";
    EXPECT_EQ(com::Get(iv, "UbicacioError"), com::Variant("5"));

    const com::ObjectRef connection = FakeConnection();
    com::Set(iv, "IdTransaccio", connection);
    EXPECT_EQ(com::Get(im, "IdTransaccio").toObject(), connection);
    com::Call(im, "Delete", {com::Variant(3)});
    com::Call(iv, "GetList", {com::Variant()});
    ASSERT_EQ(data.recording.sent.size(), 2u);
    EXPECT_EQ(data.recording.sent[0].transaction, connection);
    EXPECT_EQ(data.recording.sent[1].transaction, connection);

    com::Set(im, "IdTransaccio", nullptr);
    com::Call(iv, "GetList", {com::Variant()});
    EXPECT_EQ(data.recording.sent.back().transaction, nullptr);
}

TEST(QuossaViews, TheLanguageManagerHasNoMaintenanceView) {
    const com::ObjectRef manager = com::CreateObject("Quossa.MngIdioma");
    EXPECT_TRUE(com::Call(manager, "GetIV").toObject());
    try {
        com::Call(manager, "GetIM");
        ADD_FAILURE() << "GetIM answered";
    } catch (const com::ComError& e) {
        EXPECT_EQ(e.number(), 13);
    }
}

TEST(QuossaViews, TheFactoryServesAnyCallerWithAViewThatHasATransaction) {
    RecordingDataLayer data;
    const com::ObjectRef factory = com::CreateObject("Quossa.clsFuncionsSubCapaEntitats");

    const com::ObjectRef alone = com::Call(factory, "CreaObjecteDades").toObject();
    ASSERT_TRUE(alone);
    EXPECT_EQ(com::Get(alone, "IdTransaccio").toObject(), nullptr);

    // A caller's GetIV view gives the transaction...
    const com::ObjectRef connection = FakeConnection();
    const com::ObjectRef manager = com::CreateObject("Quossa.MngClients");
    com::Set(com::Call(manager, "GetIV").toObject(), "IdTransaccio", connection);
    const com::ObjectRef joined = com::Call(factory, "CreaObjecteDades", {com::Variant(manager)}).toObject();
    EXPECT_EQ(com::Get(joined, "IdTransaccio").toObject(), connection);
    EXPECT_EQ(com::Get(factory, "NumError"), com::Variant(0));

    // ...a caller without one is a failure of the factory.
    const com::ObjectRef stranger = com::CreateObject("Quossa.paramIdioma");
    EXPECT_EQ(com::Call(factory, "CreaObjecteDades", {com::Variant(stranger)}).toObject(), nullptr);
    EXPECT_EQ(com::Get(factory, "NumError"), com::Variant(438));
    EXPECT_EQ(com::Get(factory, "UbicacioError"),
              com::Variant("\rQuossa - clsFuncionsSubCapaEntitats - CreaObjecteDades"));
}
