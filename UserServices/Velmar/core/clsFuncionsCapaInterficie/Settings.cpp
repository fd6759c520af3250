// The program's settings file, "Velmar.INI" in the program's own folder,
// with every "{mod}" in a value replaced by that folder.
#include "Profile/PrivateProfile.h"
#include "Profile/SettingsReader.h"
#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"

namespace velmar {
namespace {

// The folder of the program this code is linked into.
std::string ProgramFolder() {
    static const std::string folder = profile::ModuleFolder(reinterpret_cast<const void*>(&ProgramFolder));
    return folder;
}

}  // namespace

std::string clsFuncionsCapaInterficie::RutaArxiuIni() const { return ProgramFolder() + "/Velmar.INI"; }

std::string clsFuncionsCapaInterficie::ConsultaArxiuIniInterficie(const std::string& strSeccio,
                                                                  const std::string& strClau) {
    return profile::ReadComponentSetting(*this, kFunctionsLocation, "ConsultaArxiuIniInterficie", RutaArxiuIni(),
                                         strSeccio, strClau, ProgramFolder());
}

std::string clsFuncionsCapaInterficie::StrTran(const std::string& strStringbase,
                                               const std::string& strStringARemplacar,
                                               const std::string& strStringRemplacable) {
    // The shared routine keeps the convention and appends " - StrTran".
    return profile::StrTran(*this, kFunctionsLocation, strStringbase, strStringARemplacar, strStringRemplacable);
}

}  // namespace velmar
