#include "core/services/Session.h"

#include <pwd.h>
#include <unistd.h>

#include <QString>
#include <cstdlib>

#include "Ado/Recordset.h"
#include "Base/Guard.h"
#include "Brintel/BrintelNames.h"
#include "Com/ErrorProperties.h"
#include "Com/Registry.h"
#include "core/services/clsAndamiSistema.h"

namespace velmar {

std::string SystemUserName() {
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_name) return entry->pw_name;
    // An account the system cannot name (a container's bare uid).
    for (const char* variable : {"LOGNAME", "USER"})
        if (const char* value = std::getenv(variable)) return value;
    return {};
}

void StartSession(const std::string& strLogin, base::ErrorFields& resultat) {
    namespace support = brintel::names;
    base::Guard(resultat, {base::label::Velmar, clsAndamiSistema::kClassName}, "IniciaSessio", [&] {
        const com::ObjectRef service = com::CreateObject(com::ProgID(support::Brintel, support::SvrUsuaris));
        const std::string text = com::CallChecked(service, support::GetUsuaris).toString();
        ado::Recordset usuaris = ado::Recordset::FromXml(text);

        const QString login = QString::fromStdString(strLogin);
        int32_t usuari = 0;
        com::Variant idioma;
        for (const Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
            if (usuari != 0 || login.isEmpty() || usuaris.RecordCount() == 0) break;
            for (usuaris.MoveFirst(); !usuaris.IsEOF(); usuaris.MoveNext()) {
                const com::Variant value = usuaris.Value("Login");
                if (value.isNull() || QString::fromStdString(value.toString()).compare(login, cs) != 0) continue;
                usuari = usuaris.Value("NumUsuari").toLong();
                idioma = usuaris.Value("NumIdioma");
                break;
            }
        }

        clsAndamiSistema& sessio = clsAndamiSistema::Instance();
        sessio.SetUsuari(usuari);
        if (usuari != 0 && !idioma.isNull()) sessio.SetIdioma(idioma.toLong());
    });
}

int32_t CaptureProject() {
    const int32_t projecte = clsAndamiSistema::Instance().Projecte();
    if (projecte == 0) com::Raise(base::err::NoProjectChosen);
    return projecte;
}

}  // namespace velmar
