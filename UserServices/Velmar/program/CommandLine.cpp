#include "program/CommandLine.h"

#include <QApplication>
#include <algorithm>
#include <QStringList>
#include <iostream>
#include <optional>
#include <vector>

#include "core/services/Dialogs.h"
#include "core/services/Pictures.h"
#include "core/services/Session.h"
#include "core/services/QtTranslation.h"
#include "core/services/clsAndamiSistema.h"
#include "core/services/Procedure.h"
#include "Base/FreedMemory.h"
#include "program/RegisteredWindows.h"

namespace velmar {
namespace {

constexpr const char* kFinestraInicial = "frmProjectes";

struct Ordre {
    std::string finestra;  // empty: the program's start
    std::optional<int32_t> projecte;
    std::optional<int32_t> idioma;
    QString captura;       // the screenshot's file
    OpeningOptions obertura;
};

void Us() {
    std::cerr << "usage: Velmar [--window <name> [--project N] [--language N] [--screenshot FILE.png] "
                 "[window options]]\nwindows:\n";
    for (const RegisteredWindow& finestra : RegisteredWindows())
        std::cerr << "  " << finestra.nom << (*finestra.opcions ? " " : "") << finestra.opcions << '\n';
}

std::optional<int32_t> Nombre(const QString& text) {
    bool ok = false;
    const int32_t value = text.toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

// Every argument is "--name value"; the ones the program does not know go
// to the window.
std::optional<Ordre> Interpreta(const QStringList& arguments) {
    Ordre ordre;
    for (qsizetype i = 1; i < arguments.size(); i += 2) {
        const QString& nom = arguments[i];
        if (!nom.startsWith("--") || nom.size() < 3 || i + 1 >= arguments.size()) return std::nullopt;
        const QString& valor = arguments[i + 1];
        if (nom == "--window") ordre.finestra = valor.toStdString();
        else if (nom == "--project") ordre.projecte = Nombre(valor);
        else if (nom == "--language") ordre.idioma = Nombre(valor);
        else if (nom == "--screenshot") ordre.captura = valor;
        else ordre.obertura.opcions[nom.mid(2).toStdString()] = valor.toStdString();
        if ((nom == "--project" && !ordre.projecte) || (nom == "--language" && !ordre.idioma)) return std::nullopt;
    }
    // Everything but the start itself belongs to one window.
    if (ordre.finestra.empty() && arguments.size() > 1) return std::nullopt;
    return ordre;
}

// While a window opens from the command line, a message box is its
// failure: its text and details are kept to be printed, not shown.
class Captura {
public:
    Captura() {
        previous_ = dialogs::SetMessageHandler([this](const std::string& text, const std::string& detalls) {
            textos.push_back(detalls.empty() ? text : text + "\r\r" + detalls);
        });
    }
    ~Captura() { dialogs::SetMessageHandler(previous_); }
    bool Imprimeix() const {
        for (std::string text : textos) {
            std::replace(text.begin(), text.end(), '\r', '\n');
            std::cerr << text << '\n';
        }
        return !textos.empty();
    }

    std::vector<std::string> textos;

private:
    dialogs::MessageHandler previous_;
};

}  // namespace

int RunCommandLine(int argc, char** argv) {
    base::KeepFreedMemory();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velmar");

    const std::optional<Ordre> ordre = Interpreta(QCoreApplication::arguments());
    const RegisteredWindow* finestra =
        ordre ? FindRegisteredWindow(ordre->finestra.empty() ? kFinestraInicial : ordre->finestra) : nullptr;
    if (!finestra) {
        Us();
        return 2;
    }
    std::optional<Captura> captura;
    if (!ordre->finestra.empty()) captura.emplace();

    // The session: the user of the system's login with that user's
    // language, then what the command line asks for.
    clsAndamiSistema& sessio = clsAndamiSistema::Instance();
    base::ErrorFields inici;
    StartSession(SystemUserName(), inici);
    if (inici.NumError != 0) ShowError(inici);
    if (ordre->idioma) sessio.SetIdioma(*ordre->idioma);
    if (ordre->projecte) sessio.SetProjecte(*ordre->projecte);
    SetQtTranslation(sessio.Idioma());

    std::unique_ptr<QWidget> window = OpenWindow(*finestra, ordre->obertura);
    if (captura && captura->Imprimeix()) return 1;
    if (!window) return 1;
    window->show();
    if (ordre->captura.isEmpty()) {
        captura.reset();
        return QApplication::exec();
    }

    // Shown and laid out: what the show posted has run.
    QCoreApplication::processEvents();
    if (captura->Imprimeix()) return 1;
    try {
        WritePicture(window->grab().toImage(), ordre->captura.toStdString(), "PNG");
    } catch (const base::Error& error) {
        std::cerr << "Velmar: cannot write " << ordre->captura.toStdString() << ": " << error.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace velmar
