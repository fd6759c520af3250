// The program's command line, run as a child process on a sample database
// of the test's own: every window that opens by name writes its picture,
// and a window that fails to open prints its error and ends with 1.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <set>

#include "RegisteredWindowsFixture.h"
#include "support/Installation.h"

namespace {

struct Sortida {
    int codi = -1;
    std::string errors;
};

// The program of the test's own installation, or of the build tree.
std::string Programa(bool delArbre = false) {
    const std::string relative = "UserServices/Velmar/Velmar";
    return delArbre ? testsupport::BuildPath(relative) : testsupport::OwnInstallation().path(relative);
}

Sortida Velmar(const QStringList& arguments, const std::string& programa = Programa()) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(QString::fromStdString(programa), arguments);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError().toStdString()};
}

// A picture of a window: of a reasonable size and not of one colour.
bool DataWindow(const QImage& picture) {
    if (picture.width() < 150 || picture.height() < 80) return false;
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 3)
        for (int x = 0; x < picture.width(); x += 3) colours.insert(picture.pixel(x, y));
    return colours.size() > 8;
}

using CommandLine = RegisteredWindowsFixture;

TEST_F(CommandLine, EveryWindowWritesItsPicture) {
    for (const velmar::RegisteredWindow& finestra : velmar::RegisteredWindows()) {
        const QString png = QString::fromStdString(dir.file(std::string(finestra.nom) + ".png"));
        const Sortida sortida = Velmar(QStringList{"--window", finestra.nom, "--project", "306", "--screenshot", png}
                                       << Arguments(finestra.nom));
        EXPECT_EQ(sortida.codi, 0) << finestra.nom << ": " << sortida.errors;
        EXPECT_EQ(sortida.errors.find("Error"), std::string::npos) << sortida.errors;
        EXPECT_TRUE(DataWindow(QImage(png))) << finestra.nom << ": " << png.toStdString();
    }
}

TEST_F(CommandLine, AWindowThatFailsToOpenPrintsItsErrorAndEndsWithOne) {
    testsupport::ScopedFile text(dir.file("text.png"), "no picture");
    const QString png = QString::fromStdString(dir.file("res.png"));
    const Sortida sortida = Velmar({"--window", "frmVisorImatge", "--picture", QString::fromStdString(dir.file("text.png")),
                                    "--language", "5", "--screenshot", png});
    EXPECT_EQ(sortida.codi, 1);
    EXPECT_NE(sortida.errors.find("Error: The file is not a picture that can be shown.\n\n"
                                  " (Velmar(exe) - frmVisorImatge - IniciFormulari)"),
              std::string::npos)
        << sortida.errors;
    EXPECT_FALSE(QFile::exists(png));

    EXPECT_EQ(Velmar({"--window", "frmVisorImatge", "--screenshot", png}).codi, 1) << "no picture given";
}

// A test changes the settings of its own installation only: while one
// lacks a key, the program of the build tree reads the shipped settings and
// works, and that of the installation fails as it should (513; its texts
// are in the database it cannot reach).
TEST_F(CommandLine, AProgramOfTheBuildTreeKeepsItsSettingsWhileATestChangesItsOwn) {
    testsupport::ScopedFile sense(testsupport::DravikIni(), "[General]\nMaximTempsDeTransaccio=600000\n");
    const QStringList arguments{"--window", "frmClients", "--language", "5", "--screenshot"};
    const Sortida propi = Velmar(QStringList(arguments) << QString::fromStdString(dir.file("propi.png")));
    EXPECT_EQ(propi.codi, 1);
    EXPECT_NE(propi.errors.find("Error:  513\n\n (Dravik - clsBD - ConsultaArxiuIni\n"), std::string::npos)
        << propi.errors;
    const Sortida element_tree = Velmar(QStringList(arguments) << QString::fromStdString(dir.file("arbre.png")), Programa(true));
    EXPECT_EQ(element_tree.codi, 0) << element_tree.errors;
    EXPECT_TRUE(QFile::exists(QString::fromStdString(dir.file("arbre.png"))));
}

TEST_F(CommandLine, AWrongCommandLineShowsTheWindowsAndEndsWithTwo) {
    for (const QStringList& arguments : {QStringList{"--window", "frmNoExisteix"}, QStringList{"--project", "306"},
                                         QStringList{"--window", "frmProjectes", "--project", "tres"},
                                         QStringList{"--window"}, QStringList{"frmProjectes"}}) {
        const Sortida sortida = Velmar(arguments);
        EXPECT_EQ(sortida.codi, 2) << arguments.join(' ').toStdString();
        for (const velmar::RegisteredWindow& finestra : velmar::RegisteredWindows())
            EXPECT_NE(sortida.errors.find(finestra.nom), std::string::npos) << sortida.errors;
    }
}

}  // namespace
