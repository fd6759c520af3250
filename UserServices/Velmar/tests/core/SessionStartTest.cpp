// How the session starts on the sample database: the user whose login is
// the operating system's, with that user's language.
#include <gtest/gtest.h>

#include "core/services/Session.h"
#include "core/services/clsAndamiSistema.h"
#include "dialogs/SessionFixture.h"

namespace {

using velmar::clsAndamiSistema;

class SessionStart : public testing::Test {
protected:
    void TearDown() override {
        clsAndamiSistema::Instance().SetUsuari(0);
        clsAndamiSistema::Instance().SetIdioma(0);
    }
    SessionFixture sessio_;
    base::ErrorFields result_;
};

TEST_F(SessionStart, TheUserWithTheSystemLoginBringsItsLanguage) {
    sessio_.execute("UPDATE T_Usuari SET NumIdioma = 2 WHERE NumUsuari = 14");
    sessio_.execute("INSERT INTO T_Usuari (NumUsuari, NomUsuari, Login, Password, NumNivellSeguretat, NumIdioma, "
                    "Autoritzat) VALUES (20, 'Àngels Puig', 'ÀNGELS', 'x', 3, 5, TRUE), "
                    "(21, 'Admin gran', 'ADMIN', 'x', 3, 5, TRUE)");
    struct Case {
        const char* login;
        int32_t usuari, idioma;
    };
    for (const Case& c : {Case{"admin", 14, 2}, Case{"ADMIN", 21, 5}, Case{"àngels", 20, 5}}) {
        clsAndamiSistema::Instance().SetIdioma(1);
        velmar::StartSession(c.login, result_);
        EXPECT_EQ(result_.NumError, 0) << result_.UbicacioError;
        EXPECT_EQ(clsAndamiSistema::Instance().Usuari(), c.usuari) << c.login;
        EXPECT_EQ(clsAndamiSistema::Instance().Idioma(), c.idioma) << c.login;
    }
}

TEST_F(SessionStart, WithoutSuchAUserTheSessionHasNoneAndKeepsItsLanguage) {
    clsAndamiSistema::Instance().SetUsuari(14);
    clsAndamiSistema::Instance().SetIdioma(5);
    for (const char* login : {"ningu", "", "admin "}) {
        velmar::StartSession(login, result_);
        EXPECT_EQ(result_.NumError, 0);
        EXPECT_EQ(clsAndamiSistema::Instance().Usuari(), 0) << '"' << login << '"';
        EXPECT_EQ(clsAndamiSistema::Instance().Idioma(), 5);
    }
}

TEST_F(SessionStart, AFailedReadLeavesTheSessionAsItWas) {
    clsAndamiSistema::Instance().SetUsuari(14);
    sessio_.execute("DROP TABLE T_Usuari");
    velmar::StartSession("admin", result_);
    EXPECT_NE(result_.NumError, 0);
    EXPECT_TRUE(result_.UbicacioError.ends_with("\rVelmar(exe) - clsAndamiSistema - IniciaSessio"))
        << result_.UbicacioError;
    EXPECT_EQ(clsAndamiSistema::Instance().Usuari(), 14);
}

}  // namespace
