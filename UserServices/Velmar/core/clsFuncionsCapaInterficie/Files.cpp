// The file dialogs and the image viewer.
#include <filesystem>

#include "Base/Text.h"
#include "core/services/Dialogs.h"
#include "core/services/ImageViewer.h"
#include "core/services/Pictures.h"
#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"

namespace velmar {
namespace {

// The path chosen in the file dialog; never a file of the open database.
std::string ArxiuTriat(const dialogs::FileRequest& peticio) {
    std::optional<std::string> path = dialogs::ChooseFile(peticio);
    if (!path) com::Raise(base::err::DialogCancelled);
    RefuseDatabaseFile(*path);
    return *path;
}

// A photo chooser opens in the folder of the current picture, with the
// picture chosen when it is there; else in the photos' folder.
dialogs::FileRequest PeticioFoto(const std::string& actual, const std::string& fotos) {
    namespace fs = std::filesystem;
    const fs::path path(actual);
    std::error_code error;
    dialogs::FileRequest peticio;
    peticio.carpeta = fotos;
    if (path.is_absolute() && fs::is_directory(path.parent_path(), error)) {
        peticio.carpeta = path.parent_path().string();
        if (fs::is_regular_file(path, error)) peticio.arxiu = actual;
    }
    return peticio;
}

}  // namespace

std::string clsFuncionsCapaInterficie::EscullArxiu(const std::string& strFotoActual) {
    return base::Guard(*this, kFunctionsLocation, "EscullArxiu", [&] {
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
    return base::Guard(*this, kFunctionsLocation, "EscullArxiuGravar", [&] {
        dialogs::FileRequest peticio;
        peticio.gravar = true;
        peticio.extensio = strDefaultExtension;
        peticio.filtre = "*." + strDefaultExtension;
        return ArxiuTriat(peticio);
    });
}

bool clsFuncionsCapaInterficie::ObreVisorImatge(const std::string& strRutaArxiuImatge) {
    return base::Guard(*this, kFunctionsLocation, "ObreVisorImatge", [&] {
        // Only an ordinary file that is not hidden counts: no folder, no
        // name of blanks.
        const std::filesystem::path path(strRutaArxiuImatge);
        std::error_code error;
        if (base::Trim(strRutaArxiuImatge, " ").empty() ||
            !std::filesystem::is_regular_file(path, error) || path.filename().string().starts_with('.'))
            return false;
        RefuseDatabaseFile(strRutaArxiuImatge);
        // Each photo has a viewer of its own: once shown, it ends itself
        // when it is closed.
        ImageViewer* viewer = CreateImageViewer().release();
        viewer->strNomArxiuImatge = strRutaArxiuImatge;
        base::CallChecked(*viewer, &ImageViewer::Show);
        return true;
    });
}

}  // namespace velmar
