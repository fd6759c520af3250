#include "program/Finestres.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "Ado/AdoError.h"
#include "admin/frmClients.h"
#include "admin/frmProjectes.h"
#include "connections/frmElementsProp.h"
#include "connections/frmEscomesaElem.h"
#include "connections/frmEscomeses.h"
#include "connections/frmExportEsquema.h"
#include "core/FormulariObject.h"
#include "core/Procediment.h"
#include "core/clsAndamiSistema.h"
#include "dialogs/frmEntraPassword.h"
#include "dialogs/frmIdiomes.h"
#include "dialogs/frmVisorImatge.h"
#include "network/frmCarrers.h"
#include "network/frmTrams.h"
#include "network/frmZones.h"

namespace velmar {
namespace {

// The viewer's start-up runs as it is shown, on the picture it is given.
std::unique_ptr<QWidget> VisorImatge(const Obertura& obertura) {
    auto visor = std::make_unique<frmVisorImatge>();
    visor->strNomArxiuImatge = obertura.Opcio("picture");
    visor->Show();
    return visor;
}

// A window that only another opens, shown on its own: it stands in a frame
// that keeps the window that opened it alive behind it.
class Obert final : public QWidget {
public:
    Obert(std::unique_ptr<QWidget> obridor, QWidget* finestra) : obridor_(std::move(obridor)) {
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
    auto escomeses = std::make_unique<frmEscomeses>(CapturaProjecte());
    escomeses->findChild<QPushButton*>("cmdEditar")->click();
    const dialegs::ModalHandler modal = dialegs::SetModalHandler([](QWidget*) {});
    escomeses->findChild<QPushButton*>("cmdEditarProteccio")->click();
    dialegs::SetModalHandler(modal);
    if (!escomeses->FormulariElements()) com::Raise(base::err::ObjectRequired);
    return escomeses;
}

std::unique_ptr<QWidget> ArbreElements(const Obertura&) {
    std::unique_ptr<frmEscomeses> escomeses = EscomesaAmbArbre();
    frmEscomesaElem* arbre = escomeses->FormulariElements();
    return std::make_unique<Obert>(std::move(escomeses), arbre);
}

// The properties of the tree's first element, opened for editing.
std::unique_ptr<QWidget> ElementsProp(const Obertura&) {
    std::unique_ptr<frmEscomeses> escomeses = EscomesaAmbArbre();
    frmEscomesaElem* arbre = escomeses->FormulariElements();
    QTreeWidgetItem* primer = arbre->trvElements->topLevelItem(0)->child(0);
    if (!primer) com::Raise(ado::err::NoCurrentRecord);
    arbre->trvElements->setCurrentItem(primer);
    auto* dialeg = new frmElementsProp(arbre, 0, false);
    return std::make_unique<Obert>(std::move(escomeses), dialeg);
}

// The picture the export draws of that tree.
std::unique_ptr<QWidget> ExportEsquema(const Obertura&) {
    const std::unique_ptr<frmEscomeses> escomeses = EscomesaAmbArbre();
    auto exportacio = std::make_unique<frmExportEsquema>();
    clsFuncionsCapaInterficie().TradueixFormulariIdioma(std::make_shared<FormulariObject>(exportacio.get()),
                                                        clsAndamiSistema::Instance().Idioma());
    const QTemporaryDir carpeta;
    exportacio->EsquemaOriginal = escomeses->FormulariElements()->trvElements;
    exportacio->strRutaArxiu = carpeta.filePath("Elements.bmp").toStdString();
    exportacio->GravarEsquema();
    base::RaiseReported(*exportacio);
    return exportacio;
}

// One line per window.
constexpr FinestraRegistrada kFinestres[] = {
    {"frmProjectes", Sola<frmProjectes>, ""},
    {"frmClients", Sola<frmClients>, ""},
    {"frmEntraPassword", Sola<frmEntraPassword>, ""},
    {"frmIdiomes", Sola<frmIdiomes>, ""},
    {"frmVisorImatge", VisorImatge, "--picture FILE"},
    {"frmCarrers", AmbProjecte<frmCarrers>, ""},
    {"frmZones", AmbProjecte<frmZones>, ""},
    {"frmTrams", AmbProjecte<frmTrams>, ""},
    {"frmEscomeses", AmbProjecte<frmEscomeses>, ""},
    {"frmEscomesaElem", ArbreElements, ""},
    {"frmElementsProp", ElementsProp, ""},
    {"frmExportEsquema", ExportEsquema, ""},
};

}  // namespace

const std::string& Obertura::Opcio(std::string_view nom) const {
    const auto found = opcions.find(nom);
    if (found == opcions.end()) com::Raise(com::err::ArgumentNotOptional);
    return found->second;
}

std::span<const FinestraRegistrada> Finestres() { return kFinestres; }

const FinestraRegistrada* TrobaFinestra(std::string_view nom) {
    for (const FinestraRegistrada& finestra : kFinestres)
        if (nom == finestra.nom) return &finestra;
    return nullptr;
}

std::unique_ptr<QWidget> ObreFinestra(const FinestraRegistrada& finestra, const Obertura& obertura) {
    base::ErrorFields error;
    std::unique_ptr<QWidget> window;
    if (base::Guard(error, {base::label::Velmar, finestra.nom}, "Form_Load", false, [&] {
            window = finestra.crea(obertura);
            return true;
        }))
        return window;
    MostraError(error);
    return nullptr;
}

}  // namespace velmar
