#include "program/RegisteredWindows.h"

#include <QEvent>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "admin/frmClients.h"
#include "admin/frmManteniments.h"
#include "admin/frmProjectes.h"
#include "admin/frmTaulesAuxiliars.h"
#include "admin/frmUsuariProjecte.h"
#include "admin/frmUsuaris.h"
#include "Ado/AdoError.h"
#include "Ado/Recordset.h"
#include "Brintel/BrintelNames.h"
#include "Com/ErrorProperties.h"
#include "Com/Registry.h"
#include "connections/frmElementsProp.h"
#include "connections/frmEscomesaElem.h"
#include "connections/frmEscomeses.h"
#include "connections/frmExportEsquema.h"
#include "core/services/clsAndamiSistema.h"
#include "core/binding/WindowObject.h"
#include "core/services/Procedure.h"
#include "dialogs/frmEntraPassword.h"
#include "dialogs/frmIdiomes.h"
#include "dialogs/frmVisorImatge.h"
#include "lightpoints/frmPuntsLlum.h"
#include "network/frmCarrers.h"
#include "network/frmTrams.h"
#include "network/frmZones.h"

namespace velmar {
namespace {

// The viewer's start-up runs as it is shown, on the picture it is given.
std::unique_ptr<QWidget> VisorImatge(const OpeningOptions& obertura) {
    auto visor = std::make_unique<frmVisorImatge>();
    visor->strNomArxiuImatge = obertura.Option("picture");
    visor->Show();
    return visor;
}

// A window that only another opens, shown on its own: it stands in a frame
// that keeps the window that opened it alive behind it.
class OpenerFrame final : public QWidget {
public:
    OpenerFrame(std::unique_ptr<QWidget> obridor, QWidget* finestra) : obridor_(std::move(obridor)) {
        setObjectName(finestra->objectName());
        setWindowTitle(finestra->windowTitle());
        finestra->setParent(this, Qt::Widget);
        (new QVBoxLayout(this))->addWidget(finestra);
        finestra->show();
    }

private:
    std::unique_ptr<QWidget> obridor_;  // goes first, and takes the window it opened with it
};

// The service connections of the session's project with the first one
// being edited and its element tree open, as a user opens it.
std::unique_ptr<frmEscomeses> EscomesaAmbArbre() {
    auto escomeses = std::make_unique<frmEscomeses>(CaptureProject());
    escomeses->findChild<QPushButton*>("cmdEditar")->click();
    const dialogs::ModalHandler modal = dialogs::SetModalHandler([](QWidget*) {});
    escomeses->findChild<QPushButton*>("cmdEditarProteccio")->click();
    dialogs::SetModalHandler(modal);
    if (!escomeses->FormulariElements()) com::Raise(base::err::ObjectRequired);
    return escomeses;
}

std::unique_ptr<QWidget> ArbreElements(const OpeningOptions&) {
    std::unique_ptr<frmEscomeses> escomeses = EscomesaAmbArbre();
    frmEscomesaElem* element_tree = escomeses->FormulariElements();
    return std::make_unique<OpenerFrame>(std::move(escomeses), element_tree);
}

// The properties of the tree's first element, opened for editing.
std::unique_ptr<QWidget> ElementsProp(const OpeningOptions&) {
    std::unique_ptr<frmEscomeses> escomeses = EscomesaAmbArbre();
    frmEscomesaElem* element_tree = escomeses->FormulariElements();
    QTreeWidgetItem* primer = element_tree->trvElements->topLevelItem(0)->child(0);
    if (!primer) com::Raise(ado::err::NoCurrentRecord);
    element_tree->trvElements->setCurrentItem(primer);
    auto* dialeg = new frmElementsProp(element_tree, 0, false);
    return std::make_unique<OpenerFrame>(std::move(escomeses), dialeg);
}

// The picture the export draws of that tree.
std::unique_ptr<QWidget> ExportEsquema(const OpeningOptions&) {
    const std::unique_ptr<frmEscomeses> escomeses = EscomesaAmbArbre();
    auto exportacio = std::make_unique<frmExportEsquema>();
    clsFuncionsCapaInterficie().TradueixFormulariIdioma(std::make_shared<WindowObject>(exportacio.get()),
                                                        clsAndamiSistema::Instance().Idioma());
    const QTemporaryDir carpeta;
    exportacio->EsquemaOriginal = escomeses->FormulariElements()->trvElements;
    exportacio->strRutaArxiu = carpeta.filePath("Elements.bmp").toStdString();
    base::CallChecked(*exportacio, &frmExportEsquema::GravarEsquema);
    return exportacio;
}

// The lookup-table editor on the table the command line names: its key is
// the table's key column and its code the first column of text after it.
std::unique_ptr<QWidget> TaulaAuxiliar(const OpeningOptions& obertura) {
    namespace support = brintel::names;
    auto editor = std::make_unique<frmTaulesAuxiliars>();
    editor->strNomTaula = obertura.Option("table");
    const com::ObjectRef suport = com::CreateObject(com::ProgID(support::Brintel, support::SvrTaulesAuxiliars));
    const ado::Recordset buida = ado::Recordset::FromXml(
        com::CallChecked(suport, support::GetEmptyRecordset, {editor->strNomTaula}).toString());
    for (int32_t camp = 0; camp < buida.FieldCount(); ++camp) {
        const ado::FieldInfo& field = buida.Field(camp);
        if (editor->strCampIntegritat.empty() && (field.keyColumn || camp == 0))
            editor->strCampIntegritat = field.name;
        else if (editor->strCampLlista.empty() && field.type == ado::DataType::String)
            editor->strCampLlista = field.name;
    }
    editor->Obre();
    return editor;
}

// The projects of the user that the user window opens on, as that window
// shows them; the window, never shown, ends with the dialog.
std::unique_ptr<QWidget> AccesProjectes(const OpeningOptions&) {
    auto dialeg = std::make_unique<frmUsuariProjecte>();
    auto* usuaris = new frmUsuaris;
    QObject::connect(dialeg.get(), &QObject::destroyed, [usuaris] { delete usuaris; });
    dialeg->frmFormulariQueCrida = usuaris->Objecte();
    dialeg->Obre();
    return dialeg;
}

std::unique_ptr<QWidget> Inicial(const OpeningOptions&);

// One line per window: its name, how it opens, the options it takes, and
// where the start window's menu offers it, with the menu's caption. The
// menu's texts are rows of frmProjectes (Database/seed/texts).
constexpr RegisteredWindow kFinestres[] = {
    {"frmProjectes", Inicial, ""},
    {"frmClients", WithoutProject<frmClients>, "", Menu::Administration, "Clients"},
    {"frmManteniments", WithoutProject<frmManteniments>, "", Menu::Administration, "Tipus de manteniment"},
    {"frmUsuaris", WithoutProject<frmUsuaris>, "", Menu::Administration, "Usuaris"},
    {"frmIdiomes", WithoutProject<frmIdiomes>, "", Menu::Administration, "Idioma"},
    {"frmTaulesAuxiliars", TaulaAuxiliar, "--table T_Name"},
    {"frmUsuariProjecte", AccesProjectes, ""},
    {"frmEntraPassword", WithoutProject<frmEntraPassword>, ""},
    {"frmVisorImatge", VisorImatge, "--picture FILE"},
    {"frmCarrers", WithProject<frmCarrers>, "", Menu::Project, "Carrers"},
    {"frmZones", WithProject<frmZones>, "", Menu::Project, "Zones"},
    {"frmTrams", WithProject<frmTrams>, "", Menu::Project, "Trams de cable"},
    {"frmEscomeses", WithProject<frmEscomeses>, "", Menu::Project, "Escomeses"},
    {"frmPuntsLlum", WithProject<frmPuntsLlum>, "", Menu::Project, "Punts de llum"},
    {"frmEscomesaElem", ArbreElements, ""},
    {"frmElementsProp", ElementsProp, ""},
    {"frmExportEsquema", ExportEsquema, ""},
};

// The windows open one of a kind, by name, each with the project it works
// in (0 for a window of no project).
struct Oberta {
    QPointer<QWidget> finestra;
    int32_t projecte = 0;
};
std::map<std::string, Oberta, std::less<>>& Obertes() {
    static std::map<std::string, Oberta, std::less<>> obertes;
    return obertes;
}

// Closing the start window ends the program: the windows it opened close
// first. One that the user keeps open, so as not to lose what it has
// unsaved, keeps the start window and its menu open too.
class TancaAmbInicial final : public QObject {
public:
    explicit TancaAmbInicial(QWidget* inicial) : QObject(inicial) { inicial->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Close) return false;
        for (auto& [nom, oberta] : Obertes())
            if (oberta.finestra && !oberta.finestra->close()) {
                event->ignore();
                return true;
            }
        return false;
    }
};

// The start window, with the menu of every window that joins it.
std::unique_ptr<QWidget> Inicial(const OpeningOptions&) {
    auto inicial = std::make_unique<frmProjectes>();
    std::vector<frmProjectes::EntradaMenu> entrades;
    for (const RegisteredWindow& finestra : kFinestres)
        if (finestra.menu != Menu::Nowhere)
            entrades.push_back({finestra.nom, finestra.titol, finestra.menu == Menu::Project});
    inicial->PosaMenu(entrades, [](const std::string& nom) {
        if (const RegisteredWindow* finestra = FindRegisteredWindow(nom)) OpenSingle(*finestra);
    });
    new TancaAmbInicial(inicial.get());
    return inicial;
}

}  // namespace

