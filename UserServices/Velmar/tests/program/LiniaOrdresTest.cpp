// The program's command line, run as a child process on a sample database
// of the test's own: every window that opens by name writes its picture,
// and a window that fails to open prints its error and ends with 1.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <set>

#include "ObreturaProva.h"

namespace {

struct Sortida {
    int codi = -1;
    std::string errors;
};

Sortida Velmar(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(QString::fromStdString(testsupport::BuildPath("UserServices/Velmar/Velmar")), arguments);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError().toStdString()};
}

// A picture of a window: of a reasonable size and not of one colour.
bool Finestra(const QImage& picture) {
    if (picture.width() < 150 || picture.height() < 80) return false;
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 3)
        for (int x = 0; x < picture.width(); x += 3) colours.insert(picture.pixel(x, y));
    return colours.size() > 8;
}

using LiniaOrdres = FinestresProva;

TEST_F(LiniaOrdres, EveryWindowWritesItsPicture) {
    for (const velmar::FinestraRegistrada& finestra : velmar::Finestres()) {
        const QString png = QString::fromStdString(dir.file(std::string(finestra.nom) + ".png"));
        const Sortida sortida = Velmar(QStringList{"--window", finestra.nom, "--project", "306", "--screenshot", png}
                                       << Arguments(finestra.nom));
        EXPECT_EQ(sortida.codi, 0) << finestra.nom << ": " << sortida.errors;
        EXPECT_EQ(sortida.errors.find("Error"), std::string::npos) << sortida.errors;
        EXPECT_TRUE(Finestra(QImage(png))) << finestra.nom << ": " << png.toStdString();
    }
}

TEST_F(LiniaOrdres, AWindowThatFailsToOpenPrintsItsErrorAndEndsWithOne) {
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

TEST_F(LiniaOrdres, AWrongCommandLineShowsTheWindowsAndEndsWithTwo) {
    for (const QStringList& arguments : {QStringList{"--window", "frmNoExisteix"}, QStringList{"--project", "306"},
                                         QStringList{"--window", "frmProjectes", "--project", "tres"},
                                         QStringList{"--window"}, QStringList{"frmProjectes"}}) {
        const Sortida sortida = Velmar(arguments);
        EXPECT_EQ(sortida.codi, 2) << arguments.join(' ').toStdString();
        for (const velmar::FinestraRegistrada& finestra : velmar::Finestres())
            EXPECT_NE(sortida.errors.find(finestra.nom), std::string::npos) << sortida.errors;
    }
}

}  // namespace
