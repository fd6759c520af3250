// The lookup-table editor behind a combo's ">" button, the file dialogs,
// and two text routines kept as debugging aids.
#include "core/TaulesAuxiliars.h"

#include <QApplication>
#include <QString>
#include <filesystem>

#include "Base/Text.h"
#include "core/Dialegs.h"
#include "core/Imatges.h"
#include "dialogs/frmVisorImatge.h"

namespace velmar {
namespace {

FabricaTaulesAuxiliars& Fabrica() {
    static FabricaTaulesAuxiliars fabrica = NouFormulariTaulesAuxiliars;
    return fabrica;
}

constexpr const char* kObjecteName = "velmarFormulari";

// The window object of a window, carried by the window itself.
class ObjecteFormulari final : public QObject {
public:
    ObjecteFormulari(QWidget* window, std::weak_ptr<com::Object> object)
        : QObject(window), object(std::move(object)) {
        setObjectName(kObjecteName);
    }
    std::weak_ptr<com::Object> object;
};

// The window object of the active window; none when it made itself not
// known, which leaves its controls alone.
com::ObjectRef FormulariActiu() {
    const QWidget* window = QApplication::activeWindow();
    const auto* known =
        window ? window->findChild<ObjecteFormulari*>(kObjecteName, Qt::FindDirectChildrenOnly) : nullptr;
    return known ? known->object.lock() : nullptr;
}

// The path chosen in the file dialog; never a file of the open database.
std::string ArxiuTriat(const dialegs::PeticioArxiu& peticio) {
    std::optional<std::string> path = dialegs::TriaArxiu(peticio);
    if (!path) com::Raise(base::err::DialogCancelled);
    RefusaArxiuBaseDades(*path);
    return *path;
}

// A photo chooser opens in the folder of the current picture, with the
// picture chosen when it is there; else in the photos' folder.
dialegs::PeticioArxiu PeticioFoto(const std::string& actual, const std::string& fotos) {
    namespace fs = std::filesystem;
    const fs::path path(actual);
    std::error_code error;
    dialegs::PeticioArxiu peticio;
    peticio.carpeta = fotos;
    if (path.is_absolute() && fs::is_directory(path.parent_path(), error)) {
        peticio.carpeta = path.parent_path().string();
        if (fs::is_regular_file(path, error)) peticio.arxiu = actual;
    }
    return peticio;
}

}  // namespace

void DonaAConeixerFormulari(QWidget* window, const com::ObjectRef& object) {
    delete window->findChild<ObjecteFormulari*>(kObjecteName, Qt::FindDirectChildrenOnly);
    new ObjecteFormulari(window, object);
}

FabricaTaulesAuxiliars RegistraFormulariTaulesAuxiliars(FabricaTaulesAuxiliars fabrica) {
    return std::exchange(Fabrica(), std::move(fabrica));
}

void clsFuncionsCapaInterficie::ObrirFormulariAuxiliar(ComboTaulaAuxiliar& ctrCombo, const std::string& strNomTaula,
                                                       const std::string& strCampIntegritat,
                                                       const std::string& strCampOrdre,
                                                       const std::string& strCadenaIntegritat,
                                                       const std::string& strNomCampFiltre,
                                                       int32_t lngValorCampFiltre) {
    base::Guard(*this, kFuncions, "ObrirFormulariAuxiliar", [&] {
        const com::ObjectRef actiu = FormulariActiu();
        const bool relliga = actiu && ExisteixPropietat(actiu, "rstRecordsetActual").toBool();
        if (!Fabrica()) com::Raise(com::err::CannotCreateObject);
        std::unique_ptr<frmTaulesAuxiliarsBase> editor = Fabrica()();
        if (!editor) com::Raise(com::err::CannotCreateObject);
        editor->strNomTaula = strNomTaula;
        editor->strNomCampFiltre = strNomCampFiltre;
        editor->lngValorCampFiltre = lngValorCampFiltre;
        editor->strCampLlista = strCampOrdre;
        editor->strCampIntegritat = strCampIntegritat;
        editor->colIntegritatReferencial = LlistaIntegritatReferencial(strCadenaIntegritat);
        editor->ShowModal();
        if (relliga) DeslinkControls(actiu);
        // The combo keeps the editor's recordset alive after the editor ends;
        // an editor that could not read its table leaves the combo's rows.
        if (const RecordsetRef rows = editor->FilesTaula()) ctrCombo.SetRowSource(rows);
        editor.reset();
        ctrCombo.Refresh();
        if (relliga) LinkControls(actiu);
    });
}

std::string clsFuncionsCapaInterficie::EscullArxiu(const std::string& strFotoActual) {
    return base::Guard(*this, kFuncions, "EscullArxiu", [&] {
        // Without the setting, the dialog opens where it would.
        std::string fotos;
        try {
            fotos = ConsultaArxiuIniInterficie("General", "RutaDirectoriFotos");
        } catch (const base::Error&) {
        }
        return ArxiuTriat(PeticioFoto(strFotoActual, fotos));
    });
}

std::string clsFuncionsCapaInterficie::EscullArxiuGravar(const std::string& strDefaultExtension) {
    return base::Guard(*this, kFuncions, "EscullArxiuGravar", [&] {
        dialegs::PeticioArxiu peticio;
        peticio.gravar = true;
        peticio.extensio = strDefaultExtension;
        peticio.filtre = "*." + strDefaultExtension;
        return ArxiuTriat(peticio);
    });
}

bool clsFuncionsCapaInterficie::ObreVisorImatge(const std::string& strRutaArxiuImatge) {
    return base::Guard(*this, kFuncions, "ObreVisorImatge", [&] {
        // Only an ordinary file that is not hidden counts: no folder, no
        // name of blanks.
        const std::filesystem::path path(strRutaArxiuImatge);
        std::error_code error;
        if (base::Trim(strRutaArxiuImatge, " ").empty() ||
            !std::filesystem::is_regular_file(path, error) || path.filename().string().starts_with('.'))
            return false;
        RefusaArxiuBaseDades(strRutaArxiuImatge);
        // Each photo has a viewer of its own, which ends itself on close.
        auto* viewer = new frmVisorImatge();
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->strNomArxiuImatge = strRutaArxiuImatge;
        base::CallChecked(*viewer, &frmVisorImatge::Show);
        return true;
    });
}

std::string clsFuncionsCapaInterficie::SimpliXML(const std::string& strRecordsetXML) {
    constexpr size_t kRowKept = 61;
    size_t pos = strRecordsetXML.find("<rs:data");
    if (pos == std::string::npos) com::Raise(base::err::InvalidProcedureCall);
    std::string result = strRecordsetXML.substr(0, pos);
    for (size_t row = strRecordsetXML.find("<z:row", pos); row != std::string::npos;
         row = strRecordsetXML.find("<z:row", pos)) {
        result += strRecordsetXML.substr(pos, row - pos);
        const size_t end = strRecordsetXML.find('>', row);
        const size_t length = end == std::string::npos ? std::string::npos : end + 1 - row;
        result += strRecordsetXML.substr(row, std::min(length, kRowKept));
        if (end == std::string::npos) return result;
        pos = end + 1;
    }
    return result + strRecordsetXML.substr(pos);
}

std::string clsFuncionsCapaInterficie::LlistaCodisAscii(const std::string& strText) {
    if (strText.empty()) com::Raise(base::err::InvalidProcedureCall);
    // The codes of the single-byte code page: a character outside it
    // stands as "?".
    std::string result;
    for (const QChar c : QString::fromStdString(strText)) {
        if (!result.empty()) result += ',';
        result += com::Str(c.unicode() < 256 ? int32_t{c.unicode()} : int32_t{'?'});
    }
    return result;
}

}  // namespace velmar