const std::string& OpeningOptions::Option(std::string_view nom) const {
    const auto found = opcions.find(nom);
    if (found == opcions.end()) com::Raise(com::err::ArgumentNotOptional);
    return found->second;
}

std::span<const RegisteredWindow> RegisteredWindows() { return kFinestres; }

const RegisteredWindow* FindRegisteredWindow(std::string_view nom) {
    for (const RegisteredWindow& finestra : kFinestres)
        if (nom == finestra.nom) return &finestra;
    return nullptr;
}

void OpenSingle(const RegisteredWindow& finestra) {
    Oberta& oberta = Obertes()[finestra.nom];
    const int32_t projecte = finestra.menu == Menu::Project ? clsAndamiSistema::Instance().Projecte() : 0;
    // A window on another project than the one selected gives way to one on
    // it, unless the user keeps it for what it has unsaved; while none is
    // selected (a new project being entered) it stays. Closed, it goes once
    // the events run: the new one takes its place at once.
    if (oberta.finestra && oberta.projecte != projecte && projecte != 0 && oberta.finestra->close())
        oberta.finestra.clear();
    if (!oberta.finestra) {
        std::unique_ptr<QWidget> window = OpenWindow(finestra, {});
        if (!window) return;
        oberta = {window.release(), projecte};
        oberta.finestra->setAttribute(Qt::WA_DeleteOnClose);
    }
    oberta.finestra->show();
    oberta.finestra->raise();
    oberta.finestra->activateWindow();
}

void AddProjectToTitle(QWidget& window, int32_t projecte) {
    namespace support = brintel::names;
    const com::ObjectRef suport = com::CreateObject(com::ProgID(support::Brintel, support::SvrProjectes));
    ado::Recordset fila =
        ado::Recordset::FromXml(com::CallChecked(suport, support::GetProjecteById, {projecte}).toString());
    com::Variant nom = com::Variant::Null();
    if (fila.RecordCount() > 0) {
        fila.MoveFirst();
        nom = fila.Value("NomResumit");
    }
    const QString text = nom.isNull() ? QString::number(projecte) : QString::fromStdString(nom.toString());
    const QString titol = window.windowTitle();
    window.setWindowTitle(titol.isEmpty() ? text : titol + QString::fromUtf8(" – ") + text);
}

std::unique_ptr<QWidget> OpenWindow(const RegisteredWindow& finestra, const OpeningOptions& obertura) {
    base::ErrorFields error;
    std::unique_ptr<QWidget> window;
    if (base::Guard(error, {base::label::Velmar, finestra.nom}, "Form_Load", false, [&] {
            window = finestra.crea(obertura);
            return true;
        }))
        return window;
    ShowError(error);
    return nullptr;
}

}  // namespace velmar
