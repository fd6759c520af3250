// The session's language, user and project numbers, as the windows read
// them and as a late-bound caller writes them, and the project a window
// captures as it opens.
#include <gtest/gtest.h>

#include "core/services/Session.h"
#include "core/services/clsAndamiSistema.h"
#include "support/ErrorOf.h"

namespace {

using velmar::clsAndamiSistema;

TEST(Session, LanguageFallsBackToOneUserAndProjectReadBackAsStored) {
    const com::ObjectRef session = clsAndamiSistema::InstanceRef();
    EXPECT_EQ(&clsAndamiSistema::Instance(), session.get());
    EXPECT_EQ(com::Get(session, "Idioma").toLong(), 1);
    EXPECT_EQ(com::Get(session, "Usuari").toLong(), 0) << "no user until the session starts";
    EXPECT_EQ(com::Get(session, "Projecte").toLong(), 0) << "no project until one is chosen";
    EXPECT_NE(com::Get(session, "SySSessio").toObject(), nullptr);

    struct Case {
        int32_t written, idioma;
    };
    for (const Case& c : {Case{2, 2}, Case{5, 5}, Case{1, 1}, Case{3, 1}, Case{0, 1}, Case{7, 1}, Case{-2, 1},
                          Case{306, 1}}) {
        for (const char* name : {"Idioma", "Usuari", "Projecte"}) com::Let(session, name, c.written);
        EXPECT_EQ(clsAndamiSistema::Instance().Idioma(), c.idioma) << c.written;
        EXPECT_EQ(clsAndamiSistema::Instance().Usuari(), c.written);
        EXPECT_EQ(clsAndamiSistema::Instance().Projecte(), c.written);
    }

    com::Let(session, "Idioma", "5");
    com::Set(session, "Idioma", session);  // an object changes nothing
    EXPECT_EQ(com::Get(session, "Idioma").toLong(), 5);
    for (const char* name : {"Idioma", "Usuari", "Projecte"}) com::Let(session, name, 0);
}

TEST(Session, AWindowCapturesTheProjectOnlyWhenOneIsChosen) {
    clsAndamiSistema& session = clsAndamiSistema::Instance();
    session.SetProjecte(0);
    EXPECT_EQ(testsupport::ErrorOf([] { velmar::CaptureProject(); }), base::err::NoProjectChosen);
    session.SetProjecte(306);
    EXPECT_EQ(velmar::CaptureProject(), 306);
    session.SetProjecte(0);
}

}  // namespace
