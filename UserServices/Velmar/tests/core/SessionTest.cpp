// The session's language, user and project numbers, as the windows read
// them and as a late-bound caller writes them.
#include <gtest/gtest.h>

#include "core/clsAndamiSistema.h"

namespace {

using velmar::clsAndamiSistema;

TEST(Session, NumbersReadBackOnlyWhenOneTwoOrFive) {
    const com::ObjectRef session = clsAndamiSistema::InstanceRef();
    EXPECT_EQ(&clsAndamiSistema::Instance(), session.get());
    EXPECT_EQ(com::Get(session, "Idioma").toLong(), 1);
    EXPECT_EQ(com::Get(session, "Usuari").toLong(), 14);
    EXPECT_EQ(com::Get(session, "Projecte").toLong(), 306);
    EXPECT_NE(com::Get(session, "SySSessio").toObject(), nullptr);

    struct Case {
        int32_t written, idioma, usuari, projecte;
    };
    for (const Case& c : {Case{2, 2, 2, 2}, Case{5, 5, 5, 5}, Case{1, 1, 1, 1}, Case{3, 1, 14, 306},
                          Case{0, 1, 14, 306}, Case{7, 1, 14, 306}, Case{-2, 1, 14, 306}}) {
        for (const char* name : {"Idioma", "Usuari", "Projecte"}) com::Let(session, name, c.written);
        EXPECT_EQ(clsAndamiSistema::Instance().Idioma(), c.idioma) << c.written;
        EXPECT_EQ(clsAndamiSistema::Instance().Usuari(), c.usuari) << c.written;
        EXPECT_EQ(clsAndamiSistema::Instance().Projecte(), c.projecte) << c.written;
    }

    com::Let(session, "Idioma", "5");
    com::Set(session, "Idioma", session);  // an object changes nothing
    EXPECT_EQ(com::Get(session, "Idioma").toLong(), 5);
}

}  // namespace
