// What the tests of the windows by name share: the sample database, the
// settings the language chooser and the service-connection window read, the session in a project, and the
// options each window that needs some is given. A window that joins the
// registry with options of its own adds its line to OpeningOptions below.
#pragma once

#include <QImage>
#include <QStringList>
#include <string_view>

#include "core/services/clsAndamiSistema.h"
#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"
#include "dialogs/SessionFixture.h"
#include "program/RegisteredWindows.h"
#include "support/Files.h"

class RegisteredWindowsFixture : public testing::Test {
protected:
    explicit RegisteredWindowsFixture(testsupport::Engine engine = testsupport::Engine::SQLite) : sessio(engine) {}

    void SetUp() override {
        velmar::clsAndamiSistema::Instance().SetProjecte(306);
        QImage picture(300, 200, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        ASSERT_TRUE(picture.save(QString::fromStdString(dir.file("foto.png"))));
    }
    void TearDown() override {
        velmar::clsAndamiSistema::Instance().SetProjecte(0);
        velmar::clsAndamiSistema::Instance().SetIdioma(0);
    }

    velmar::OpeningOptions OpeningOptions(std::string_view finestra) const {
        velmar::OpeningOptions obertura;
        if (finestra == "frmVisorImatge") obertura.opcions["picture"] = dir.file("foto.png");
        if (finestra == "frmTaulesAuxiliars") obertura.opcions["table"] = "TTS_SuportTipus";
        return obertura;
    }
    // The same as command-line arguments.
    QStringList Arguments(std::string_view finestra) const {
        QStringList arguments;
        for (const auto& [name, value] : OpeningOptions(finestra).opcions)
            arguments << QString::fromStdString("--" + name) << QString::fromStdString(value);
        return arguments;
    }

    SessionFixture sessio;
    testsupport::TempDir dir;

private:
    velmar::clsFuncionsCapaInterficie f_;
    testsupport::ScopedFile ini_{f_.RutaArxiuIni(), "[General]\nRutaDirectoriIcones=" +
                                                        testsupport::BuildPath("UserServices/Velmar/Icones") +
                                                        "\nRutaDirectoriImatgesElements=" + dir.path().string() + "\n"};
};
